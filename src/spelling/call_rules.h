// The call rules of spellcode.csv: which string arguments of which calls are spelled. One
// rule a line: the statement name and three argument positions, separated by commas
// ("MessageDlg,1,0,0"); a position is 1 to 9, 0 for none, and a first position of 0
// disables the rule. Lines without a comma are passed over.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace sorvik {

struct TCallRule {
  std::string Statement;
  std::array<int, 3> Positions{};

  bool disabled() const { return Positions[0] == 0; }
  bool operator==(const TCallRule&) const = default;
};

// The rules of the file's lines, in file order; a position that is not a number reads as 0.
std::vector<TCallRule> parseCallRules(const std::vector<std::string>& lines);
// The rules of spellcode.csv in `programFolder`; none when the file is missing.
std::vector<TCallRule> ReadCallRules(const std::string& programFolder);
// Replaces spellcode.csv with one line per rule; false when it could not be written.
bool SaveCallRules(const std::string& programFolder, const std::vector<TCallRule>& rules);
// The eleven rules that the options' "&Defaults" writes.
const std::vector<TCallRule>& defaultCallRules();

inline constexpr const char* kCallRulesFile = "spellcode.csv";

}  // namespace sorvik
