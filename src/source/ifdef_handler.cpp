#include "source/ifdef_handler.h"

#include <algorithm>
#include <exception>

#include "generic/strings.h"
#include "project/project.h"
#include "source/comment_blanker.h"

namespace sorvik {

namespace {

constexpr size_t kMaxSymbols = 8;

// Fingerprints recognise a variant that gives the lines of an earlier one: each line's text
// is hashed (FNV-1a), and the lines' hashes are folded in order.
uint64_t lineHash(std::string_view text) {
  uint64_t hash = 1469598103934665603ull;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

uint64_t foldLine(uint64_t fingerprint, uint64_t line) {
  return (fingerprint ^ line) * 1099511628211ull + 0x9e3779b97f4a7c15ull;
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

  // A line without "{" changes no state: while no directive is open it is left alone, or,
  // when the variant leaves it out, blanked whole.
  bool inDirective() const { return inDirective_; }
  bool skipping() const { return skipping_; }

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
    // Every variant is built from the lines as loaded.
    static_cast<LineForms&>(loaded_) = std::move(static_cast<LineForms&>(*unit_));
    const size_t count = loaded_.size();
    lineHashes_.resize(count);
    hasBrace_.resize(count);
    hasPrintable_.resize(count);
    for (size_t i = 0; i < count; ++i) {
      const std::string_view line = loaded_.Lines[i];
      lineHashes_[i] = lineHash(line);
      hasBrace_[i] = line.find('{') != std::string::npos;
      hasPrintable_[i] = std::any_of(line.begin(), line.end(),
                                     [](char c) { return static_cast<unsigned char>(c) >= 32; });
    }
    applyVariant(1);
    Current = 2;
  }
  project.report().RoutineReportedLines.clear();
  project.pollEvents();
}

void TIFDEFHandler::findSymbols() {
  for (const std::string_view line : unit_->UpperLines) {
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

uint64_t TIFDEFHandler::keepLines(int k) {
  std::vector<KeptLine>& kept = kept_;
  kept.clear();
  changed_.clear();
  uint64_t fingerprint = 0;
  VariantText text(Symbols, Variants[static_cast<size_t>(k)]);
  std::string line;
  for (size_t i = 0; i < loaded_.size(); ++i) {
    if (!hasBrace_[i] && !text.inDirective()) {
      // Left out, a line with any character from code 32 up becomes blanks and goes.
      if (text.skipping() && hasPrintable_[i]) continue;
      kept.push_back({i});
      fingerprint = foldLine(fingerprint, lineHashes_[i]);
      continue;
    }
    line = loaded_.Lines[i];
    bool touched = false;
    try {
      touched = text.apply(line);
    } catch (const std::exception&) {
      project_.addError("Error removing some IfDef lines in " + project_.CurrentFile);
    }
    if (!touched) {
      kept.push_back({i});
      fingerprint = foldLine(fingerprint, lineHashes_[i]);
    } else if (!trimView(line).empty()) {
      fingerprint = foldLine(fingerprint, lineHash(line));
      kept.push_back({i, static_cast<uint32_t>(changed_.size())});
      changed_.push_back(line);
    }
  }
  return fingerprint;
}

void TIFDEFHandler::applyVariant(int k) {
  const uint64_t before = keepLines(k);
  // Equal lines before the braces are blanked give equal lines after: the variant repeats
  // an earlier one and is not built.
  const auto repeated = std::find(seenBeforeBraces_.begin(), seenBeforeBraces_.end(), before);
  if (repeated != seenBeforeBraces_.end()) {
    const uint64_t after = seenTexts_[static_cast<size_t>(repeated - seenBeforeBraces_.begin())];
    seenBeforeBraces_.push_back(before);
    seenTexts_.push_back(after);
    return;
  }

  // The variant before is built again from the loaded lines, so its lists can take the new
  // one's lines.
  TCodeUnit& unit = *unit_;
  LineForms result = std::move(static_cast<LineForms&>(unit));
  result.clear();
  result.reserve(kept_.size());
  for (const KeptLine& line : kept_) {
    if (line.changed != KeptLine::kNotChanged)
      result.append(changed_[line.changed], loaded_.LineMap[line.origin]);
    else
      result.copyFrom(loaded_, line.origin);
  }
  uint64_t after = 0;
  BlankBraces(result.Lines, joined_, [&](size_t i, std::string_view blanked) {
    after = foldLine(after, lineHash(blanked));
    if (blanked != result.Lines[i]) result.set(i, blanked);
  });
  static_cast<LineForms&>(unit) = std::move(result);
  unit.LastLine = static_cast<int>(unit.size()) - 1;
  seenBeforeBraces_.push_back(before);
  seenTexts_.push_back(after);
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
