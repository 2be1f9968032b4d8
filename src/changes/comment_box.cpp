#include "changes/comment_box.h"

#include <algorithm>

#include "generic/strings.h"

namespace sorvik {

namespace {

constexpr int kMinimumWidth = 15;
constexpr int kMaximumWidth = 80;
// Borders are stretched and shrunk at their fifth character.
constexpr size_t kStretchAt = 4;

int length(std::string_view text) {
  return static_cast<int>(text.size());
}

// `text` with blanks added up to `width` characters; a longer text stays as it is.
std::string padded(std::string text, int width) {
  if (length(text) < width) text.append(static_cast<size_t>(width - length(text)), ' ');
  return text;
}

void fitBorder(std::string& border, int width) {
  if (border.size() <= kStretchAt + 1) return;
  const int missing = width - length(border);
  if (missing > 0)
    border.insert(kStretchAt + 1, static_cast<size_t>(missing), border[kStretchAt]);
  else if (missing < 0)
    border.erase(kStretchAt, static_cast<size_t>(-missing));
}

std::string framedLine(const TCommentBox& box, std::string_view text, TextAlignment alignment) {
  const int width = box.Width;
  const int right = length(box.RightEdge);
  switch (alignment) {
    case TextAlignment::Centered:
      return padded(padded(box.LeftEdge, width / 2 - length(text) / 2) + std::string(text),
                    width - right) +
             box.RightEdge;
    case TextAlignment::Right:
      return padded(box.LeftEdge, width - right - length(text)) + std::string(text) + box.RightEdge;
    case TextAlignment::Left:
      break;
  }
  return padded(box.LeftEdge + std::string(text), width - right) + box.RightEdge;
}

std::string blankFramedLine(const TCommentBox& box) {
  return padded(box.LeftEdge, box.Width - length(box.RightEdge)) + box.RightEdge;
}

}  // namespace

int neededWidth(const TCommentBox& box) {
  const int edges = length(box.LeftEdge) + length(box.RightEdge);
  int needed = kMinimumWidth;
  for (const std::string& line : box.Lines) needed = std::max(needed, edges + length(line));
  if (!box.StretchBorders)
    needed = std::max({needed, length(box.TopBorder), length(box.BottomBorder)});
  return needed;
}

std::string specificWidthCaption(int needed) {
  return "Specific (between " + std::to_string(needed) + " and " + std::to_string(kMaximumWidth) +
         ")";
}

std::string widthCaption(int width) {
  return "Width (currently " + std::to_string(width) + ")";
}

int specificPosition(const TCommentBox& box, int position) {
  const int needed = neededWidth(box);
  return std::clamp(position, needed, std::max(needed, kMaximumWidth));
}

std::vector<std::string> Render(TCommentBox& box, const RenderChoices& choices,
                                const CommentAnswers* answers) {
  switch (choices.width) {
    case BoxWidth::Reduced:
      box.Width = neededWidth(box);
      break;
    case BoxWidth::Specific:
      box.Width = specificPosition(box, choices.specificPosition);
      break;
    case BoxWidth::Default:
      box.Width = kMaximumWidth;
      break;
  }
  if (box.StretchBorders) {
    fitBorder(box.TopBorder, box.Width);
    fitBorder(box.BottomBorder, box.Width);
  }

  std::vector<std::string> lines;
  lines.reserve(box.Lines.size() + 4);
  if (box.ShowBorders) lines.push_back(box.TopBorder);
  if (box.PadLines) lines.push_back(blankFramedLine(box));
  for (const std::string& line : box.Lines) {
    if (line.empty())
      lines.push_back(blankFramedLine(box));
    else if (line == "<TOPBORDER>")
      lines.push_back(box.TopBorder);
    else if (line == "<BOTTOMBORDER>")
      lines.push_back(box.BottomBorder);
    else
      lines.push_back(
          framedLine(box, answers ? FillAnswers(line, *answers) : line, choices.alignment));
  }
  if (box.PadLines) lines.push_back(blankFramedLine(box));
  if (box.ShowBorders) lines.push_back(box.BottomBorder);
  return lines;
}

std::string FillAnswers(std::string_view line, const CommentAnswers& answers) {
  std::string filled(line);
  const size_t count = std::min(answers.questions.size(), answers.answers.size());
  for (size_t k = 0; k < count; ++k) {
    const std::string placeholder = "<" + answers.questions[k] + ">";
    filled = replaceAllText(filled, placeholder, answers.answers[k]);
  }
  return filled;
}

bool isDateQuestion(std::string_view question) {
  return question.starts_with("Date ");
}

std::string initialAnswer(std::string_view question, int currentYear) {
  return question == "Year" ? std::to_string(currentYear) : std::string();
}

}  // namespace sorvik
