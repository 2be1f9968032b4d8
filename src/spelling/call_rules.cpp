#include "spelling/call_rules.h"

#include <optional>

#include "generic/strings.h"
#include "generic/text_file.h"

namespace sorvik {

std::vector<TCallRule> parseCallRules(const std::vector<std::string>& lines) {
  std::vector<TCallRule> rules;
  for (const std::string& line : lines) {
    const size_t comma = line.find(',');
    if (comma == std::string::npos) continue;
    TCallRule rule{line.substr(0, comma), {}};
    const std::vector<std::string> fields = split(std::string_view(line).substr(comma + 1), ',');
    for (size_t i = 0; i < rule.Positions.size() && i < fields.size(); ++i)
      rule.Positions[i] = toInt(trim(fields[i]), 0);
    rules.push_back(std::move(rule));
  }
  return rules;
}

std::vector<TCallRule> ReadCallRules(const std::string& programFolder) {
  const std::optional<std::vector<std::string>> lines = readLines(programFolder + kCallRulesFile);
  return lines ? parseCallRules(*lines) : std::vector<TCallRule>();
}

bool SaveCallRules(const std::string& programFolder, const std::vector<TCallRule>& rules) {
  TextFile file;
  for (const TCallRule& rule : rules) {
    std::string line = rule.Statement;
    for (int position : rule.Positions) line += "," + std::to_string(position);
    file.lines.push_back(std::move(line));
  }
  return writeTextFile(programFolder + kCallRulesFile, file);
}

const std::vector<TCallRule>& defaultCallRules() {
  static const std::vector<TCallRule> rules = {
      {"CreateMessageDialog", {1, 0, 0}}, {"InputBox", {1, 2, 3}},
      {"InputQuery", {1, 2, 0}},          {"MessageDlg", {1, 0, 0}},
      {"MessageDlgPos", {1, 0, 0}},       {"MessageDlgPosHelp", {1, 0, 0}},
      {"Showmessage", {1, 0, 0}},         {"CreateFmt", {1, 0, 0}},
      {"CreateFmtHelp", {1, 0, 0}},       {"CreateResFmt", {1, 0, 0}},
      {"CreateResFmtHelp", {1, 0, 0}}};
  return rules;
}

}  // namespace sorvik
