// Ampersand codes in page text: a known entity without its semicolon, a misspelt one, and
// one that is not known at all.
#include <algorithm>
#include <array>

#include "generic/strings.h"
#include "web/html_checks.h"

namespace sorvik {

namespace {

// An ampersand code is known when its text after "&" begins with one of these.
constexpr std::array<std::string_view, 69> kKnownNames = {
    "amp",    "acute",  "aelig",  "aring",  "aacute", "agrave", "acirc",  "atilde", "auml",
    "brvbar", "copy",   "cedil",  "ccedil", "cent",   "curren", "deg",    "divide", "eacute",
    "egrave", "ecirc",  "euml",   "eth",    "frac12", "frac14", "frac34", "gt",     "iacute",
    "igrave", "icirc",  "iuml",   "iexcl",  "iquest", "laquo",  "lt",     "macr",   "micro",
    "middot", "nbsp",   "not",    "ntilde", "ordf",   "ordm",   "oacute", "ograve", "ocirc",
    "otilde", "ouml",   "oslash", "plusmn", "pound",  "para",   "quot",   "reg",    "raquo",
    "sect",   "sup1",   "sup2",   "sup3",   "shy",    "szlig",  "times",  "thorn",  "uml",
    "uacute", "ugrave", "ucirc",  "uuml",   "yen",    "yacute",
};

// The names a misspelt code is matched against, in this order.
constexpr std::array<std::string_view, 39> kSuggestionNames = {
    "aacute", "acute",  "amp",    "brvbar", "cedil", "cent",   "copy",   "curren", "deg",  "divide",
    "frac12", "frac14", "frac34", "gt",     "iexcl", "iquest", "laquo",  "lt",     "macr", "micro",
    "middot", "nbsp",   "not",    "ordf",   "ordm",  "para",   "plusmn", "pound",  "quot", "raquo",
    "reg",    "sect",   "shy",    "sup1",   "sup2",  "sup3",   "times",  "uml",    "yen",
};

// The longest known name the text begins with, or "".
std::string_view knownName(std::string_view text) {
  std::string_view longest;
  for (const std::string_view name : kKnownNames)
    if (name.size() > longest.size() && startsWith(text, name)) longest = name;
  return longest;
}

// The first suggestion name made of the same letters as `name`, each as often; "" when
// there is none.
std::string_view rearrangedName(std::string_view name) {
  for (const std::string_view candidate : kSuggestionNames)
    if (candidate.size() == name.size() &&
        std::is_permutation(name.begin(), name.end(), candidate.begin()))
      return candidate;
  return {};
}

// Whether `part` occurs exactly once in `text`, case included.
bool occursOnce(std::string_view text, std::string_view part) {
  const size_t first = text.find(part);
  return first != std::string_view::npos && text.find(part, first + 1) == std::string_view::npos;
}

class AmpersandCollector {
 public:
  AmpersandCollector(PageChecks& checks, TAspxObjText& text) : checks_(checks), text_(text) {}

  // Collects codes from "&" (and runs from "%", which are never examined, so that percent
  // encodings in addresses pass) and examines them.
  void run() {
    for (const char c : lowerCase(text_.Text)) {
      bool ended = false;
      if (c == '%' || c == '&' || c == ';') {
        if (inCode_) examine(c == ';' ? code_ + ";" : code_);
        ended = inCode_ && c == ';';
        inCode_ = c == '&';
        code_.clear();
      }
      if (!ended) code_ += c;
      // "&", the six letters of the longest names and one more.
      if (code_.size() == 8) {
        if (inCode_) examine(code_);
        code_.clear();
      }
    }
    if (inCode_ && !code_.empty()) examine(code_);
  }

 private:
  void examine(const std::string& code) {
    if (code.size() < 3 || code.front() != '&' || text_.Reported) return;
    // A numeric reference is no ampersand code: the character code check reads those.
    if (code[1] == '#') return;
    const bool closed = code.find(';') != std::string::npos;
    const std::string_view known = knownName(std::string_view(code).substr(1));
    if (!known.empty() && !closed) {
      // The semicolon belongs right after the entity name, whatever follows it.
      const std::string entity = "&" + std::string(known);
      report(247,
             "Ampersand code '" + entity +
                 "' is missing a semicolon at the end (;). It should be " + entity + ";",
             entity, entity + ";");
    } else if (known.empty() && closed) {
      const std::string_view name = std::string_view(code).substr(1, code.find(';') - 1);
      const std::string_view candidate = rearrangedName(name);
      if (candidate.empty()) {
        if (checks_.enabled(248))
          checks_.ReportOnObject(text_, 248,
                                 "Ampersand code '" + code + "' is not recognised and is invalid.");
        return;
      }
      const std::string correct = "&" + std::string(candidate) + ";";
      report(247, "Ampersand code '" + code + "' is invalid. It may be " + correct + " misspelt",
             code, correct);
    }
  }

  // Reports on the text; the replacement is made only when the code stands once in the
  // text, and from the line the finding is reported on.
  void report(int kind, const std::string& message, const std::string& code,
              const std::string& replacement) {
    if (!checks_.enabled(kind)) return;
    SuggestionLines suggestion;
    if (occursOnce(text_.Text, code))
      suggestion =
          checks_.replaceOnce(PageChecks::lineOf(text_), code, replacement, text_.StartCol, false);
    checks_.ReportOnObject(text_, kind, message, std::move(suggestion));
  }

  PageChecks& checks_;
  TAspxObjText& text_;
  std::string code_;
  bool inCode_ = false;
};

}  // namespace

void CheckAmpersands(PageChecks& checks) {
  if (!checks.enabled(247) && !checks.enabled(248)) return;
  for (PageObjectEntry& entry : checks.page.Objects)
    if (auto* text = objectAs<TAspxObjText>(entry.Object.get()))
      AmpersandCollector(checks, *text).run();
}

}  // namespace sorvik
