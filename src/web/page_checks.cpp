#include "web/page_checks.h"

#include "generic/paths.h"
#include "project/project.h"
#include "web/locate_in_object.h"
#include "web/suggestion_text.h"

namespace sorvik {

bool PageChecks::enabled(int kind) const {
  return project.settings().kindEnabled(kind);
}

int PageChecks::lineOf(const TPageObject& object) {
  return objectAs<TAspxObjText>(&object) ? object.StartLine + 1 : object.StartLine;
}

const std::string& PageChecks::lineText(int line) const {
  static const std::string kNoLine;
  if (line < 1 || line > static_cast<int>(page.Lines.size())) return kNoLine;
  return page.Lines[static_cast<size_t>(line - 1)];
}

std::string PageChecks::linkedPath(const std::string& name) const {
  const std::string path = toInternalPath(name);
  return isAbsolutePath(path) ? path : page.Folder + path;
}

bool PageChecks::linkedFileExists(const std::string& name) {
  const auto [known, added] = linkedFiles_.try_emplace(name, false);
  if (added) known->second = fileExists(linkedPath(name));
  return known->second;
}

ImageSize PageChecks::imageSize(const std::string& name) {
  const auto [known, added] = imageSizes_.try_emplace(name);
  if (added) known->second = GetImageSize(linkedPath(name));
  return known->second;
}

bool PageChecks::lineTaken(int line) const {
  return project.report().RoutineReportedLines.count(line) > 0;
}

bool PageChecks::mayChange(int line) const {
  return changedLines_.count(line) == 0;
}

SuggestionLines PageChecks::replaceOnce(int line, std::string_view find,
                                        std::string_view replacement, int start,
                                        bool throughAddResult) const {
  if (!mayChange(line) || (throughAddResult && lineTaken(line))) return std::nullopt;
  return ReplaceOnce(find, lineText(line), replacement, start);
}

void PageChecks::addResult(int kind, int line, const std::string& text, SuggestionLines suggestion,
                           ResultSpan span) {
  if (suggestion && !mayChange(line)) suggestion.reset();
  const bool offers = suggestion.has_value();
  const size_t before = project.report().Results.size();
  AddResult(project, kind, line, text, nullptr, false, std::move(suggestion), 1, span);
  if (offers && project.report().Results.size() > before) changedLines_.insert(line);
}

void PageChecks::ReportOnObject(TAspxObj& object, int kind, const std::string& message,
                                SuggestionLines suggestion) {
  reportOn(object, object.Reported, kind, message, std::move(suggestion));
}

void PageChecks::ReportOnObject(TAspxObjClosing& object, int kind, const std::string& message) {
  reportOn(object, object.Reported, kind, message, std::nullopt);
}

void PageChecks::reportOn(const TPageObject& object, bool& reported, int kind,
                          const std::string& message, SuggestionLines suggestion) {
  if (reported) return;
  reported = true;
  const int line = lineOf(object);
  // A text's end line is stored less 1, like its start line.
  const int endLine = object.EndLine + (line - object.StartLine);
  if (suggestion && !mayChange(line)) suggestion.reset();
  if (suggestion) changedLines_.insert(line);
  auto& report = project.report();
  report.CountResult(kind, false);
  report.UpdateStatus();
  report.UpdateTree(kind, false);
  const std::string tag = project.NamingMode || project.RenameMode ? "):" : "):[Hint] ";
  AddOutput(project, line, tag + message, std::move(suggestion), 1,
            {object.StartCol, endLine, object.EndCol}, kind);
}

void PageChecks::CheckLinkedFile(const std::string& fileName, const TAspxObj& object) {
  if (!enabled(239)) return;
  int length = static_cast<int>(fileName.size());
  PagePlace place = LocateInObject(object, "\"" + fileName + "\"");
  if (!place.found) place = LocateInObject(object, "'" + fileName + "'");
  if (place.found) length += 2;
  if (!place.found) place = LocateInObject(object, fileName);
  if (place.found)
    ++place.column;
  else
    length = 0;
  addResult(239, place.line, "Link to file could not be found", std::nullopt,
            {place.column, place.line, place.column + length});
}

}  // namespace sorvik
