// The comment header that the comment builder puts at the top of every unit: a framed box
// drawn from content lines, a pair of borders, left and right edges, an alignment and a
// width, in one of a few styles that each ask a few questions (project name, year, ...).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvik {

enum class CommentLanguage { Delphi, Cpp };
enum class TextAlignment { Left, Centered, Right };
// "Default" keeps 80 characters, "Reduced" the width the content needs, "Specific" the
// track bar's position.
enum class BoxWidth { Default, Reduced, Specific };

class TCommentBox {
 public:
  std::string TopBorder;
  std::string BottomBorder;
  std::string LeftEdge;   // before every content line
  std::string RightEdge;  // after every content line, at the right margin
  int Width = 80;
  bool StretchBorders = true;  // borders are brought to Width
  bool ShowBorders = true;
  bool PadLines = false;  // a blank framed line inside each border
  std::vector<std::string> Questions;
  // An empty entry is a blank framed line; "<TOPBORDER>" and "<BOTTOMBORDER>" stand for a
  // copy of a border. "<Question>" placeholders are filled with the answers.
  std::vector<std::string> Lines;

  void AddLine(std::string text = {}) { Lines.push_back(std::move(text)); }
};

// The styles of the "Style:" drop-down, in its order; the last builds no box.
inline constexpr std::array<std::string_view, 5> kCommentStyles = {
    "Borland style", "Mozilla Public License 1", "Mozilla Public License 2", "JavaDoc style",
    "Blank / Custom"};
// The box of a style for a language, 80 wide; none for "Blank / Custom" and names of no
// style.
std::optional<TCommentBox> BuildCommentStyle(std::string_view style, CommentLanguage language);

// The width the content lines need as they are stored (placeholders not filled), at least
// 15: the smallest width "Reduced" gives and the track bar's minimum.
int neededWidth(const TCommentBox& box);
// "Specific (between N and 80)" and "Width (currently W)".
std::string specificWidthCaption(int needed);
std::string widthCaption(int width);

struct RenderChoices {
  TextAlignment alignment = TextAlignment::Left;
  BoxWidth width = BoxWidth::Default;
  int specificPosition = 80;  // the "Specific" track bar
};
// Answers to fill into the content lines (the preview page), or none (the style page).
struct CommentAnswers {
  std::vector<std::string> questions;
  std::vector<std::string> answers;  // parallel to questions
};

// Draws the box: sets its Width by the choice (the track bar's position is kept between
// the needed width and 80), brings stretchable borders to that width, and gives the lines.
std::vector<std::string> Render(TCommentBox& box, const RenderChoices& choices,
                                const CommentAnswers* answers);
// The track bar's position as Render keeps it.
int specificPosition(const TCommentBox& box, int position);

// The line with every "<Question>" placeholder of the answered questions replaced (ignoring
// case) by its answer; other placeholders stay as they are.
std::string FillAnswers(std::string_view line, const CommentAnswers& answers);
// A question answered with a date picker.
bool isDateQuestion(std::string_view question);
// What a question starts with: the year for "Year", else nothing (a date question starts
// at today, which the front end writes in its own short form).
std::string initialAnswer(std::string_view question, int currentYear);

}  // namespace sorvik
