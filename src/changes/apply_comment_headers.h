// Putting the comment builder's header at the top of every unit of a project: where the
// header goes in each mode, and the walk over the project's files that writes it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "changes/comment_box.h"
#include "generic/text_file.h"

namespace sorvik {

class TProject;

enum class CommentMode {
  WhenNoComments = 0,   // "Add comment only if the first lines do not contain comments"
  AllFiles = 1,         // "Add comment to all files"
  ReplaceComments = 2,  // "Remove any comments at the start before adding this comment"
};

// The error shown when the project has neither Delphi nor C++ sources.
inline constexpr std::string_view kNoSourceFilesMessage =
    "No Delphi or C++ source files could be \r\nfound as part of this project.\r\n\r\nPress OK "
    "to Cancel.";

// The languages of the files in the project's unit list (".pas", ".cpp").
struct SourceLanguages {
  bool delphi = false;
  bool cpp = false;
};
SourceLanguages sourceLanguages(const TProject& project);

// The heading a Delphi unit at `path` declares itself with: "unit " + its file name without
// folder and extension, lower-cased, + ";".
std::string unitHeading(std::string_view path);

// The file at `path` with `header` on top as `mode` places it (modes 0 and 2 look for where
// the code starts: a Delphi unit's heading, a C++ file's first line of code); none when the
// mode leaves the file alone. The header is written in the file's encoding (UTF-8 when the
// file is), and every line keeps its end.
std::optional<TextFile> withCommentHeader(const TextFile& file, std::string_view path,
                                          const std::vector<std::string>& header, CommentMode mode,
                                          CommentLanguage language, bool useIfDefs);

// What "Apply" asks for: each language's header and mode; a language without a mode (its
// panel hidden) is not touched.
struct CommentRequest {
  std::vector<std::string> delphiHeader, cppHeader;
  std::optional<CommentMode> delphiMode, cppMode;
};

struct CommentOutcome {
  bool declined = false;  // the change warning or the backup question was answered No
  int applied = 0;
  std::vector<std::string> notApplied;  // in the order of the unit list
  std::string resultsLabel;             // "3 comment headers applied, 1 not applied"
  std::string warning;                  // the not-applied warning; "" when none
};

// "N comment headers applied, M not applied".
std::string commentResultsLabel(int applied, size_t notApplied);
// The warning that lists the files left alone: all of them, or the last 20 and "...".
std::string notAppliedWarning(const std::vector<std::string>& notApplied);

// Writes the headers into the project's units after the change warning, with a backup of
// every file it changes; a file that is a symbolic link or outside the project's folder tree
// (unless the project allows it), or read-only, is left alone with a message.
CommentOutcome ApplyCommentHeaders(TProject& project, const CommentRequest& request);

}  // namespace sorvik
