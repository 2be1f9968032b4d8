// The code speller: which text of the code is spelled. It holds the call rules of
// spellcode.csv and the property names of the options, and cuts out the string arguments of
// the configured calls, the strings assigned to the configured properties and the messages
// of script dialogs, handing them to the spelling run. Comments are not spelled.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "spelling/call_rules.h"

namespace sorvik {

struct AppContext;
struct SpellingOptions;
class TProject;
class TProcedureItem;

class TCodeSpeller {
 public:
  TCodeSpeller() = default;
  explicit TCodeSpeller(const SpellingOptions& options);

  // The string arguments of the configured calls in the routine's body.
  void CheckCalls(TProject& project, const TProcedureItem& routine) const;
  // The strings assigned to the configured properties in the routine's body.
  void CheckPropertyAssignments(TProject& project, const TProcedureItem& routine) const;
  // The messages of the script's alert, confirm and prompt calls, each with the page's lines
  // and the line of the script element.
  void CheckScriptMessages(TProject& project, std::string_view scriptText, int objectLine,
                           const std::vector<std::string>& pageLines) const;

  std::vector<TCallRule> Rules;         // statement names upper-cased, in file order
  std::vector<std::string> Properties;  // upper-cased, in order
  bool HideDuplicates = false;          // [General] DupeSpell off
  bool Alert = true, Confirm = true, Prompt = true;
};

// Makes the context's code speller from the options as they are stored.
void LoadCodeSpeller(AppContext& context);

}  // namespace sorvik
