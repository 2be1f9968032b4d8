// What a command prints: text (results on stdout, everything else on stderr) or one JSON
// document.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace sorvik {

class TProject;

enum class OutputFormat { Text, Json, Sarif };

// `files`: one line per file, "unit", "form" or "web", a tab and the full path.
void writeFileList(std::ostream& out, const TProject& project);
// The output list, one display line each.
// Lines as they are, each ended with LF.
void writeLines(std::ostream& out, const std::vector<std::string>& lines);
void writeOutputList(std::ostream& out, const TProject& project);
// The status line, then each line of Errors prefixed "error: ".
void writeRunSummary(std::ostream& err, const TProject& project);
// The rows of the results list of a spelling or search run, one list of texts each.
using ResultRows = std::vector<std::vector<std::string>>;
// Rows as text: the texts of a row separated by tabs, one row a line.
void writeRows(std::ostream& out, const ResultRows& rows);
// One JSON object describing the run of `command`, with the results list's rows.
void writeJsonRun(std::ostream& out, const std::string& command, const TProject& project,
                  const ResultRows& rows = {});

// The kind is a template whose warning flag is set.
bool templateIsWarning(const TProject& project, int kind);
// The worst severity among the results: 0 none, 1 hint, 2 warning.
int worstSeverity(const TProject& project);

}  // namespace sorvik
