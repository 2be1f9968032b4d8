#include "source/ifdef_handler.h"

#include <algorithm>
#include <exception>

#include "generic/strings.h"
#include "project/project.h"
#include "source/comment_blanker.h"

namespace sorvik {

namespace {

constexpr size_t kMaxSymbols = 8;

// A fingerprint of the lines, to recognise a variant that gives the lines of an earlier one.
uint64_t fingerprint(const std::vector<std::string>& lines) {
  uint64_t hash = 1469598103934665603ull;
  const auto mix = [&hash](unsigned char c) {
    hash ^= c;
    hash *= 1099511628211ull;
  };
  for (const std::string& line : lines) {
    for (const char c : line) mix(static_cast<unsigned char>(c));
    mix('\n');
  }
  return hash;
}

// The symbol a "{$IFDEF" or "{$IFNDEF" directive tests: its text after the word up to "}".
std::string directiveSymbol(std::string_view directive, size_t wordLength) {
  const std::string_view rest = directive.substr(std::min(wordLength, directive.size()));
  return trim(rest.substr(0, rest.find('}')));
}

// Walks the unit's text for one variant: directives and, in branches the variant leaves
// out, every character from code 32 up become blanks. Only the outermost conditional
// decides; nested ones count depth.
class VariantText {
 public:
  VariantText(const std::vector<std::string>& symbols, const std::string& digits)
      : symbols_(symbols), digits_(digits) {}

  // Blanks what the variant leaves out of `line`; true when anything was blanked.
  bool apply(std::string& line) {
    bool touched = false;
    for (size_t i = 0; i < line.size(); ++i) {
      const char c = line[i];
      if (!inDirective_ && c == '{' && i + 1 < line.size() && line[i + 1] == '$') {
        inDirective_ = true;
        directive_.clear();
      }
      if (inDirective_) {
        directive_ += upperChar(c);
        if (c == '}') {
          inDirective_ = false;
          obey(directive_);
        }
        line[i] = ' ';
        touched = true;
      } else if (skipping_ && static_cast<unsigned char>(c) >= 32) {
        line[i] = ' ';
        touched = true;
      }
    }
    return touched;
  }

 private:
  bool defined(const std::string& symbol) const {
    for (size_t j = 0; j < symbols_.size() && j < digits_.size(); ++j) {
      if (symbols_[j] == symbol) return digits_[j] == '1';
    }
    return false;
  }

  void obey(std::string_view directive) {
    if (directive.starts_with("{$IFDEF")) {
      if (depth_ == 0) skipping_ = !defined(directiveSymbol(directive, 7));
      ++depth_;
    } else if (directive.starts_with("{$IFNDEF")) {
      if (depth_ == 0) skipping_ = defined(directiveSymbol(directive, 8));
      ++depth_;
    } else if (directive.starts_with("{$ELSE")) {
      if (depth_ == 1) skipping_ = !skipping_;
    } else if (directive.starts_with("{$ENDIF") || directive.starts_with("{$IFEND")) {
      if (depth_ > 0 && --depth_ == 0) skipping_ = false;
    }
  }

  const std::vector<std::string>& symbols_;
  const std::string& digits_;
  int depth_ = 0;
  bool skipping_ = false;
  bool inDirective_ = false;
  std::string directive_;
};

}  // namespace

TIFDEFHandler::TIFDEFHandler(const std::string& path, TProject& project)
    : project_(project), unit_(std::make_unique<TCodeUnit>(path, project)) {
  const bool variantsApply = project.settings().UseIfDefs && !project.NamingMode &&
                             !project.SpellMode && !project.SearchMode && !project.ExeMode;
  if (unit_->size() == 0 || !variantsApply) return;
  prepared_ = true;
  loaded_ = *unit_;
  project.pollEvents();
  findSymbols();
  project.pollEvents();
  VariantCount = Symbols.empty() ? 0 : 1 << Symbols.size();
  Variants.assign(1, "");
  for (int k = 0; k < VariantCount; ++k) {
    std::string digits(Symbols.size(), '0');
    for (size_t j = 0; j < Symbols.size(); ++j) {
      if (k & (1 << (Symbols.size() - 1 - j))) digits[j] = '1';
    }
    Variants.push_back(std::move(digits));
  }
  if (VariantCount > 0) {
    applyVariant(1);
    Current = 2;
  }
  project.report().RoutineReportedLines.clear();
  project.pollEvents();
}

void TIFDEFHandler::findSymbols() {
  for (const std::string& line : unit_->UpperLines) {
    for (size_t at = line.find("{$I"); at != std::string::npos; at = line.find("{$I", at + 1)) {
      const std::string_view rest = std::string_view(line).substr(at);
      size_t wordLength = 0;
      if (rest.starts_with("{$IFDEF")) wordLength = 7;
      if (rest.starts_with("{$IFNDEF")) wordLength = 8;
      if (wordLength == 0) continue;
      std::string symbol = directiveSymbol(rest, wordLength);
      if (std::find(Symbols.begin(), Symbols.end(), symbol) == Symbols.end())
        Symbols.push_back(std::move(symbol));
      if (Symbols.size() >= kMaxSymbols) return;
    }
  }
}

void TIFDEFHandler::applyVariant(int k) {
  TCodeUnit& unit = *unit_;
  if (k >= 2) static_cast<LineForms&>(unit) = loaded_;
  LineForms result;
  result.reserve(unit.size());
  VariantText text(Symbols, Variants[static_cast<size_t>(k)]);
  for (size_t i = 0; i < unit.size(); ++i) {
    std::string line = unit.Lines[i];
    bool touched = false;
    try {
      touched = text.apply(line);
    } catch (const std::exception&) {
      project_.addError("Error removing some IfDef lines in " + project_.CurrentFile);
    }
    if (!touched) {
      result.moveFrom(unit, i);
    } else if (!trimView(line).empty()) {
      result.append(std::move(line), unit.LineMap[i]);
    }
  }
  std::vector<std::string> braces = result.Lines;
  BlankBraces(braces);
  for (size_t i = 0; i < braces.size(); ++i) {
    if (braces[i] != result.Lines[i]) result.set(i, std::move(braces[i]));
  }
  static_cast<LineForms&>(unit) = std::move(result);
  unit.LastLine = static_cast<int>(unit.size()) - 1;
  seenTexts_.push_back(fingerprint(unit.Lines));
}

bool TIFDEFHandler::NextVariant() {
  if (!prepared_) return true;
  while (Current <= VariantCount && !project_.StopRequested) {
    project_.pollEvents();
    applyVariant(Current++);
    const uint64_t latest = seenTexts_.back();
    if (std::find(seenTexts_.begin(), seenTexts_.end() - 1, latest) == seenTexts_.end() - 1)
      return false;
  }
  return true;
}

}  // namespace sorvik
