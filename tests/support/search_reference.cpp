#include "support/search_reference.h"

#include <sstream>

#include "generic/paths.h"
#include "project/project.h"
#include "project/run_report.h"
#include "search/line_matcher.h"
#include "source/code_unit.h"
#include "source/uses_reader.h"

namespace sorvik::test {

UnitLineSearch searchPreparedUnit(AppContext& context, const std::string& path,
                                  const TSearchOptions& options) {
  TProject project(context, joinPath(folderOf(path), "Reference.svk"));
  project.SearchMode = true;
  project.Search.ignoreComments = options.IgnoreComments;
  project.CurrentFile = path;
  TCodeUnit unit(path, project);
  ReadUses(unit);
  UnitLineSearch out;
  out.errors = project.Errors;
  out.comments = project.report().Counts.Comments;
  out.lineCount = static_cast<int>(unit.size());
  out.implLine = unit.ImplLine;
  out.uses = unit.UsesList;
  const LineList& lines = options.CaseSensitive
                              ? (options.IgnoreSpacing ? unit.CompactLines : unit.Lines)
                              : (options.IgnoreSpacing ? unit.CompactUpperLines : unit.UpperLines);
  LineMatcher matcher(options);
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    bool givenUp = false;
    const bool hit = matcher.matches(lines[i], givenUp);
    if (givenUp) out.givenUp.push_back(unit.LineMap[i]);
    if (hit) out.hits.push_back({unit.LineMap[i], std::string(unit.CompactLines[i])});
  }
  return out;
}

namespace {

std::string joined(const std::vector<std::string>& texts) {
  std::string out;
  for (const std::string& text : texts) out += "[" + text + "]";
  return out;
}

std::string joined(const std::vector<LineHit>& hits) {
  std::string out;
  for (const LineHit& hit : hits) out += std::to_string(hit.line) + ":[" + hit.text + "] ";
  return out;
}

std::string joined(const std::vector<int>& lines) {
  std::string out;
  for (const int line : lines) out += std::to_string(line) + " ";
  return out;
}

}  // namespace

std::string lineSearchDifference(const UnitLineSearch& found, const UnitLineSearch& expected) {
  std::ostringstream out;
  const auto compare = [&out](const char* what, const std::string& a, const std::string& b) {
    if (a != b) out << what << ": " << a << " instead of " << b << "\n";
  };
  compare("errors", joined(found.errors), joined(expected.errors));
  compare("comments", std::to_string(found.comments), std::to_string(expected.comments));
  compare("lines", std::to_string(found.lineCount), std::to_string(expected.lineCount));
  compare("implementation", std::to_string(found.implLine), std::to_string(expected.implLine));
  compare("uses", joined(found.uses), joined(expected.uses));
  compare("hits", joined(found.hits), joined(expected.hits));
  compare("given up", joined(found.givenUp), joined(expected.givenUp));
  return out.str();
}

}  // namespace sorvik::test
