// User code templates: checks of the user's own, read from template.ini in the program
// folder. A template is a pattern of one or more code lines in the compact upper-case form
// of routine bodies, with placeholders for the routine's variables, for literal values and
// for objects, and replacement lines that become the result's suggestion. The same matcher
// serves the variable-expression search, which makes a single template of its search text.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "checks/non_dupe_count.h"
#include "source/line_props.h"

namespace sorvik {

class TProject;
class TProcedureItem;
class Prompter;

inline constexpr const char* kTemplateFile = "template.ini";

struct TTemplateItem {
  int Code = -1;                          // 1-based index into CodeNames
  std::vector<std::string> FindLines;     // trimmed, upper case outside literals
  std::vector<std::string> ReplaceLines;  // as written
  bool IsWarning = false;
  bool HasObject = false;   // the find text holds "<OBJ>"
  std::string FindText;     // the find lines joined with single blanks
  std::string ReplaceText;  // the replacement lines joined with single blanks
  int FindLineCount = 0;
  int ReplaceLineCount = 0;
  bool Enabled = true;
  std::string Rule1, Rule2;
  bool Submatch = false;
  int IntegerCount = 0;  // "<INTEGER1>" ... numbered without gaps, at most 3
  int StringCount = 0;   // "<STRING1>" ... likewise
  bool HasValues = false;

  // Counts the variable placeholders and notes the value and object placeholders.
  void Prepare();
  bool hasVariables() const { return IntegerCount > 0 || StringCount > 0; }
};

// Where a variable-expression search is told of a matching line: its compact text, the
// processed line and the 0-based file line.
using TemplateSearchHit = std::function<void(const std::string& text, int line, int fileLine)>;

class TCodeTemplate {
 public:
  // Fills CodeNames and Templates from template.ini of `programFolder` (none when it is
  // missing). A template that cannot be read is reported through `prompter` and ends
  // the loading; the templates read before it stay.
  void LoadTemplates(const std::string& programFolder, Prompter* prompter);
  // The single template of a variable-expression search for `searchText`.
  void LoadSearchTemplate(std::string_view searchText);

  // Runs every enabled template on Routine (set by the caller).
  void RunTemplates(TProject& project);
  // CodeNames[Code - 1]; "" when Code names no entry.
  std::string TemplateName(const TTemplateItem& item) const;

  std::vector<TTemplateItem> Templates;
  std::vector<std::string> CodeNames;
  TProcedureItem* Routine = nullptr;
  std::optional<TNonDupeCount> IntegerChooser, StringChooser;
  std::optional<TLineProps> FirstLineProps;
  // Set in a variable-expression search: matches go there instead of becoming results.
  TemplateSearchHit SearchHit;
};

// The template line text of a body line: its compact upper-case text, with the routine's
// object variables (locals and parameters of no integer, floating-point, string or boolean
// class) written "<OBJ>" and the components of the unit's form written as "<" and their
// upper-case kind name ">". `components` pairs each component's upper-case name with its
// marker, in the form's order. Lines of a keyword statement (kinds 1-15) stay as they are.
std::string EncodeTemplateLine(const TProcedureItem& routine, int line,
                               const std::vector<std::pair<std::string, std::string>>& components);

}  // namespace sorvik
