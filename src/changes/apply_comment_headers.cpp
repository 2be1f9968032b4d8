#include "changes/apply_comment_headers.h"

#include <algorithm>

#include "changes/backups.h"
#include "changes/file_change.h"
#include "changes/save_string_list.h"
#include "changes/write_rules.h"
#include "generic/encoding.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project.h"
#include "project/prompter.h"
#include "source/comment_blanker.h"
#include "source/line_forms.h"

namespace sorvik {

namespace {

constexpr size_t kListedFiles = 20;

// The file holds UTF-8 text: it says so with a byte-order mark, or its bytes beyond ASCII
// all read as UTF-8.
bool holdsUtf8(const TextFile& file) {
  if (file.bom) return true;
  bool beyondAscii = false;
  for (const std::string& line : file.lines) {
    if (std::none_of(line.begin(), line.end(), [](char c) { return (c & 0x80) != 0; })) continue;
    if (!isValidUtf8(line)) return false;
    beyondAscii = true;
  }
  return beyondAscii;
}

// The header's lines in the file's encoding, so that a header never mixes encodings with
// the text below it.
std::vector<std::string> headerLinesFor(const TextFile& file,
                                        const std::vector<std::string>& header) {
  const bool utf8 = holdsUtf8(file);
  std::vector<std::string> lines;
  lines.reserve(header.size());
  for (const std::string& line : header) {
    if (utf8)
      lines.push_back(toUtf8(line));
    else
      lines.push_back(isValidUtf8(line) ? utf8ToWindows1252(line) : line);
  }
  return lines;
}

// Blanks and tabs stand in for themselves as this character while comments are blanked, so
// that a line of blanks inside a comment shows as part of it.
constexpr char kBlankMark = '\x01';

// The lines with their comments blanked, and which lines hold a comment.
struct BlankedLines {
  std::vector<std::string> code;
  std::vector<bool> comment;
};

// Removing comments keeps every compiler directive ("{$...}"): a directive before the
// heading is code, and deleting it would change the unit. A C++Builder separator line
// ("//----") marks the file's sections; it is no comment that the modes would keep out or
// remove.
BlankedLines blankedCopy(const std::vector<std::string>& lines, CommentLanguage language,
                         CommentMode mode, bool useIfDefs) {
  std::vector<std::string> marked = lines;
  for (std::string& line : marked)
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; }, kBlankMark);
  BlankedLines blanked{marked, std::vector<bool>(lines.size(), false)};
  if (language == CommentLanguage::Cpp)
    BlankPascalComments(blanked.code, true, false);
  else if (mode == CommentMode::ReplaceComments)
    blankComments(blanked.code, false,
                  [](std::string_view group) { return group.size() > 1 && group[1] == '$'; });
  else
    BlankPascalComments(blanked.code, false, useIfDefs);
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string& code = blanked.code[i];
    const bool separator =
        language == CommentLanguage::Cpp && trimView(lines[i]).starts_with("//-");
    blanked.comment[i] = code != marked[i] && !separator;
    for (size_t j = 0; j < code.size(); ++j) {
      if (code[j] == kBlankMark) code[j] = lines[i][j];
    }
  }
  return blanked;
}

// Where the code starts: the unit's heading, or a C++ file's first line of code; the number
// of lines when there is none.
size_t codeStart(const std::vector<std::string>& blanked, std::string_view path,
                 CommentLanguage language) {
  const std::string heading = unitHeading(path);
  for (size_t i = 0; i < blanked.size(); ++i) {
    if (language == CommentLanguage::Cpp) {
      if (!trimView(blanked[i]).empty()) return i;
    } else if (blanked[i] == heading || lowerCase(compactLine(blanked[i])).starts_with(heading)) {
      return i;
    }
  }
  return blanked.size();
}

TextFile withHeaderOnTop(TextFile file, std::vector<std::string> header) {
  replaceLines(file, 0, 0, std::move(header));
  return file;
}

}  // namespace

SourceLanguages sourceLanguages(const TProject& project) {
  SourceLanguages languages;
  for (const std::string& file : project.UnitFiles) {
    const std::string extension = extensionOf(file);
    languages.delphi = languages.delphi || sameText(extension, ".pas");
    languages.cpp = languages.cpp || sameText(extension, ".cpp");
  }
  return languages;
}

std::string unitHeading(std::string_view path) {
  const std::string name = lowerCase(fileNameOf(path));
  return "unit " + name.substr(0, name.size() - extensionOf(name).size()) + ";";
}

std::optional<TextFile> withCommentHeader(const TextFile& file, std::string_view path,
                                          const std::vector<std::string>& header, CommentMode mode,
                                          CommentLanguage language, bool useIfDefs) {
  const std::vector<std::string>& lines = file.lines;
  if (lines.empty()) return std::nullopt;
  std::vector<std::string> top = headerLinesFor(file, header);
  const bool headingFirst =
      language == CommentLanguage::Delphi && sameText(lines.front(), unitHeading(path));
  if (headingFirst || mode == CommentMode::AllFiles) return withHeaderOnTop(file, std::move(top));

  const BlankedLines blanked = blankedCopy(lines, language, mode, useIfDefs);
  const size_t start = codeStart(blanked.code, path, language);
  if (start == lines.size()) return std::nullopt;
  std::vector<LineReplacement> edits;
  edits.push_back({0, 0, std::move(top)});
  for (size_t i = 0; i < start; ++i) {
    if (!blanked.comment[i]) continue;
    if (mode == CommentMode::WhenNoComments) return std::nullopt;
    std::vector<std::string> kept;
    if (!trimView(blanked.code[i]).empty()) kept.push_back(blanked.code[i]);
    edits.push_back({i, 1, std::move(kept)});
  }
  TextFile changed = file;
  replaceLines(changed, std::move(edits));
  return changed;
}

std::string commentResultsLabel(int applied, size_t notApplied) {
  return CountText(applied, "comment header") + " applied, " + std::to_string(notApplied) +
         " not applied";
}

std::string notAppliedWarning(const std::vector<std::string>& notApplied) {
  if (notApplied.empty()) return {};
  if (notApplied.size() <= kListedFiles)
    return "Changes have not been applied to the following files:\r\r" + join(notApplied, "\r");
  std::vector<std::string> last(notApplied.end() - kListedFiles, notApplied.end());
  last.emplace_back("...");
  return "Changes have not been applied to over 20 files:\r\r" + join(last, "\r");
}

CommentOutcome ApplyCommentHeaders(TProject& project, const CommentRequest& request) {
  CommentOutcome outcome;
  if (!acceptChanges(project, "Applychange")) {
    outcome.declined = true;
    return outcome;
  }

  RunObserver& observer = project.observer();
  const std::vector<std::string> files = project.UnitFiles;
  observer.progressMaximum(static_cast<int>(files.size()));
  project.StopRequested = false;
  bool backupFolderMade = false;
  for (size_t i = 0; i < files.size(); ++i) {
    const std::string& file = files[i];
    observer.progressPosition(static_cast<int>(i));
    observer.resultsLabel(commentResultsLabel(outcome.applied, outcome.notApplied.size()));
    project.pollEvents();
    if (project.StopRequested) break;
    const std::string extension = extensionOf(file);
    const bool delphi = sameText(extension, ".pas") && request.delphiMode;
    const bool cpp = sameText(extension, ".cpp") && request.cppMode;
    if (!delphi && !cpp) continue;

    const std::optional<TextFile> read = readTextFile(file);
    const std::optional<TextFile> changed =
        read ? withCommentHeader(*read, file, delphi ? request.delphiHeader : request.cppHeader,
                                 delphi ? *request.delphiMode : *request.cppMode,
                                 delphi ? CommentLanguage::Delphi : CommentLanguage::Cpp,
                                 project.settings().UseIfDefs)
             : std::nullopt;
    if (!changed) {
      outcome.notApplied.push_back(file);
      continue;
    }
    if (!mayWriteInBulk(project, file)) continue;
    if (!backupFolderMade) {
      backupFolderMade = true;
      if (!MakeBackupFolder(project)) {
        outcome.declined = true;
        break;
      }
    }
    if (backUp(project, file) && SaveStringList(*changed, file, *project.context().prompter))
      ++outcome.applied;
  }
  observer.progressPosition(static_cast<int>(files.size()));
  outcome.resultsLabel = commentResultsLabel(outcome.applied, outcome.notApplied.size());
  observer.resultsLabel(outcome.resultsLabel);
  outcome.warning = notAppliedWarning(outcome.notApplied);
  return outcome;
}

}  // namespace sorvik
