// One analysis of a unit: its own copy of the prepared lines, which conditional variants and
// the routine builder may rewrite, and what the walk learns about it.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "project/result.h"
#include "source/line_forms.h"

namespace sorvik {

class TProject;

class TCodeUnit : public LineForms, public ResultOwner {
 public:
  // Creates the unit and loads it from the run's header cache.
  TCodeUnit(std::string path, TProject& project);

  bool IsCpp = false;
  std::string FilePath;
  std::string FileName;
  TProject& Project;
  int ScanPos = 0;   // end line of the last routine walked
  int ImplLine = 0;  // the "IMPLEMENTATION" line; 0 when none
  int LastLine = 0;  // the last line whose scan form is not empty; 0 when none
  std::vector<std::string> ConstNames, ConstValues;  // the unit's own global constants
  ReportedLineSet ReportedLines;
  std::vector<std::string> SourceLines;  // the file's lines as read
  std::vector<std::string> UsesList;
  // Lines the routine builder split: the text before the split and its line index.
  std::vector<std::string> RewrittenTexts;
  std::vector<int> RewrittenLineNumbers;
  // The file lines whose processed text shows constants' values in place of their names.
  std::unordered_set<int> SubstitutedFileLines;

  // Sets LastLine from the lines.
  void computeLastLine();

  // While the routines of a variant are walked, the lines after the walk's reach wait
  // outside the lists, so that splitting a routine's lines moves only the lines up to the
  // next routine, never the rest of the unit. The builder asks for each line it reads with
  // reach(); the lists always hold every line up to the routine being built and its end.
  void holdLinesAfter(int index);
  // Brings waiting lines in until line `index` is in the lists; false when the unit has no
  // such line.
  bool reach(int index);
  // Brings every waiting line back.
  void releaseLines();
  // Lines in the lists and waiting.
  int lineCount() const { return static_cast<int>(size() + waiting_.size() - waitingFrom_); }

  Kind ownerKind() const override { return Kind::Unit; }
  int mapLine(int processedLine) const override;
  bool isIncludeLine(int processedLine) const override;
  ReportedLineSet* reportedLines() override { return &ReportedLines; }

 private:
  LineForms waiting_;
  size_t waitingFrom_ = 0;
};

// Line edits that keep the parallel lists in step (the file line stays with its line; an
// inserted line takes the file line of the line before it).
void ReplaceLine(TCodeUnit& unit, std::string text, int i);
void InsertLine(TCodeUnit& unit, std::string text, int i);
void DeleteLine(TCodeUnit& unit, int i);

}  // namespace sorvik
