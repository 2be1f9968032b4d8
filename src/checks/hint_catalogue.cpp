#include "checks/hint_catalogue.h"

#include <array>

#include "project/result_kinds.h"

namespace sorvik {

namespace {

constexpr std::array<std::string_view, 38> kHintTexts = {
    "Tag does not need to be stored as 0",
    "Both Is and As together are not required, just Is",
    "Pagecontrol does not start on first page",
    "Table is active on startup",
    "Dataset does not appear to be used",
    "Hint value exists but ShowHint is false",
    "Caption is the default",
    "Value returned from function is unused",
    "Inherited not found in constructor/destructor",
    "Cursor may be left as busy",
    "No events associated with object",
    "No need to cast literal as PChar/PWideChar",
    "Use resources for this string",
    "Improved Date",
    "Constant MaxInt instead of call to Length",
    "Delete instead of Copy",
    "Use + instead of Concat",
    "Use SinCos instead of both Sin and Cos",
    "AppendStr is for compatibility only",
    "Caption is probably not displayed",
    "Dataset property not set in Datasource",
    "Datasource property not set",
    "Database connected is true",
    "Use Active property instead of Open and Close",
    "SetLength instead",
    "No need for Copy for only one character",
    "Focus Control is set but no hot key",
    "AnsiUppercase and AnsiLowercase are faster",
    "Faster to use reciprocals",
    "Include and Exclude are faster for sets",
    "Faster to use [0] than StrLen",
    "Hot Key is set but no FocusControl",
    "Function not required to determine result",
    "Conditional statement could be improved",
    "Improve Owner for FormCreate",
    "Faster to use zero",
    "Variable declared but never used",
    "Exception handling missing On Except",
};

constexpr std::array<std::string_view, 17> kWarningTexts = {
    "Exit before object is freed",
    "Object was created but not freed",
    "Incorrect MessageDialog",
    "Ampersand (&) is wrong in hint, should be &&",
    "Start of string is 1, not zero",
    "Copy out of range",
    "Constructor result not assigned",
    "String property referred to as object",
    "Out of bounds loop",
    "Format command has invalid parameters",
    "Width of form object results in truncated text",
    "Height of form object results in truncated text",
    "For loop should use downto, not to",
    "Notification method not found in component",
    "The for loop count not expected to be reduced",
    "SelCount will return -1",
    "Dataset loop condition may not be met",
};

constexpr std::array<std::string_view, 2> kDelphiHintTexts = {
    "Variable assigned unused value",
    "Variable declared but never used",
};

constexpr std::array<std::string_view, 19> kWebHintTexts = {
    "Style sheet class not found",
    "End tag does not exist",
    "Incorrect closing order, end tags should be swapped",
    "Correctly placed start tag could not be found for this end tag",
    "Image size specified is incorrect",
    "Image size not specified",
    "Duplicate meta keywords",
    "No alternative description for image",
    "Tag only allowed in <Head>",
    "Link to file could not be found",
    "Invalid Target value",
    "The color was not recognised",
    "Tag is deprecated in HTML 4.0",
    "HTML 4.0 suggests style sheets",
    "Use code for extended character",
    "Tag not within correct context",
    "Tag can not be nested",
    "Invalid Ampersand code - may have been misspelt",
    "Invalid Ampersand code",
};

constexpr std::array<std::string_view, 2> kNamingTexts = {
    "Naming of form object",
    "Case of variable in code",
};

struct Table {
  std::string_view category;
  int first;
  int count;
  const std::string_view* texts;
};

// In the order kinds are looked up from a tree key.
const std::array<Table, 5>& tables() {
  static const std::array<Table, 5> all = {{
      {"Naming", 300, 2, kNamingTexts.data()},
      {"Delphi Hints", 200, 2, kDelphiHintTexts.data()},
      {"ASP Hints", 230, 19, kWebHintTexts.data()},
      {"Warnings", 100, 17, kWarningTexts.data()},
      {"Hints", 0, 38, kHintTexts.data()},
  }};
  return all;
}

}  // namespace

std::string_view builtInKindText(int kind) {
  for (const auto& table : tables()) {
    const int index = kind - table.first;
    if (index >= 0 && index < table.count) return table.texts[index];
  }
  return {};
}

std::string kindText(int kind, const std::vector<TemplateSwitch>& templates) {
  if (isTemplateKind(kind)) {
    const size_t index = static_cast<size_t>(kind - kFirstTemplateKind);
    return index < templates.size() ? templates[index].name : std::string();
  }
  return std::string(builtInKindText(kind));
}

std::string_view categoryName(int kind, bool isWarning) {
  if (isHintRange(kind)) return "Hints";
  if (isDelphiHintRange(kind)) return "Delphi Hints";
  if (isWebHintRange(kind)) return "ASP Hints";
  if (isNamingRange(kind)) return "Naming";
  if (isTemplateKind(kind) && !isWarning) return "Hints";
  return "Warnings";
}

std::string_view categorySingular(std::string_view category) {
  if (category == "Hints") return "Hint";
  if (category == "Warnings") return "Warning";
  if (category == "Delphi Hints") return "Delphi Hint";
  if (category == "ASP Hints") return "ASP Hint";
  return "Suggestion";
}

std::optional<int> kindFromText(std::string_view category, std::string_view text,
                                const std::vector<TemplateSwitch>& templates) {
  for (const auto& table : tables()) {
    if (table.category != category) continue;
    for (int i = 0; i < table.count; ++i)
      if (table.texts[i] == text) return table.first + i;
  }
  for (size_t i = 0; i < templates.size(); ++i)
    if (templates[i].name == text) return kFirstTemplateKind + static_cast<int>(i);
  return std::nullopt;
}

}  // namespace sorvik
