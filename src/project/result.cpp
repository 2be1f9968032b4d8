#include "project/result.h"

#include <algorithm>

#include "generic/strings.h"

namespace sorvik {

std::string makePendingKey(int lineCount, const std::string& lineField, const std::string& message,
                           int kind) {
  return std::to_string(lineCount) + lineField + message + "|" + std::to_string(kind);
}

PendingParts splitPendingKey(const std::string& key) {
  PendingParts parts;
  const auto bar = key.rfind('|');
  const auto close = key.find(')');
  if (bar == std::string::npos || close == std::string::npos || close > bar) {
    parts.text = key;
    return parts;
  }
  parts.kind = toInt(std::string_view(key).substr(bar + 1), 0);
  const std::string_view head = std::string_view(key).substr(0, close);
  if (head.size() > 10) {
    parts.lineCount = toInt(head.substr(0, head.size() - 10), 1);
    parts.line = toInt(head.substr(head.size() - 10), -1);
  } else {
    parts.lineCount = toInt(head, 1);
  }
  parts.text = key.substr(close, bar - close);
  return parts;
}

LineEdit lineEditOf(const TFrontOutput& result) {
  LineEdit edit{result.Line, std::max(result.LineCount, 0), {}};
  if (!result.Suggestions) return edit;
  const std::vector<std::string>& lines = *result.Suggestions;
  if (lines.size() == 1 && lines.front() == kRemoveLineMarker) return edit;
  if (!lines.empty() && lines.front() == kInsertMarker) {
    edit.deleted = 0;
    edit.inserted.assign(lines.begin() + 1, lines.end());
  } else {
    edit.inserted = lines;
  }
  return edit;
}

}  // namespace sorvik
