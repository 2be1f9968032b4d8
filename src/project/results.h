// The single funnel through which every finding becomes a result.
#pragma once

#include <string>

#include "project/result.h"

namespace sorvik {

class TProject;

struct ResultSpan {
  int startCol = 0;  // 0 (with endLine and endCol 0): no span
  int endLine = 0;
  int endCol = 0;
};

void AddResult(TProject& project, int kind, int line, const std::string& text, ResultOwner* owner,
               bool isWarning = false, SuggestionLines suggestions = {}, int lineCount = 1,
               ResultSpan span = {});
TFrontOutput& AddOutput(TProject& project, int line, const std::string& text,
                        SuggestionLines suggestions, int lineCount, ResultSpan span, int kind);
void FlushPendingHints(TProject& project, PendingHints& pending);

// "\"Unit1.pas\"(12)" followed by the text.
std::string displayLine(const std::string& filePath, int line, const std::string& text);

}  // namespace sorvik
