#include "checks/code_template.h"

#include <exception>

#include "generic/ini_file.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "project/prompter.h"
#include "project/result_kinds.h"
#include "source/line_forms.h"

namespace sorvik {

namespace {

// The template compares with the compact upper-case lines of the code, whose literals keep
// their case: a find line is upper-cased outside its literals only.
std::string findLine(std::string_view text) {
  return upperOutsideLiterals(trim(text));
}

// "<" + name + n + ">" for n = 1, 2, 3 up to the first that is missing; each one found is
// taken out of `text`, so that a later placeholder after a gap stays text.
int countPlaceholders(std::string& text, std::string_view name) {
  int count = 0;
  for (int n = 1; n <= 3; ++n) {
    const std::string marker = "<" + std::string(name) + std::to_string(n) + ">";
    if (text.find(marker) == std::string::npos) break;
    ++count;
    text = replaceAll(text, marker, "");
  }
  return count;
}

TTemplateItem readTemplate(const IniFile& ini, const std::string& section, std::string first) {
  TTemplateItem item;
  item.FindLines = {first};
  item.FindText = std::move(first);
  item.FindLineCount = 1;
  for (int n = 2;; ++n) {
    std::string line = findLine(ini.readString(section, "Find" + std::to_string(n), ""));
    if (line.empty()) break;
    item.FindText += " " + line;
    item.FindLines.push_back(std::move(line));
    ++item.FindLineCount;
  }
  for (int n = 1;; ++n) {
    std::string line = ini.readString(section, "Replace" + std::to_string(n), "");
    if (line.empty()) break;
    if (!item.ReplaceText.empty()) item.ReplaceText += ' ';
    item.ReplaceText += line;
    item.ReplaceLines.push_back(std::move(line));
    ++item.ReplaceLineCount;
  }
  item.Code = ini.readInteger(section, "Code", -1);
  item.Submatch = ini.readBool(section, "Submatch", false);
  item.IsWarning = ini.readBool(section, "Warning", false);
  item.Rule1 = ini.readString(section, "Rule1", "");
  if (!item.Rule1.empty()) item.Rule2 = ini.readString(section, "Rule2", "");
  item.Prepare();
  return item;
}

}  // namespace

void TTemplateItem::Prepare() {
  std::string rest = FindText;
  StringCount = countPlaceholders(rest, "STRING");
  IntegerCount = countPlaceholders(rest, "INTEGER");
  HasValues = rest.find("<INTVALUE") != std::string::npos ||
              rest.find("<STRVALUE") != std::string::npos ||
              rest.find("<CHARVALUE") != std::string::npos;
  HasObject = rest.find("<OBJ>") != std::string::npos;
}

void TCodeTemplate::LoadTemplates(const std::string& programFolder, Prompter* prompter) {
  Templates.clear();
  CodeNames.clear();
  const std::string path = joinPath(programFolder, kTemplateFile);
  if (!fileExists(path)) return;
  const IniFile ini(path);
  for (int n = 1;; ++n) {
    std::string name = ini.readString("Codes", "C" + std::to_string(n), "");
    if (name.empty()) break;
    CodeNames.push_back(std::move(name));
  }
  // The counters hold the template kinds 1000 to 1099 only.
  for (int n = 1; n <= kMaxTemplates; ++n) {
    try {
      const std::string section = "Hint" + std::to_string(n);
      std::string first = findLine(ini.readString(section, "Find1", ""));
      if (first.empty()) return;
      Templates.push_back(readTemplate(ini, section, std::move(first)));
    } catch (const std::exception&) {
      if (prompter) prompter->showError("Error reading template item " + std::to_string(n));
      return;
    }
  }
}

void TCodeTemplate::LoadSearchTemplate(std::string_view searchText) {
  Templates.clear();
  CodeNames = {""};
  TTemplateItem item;
  item.FindLines = {std::string(searchText)};
  item.FindText = findLine(searchText);
  item.FindLineCount = 1;
  item.Code = 1;
  item.Submatch = true;
  item.Prepare();
  Templates.push_back(std::move(item));
}

std::string TCodeTemplate::TemplateName(const TTemplateItem& item) const {
  if (item.Code < 1 || static_cast<size_t>(item.Code) > CodeNames.size()) return "";
  return CodeNames[static_cast<size_t>(item.Code) - 1];
}

}  // namespace sorvik
