#include "source/code_unit.h"

#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project.h"
#include "source/source_run_data.h"

namespace sorvik {

TCodeUnit::TCodeUnit(std::string path, TProject& project)
    : FilePath(std::move(path)), Project(project) {
  FileName = fileNameOf(FilePath);
  IsCpp = endsWithText(FilePath, ".cpp");
  sourceRunData(project).Loader.LoadUnit(*this);
  computeLastLine();
}

void TCodeUnit::computeLastLine() {
  LastLine = 0;
  for (size_t i = ScanLines.size(); i-- > 0;) {
    if (!ScanLines[i].empty()) {
      LastLine = static_cast<int>(i);
      return;
    }
  }
}

void TCodeUnit::holdLinesAfter(int index) {
  releaseLines();
  const size_t keep = index < 0 ? 0 : static_cast<size_t>(index) + 1;
  if (keep >= size()) return;
  waiting_.reserve(size() - keep);
  for (size_t i = keep; i < size(); ++i) waiting_.copyFrom(*this, i);
  resize(keep);
}

bool TCodeUnit::reach(int index) {
  if (index < 0) return false;
  while (size() <= static_cast<size_t>(index) && waitingFrom_ < waiting_.size())
    copyFrom(waiting_, waitingFrom_++);
  return static_cast<size_t>(index) < size();
}

void TCodeUnit::releaseLines() {
  while (waitingFrom_ < waiting_.size()) copyFrom(waiting_, waitingFrom_++);
  waiting_.clear();
  waitingFrom_ = 0;
}

int TCodeUnit::mapLine(int processedLine) const {
  if (processedLine < 0) return processedLine;
  const size_t i = static_cast<size_t>(processedLine);
  if (i < size()) return LineMap[i];
  const size_t waiting = waitingFrom_ + (i - size());
  return waiting < waiting_.size() ? waiting_.LineMap[waiting] : processedLine;
}

bool TCodeUnit::isIncludeLine(int processedLine) const {
  if (processedLine < 0) return false;
  const size_t i = static_cast<size_t>(processedLine);
  if (i < size()) return ScanLines[i].starts_with("{$I");
  const size_t waiting = waitingFrom_ + (i - size());
  return waiting < waiting_.size() && waiting_.ScanLines[waiting].starts_with("{$I");
}

void ReplaceLine(TCodeUnit& unit, std::string text, int i) {
  if (unit.reach(i)) unit.set(static_cast<size_t>(i), std::move(text));
}

void InsertLine(TCodeUnit& unit, std::string text, int i) {
  if (i < 0 || (i > 0 && !unit.reach(i - 1))) return;
  unit.reach(i);
  const size_t at = static_cast<size_t>(i);
  LineForms line;
  line.append(std::move(text), at > 0            ? unit.LineMap[at - 1]
                               : unit.size() > 0 ? unit.LineMap[0]
                                                 : 0);
  unit.replaceRange(at, 0, line);
  ++unit.LastLine;
}

void DeleteLine(TCodeUnit& unit, int i) {
  if (!unit.reach(i)) return;
  unit.erase(static_cast<size_t>(i));
  --unit.LastLine;
}

}  // namespace sorvik
