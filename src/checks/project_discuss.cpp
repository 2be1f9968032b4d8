#include "checks/project_discuss.h"

#include <array>

#include "formanalysis/component_kinds.h"
#include "formanalysis/form_analysis.h"
#include "formanalysis/form_code.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/text_file.h"
#include "source/code_unit.h"
#include "source/find_word.h"
#include "source/line_props.h"
#include "source/procedure_item.h"
#include "source/routine_analysers.h"
#include "source/split_comments.h"

namespace sorvik {

namespace {

constexpr std::string_view kDocumentStart =
    "<HTML><BODY style=\"font-family:  arial,sans-serif;\">";
constexpr std::string_view kDocumentEnd = "</BODY></HTML>";

// A declaration this long of an image-bearing component is its glyph or picture data.
constexpr int kLargeDeclarationLines = 200;

constexpr std::string_view kAutoCreateText =
    "forms are autocreated when your project is run. This can slow down your application and "
    "drain resources. Try to only create forms when they are needed. Forms can be easily "
    "removed from the autocreate list in Project/Options";

// The recommended libraries: the unit that shows one is used, and its entry.
struct OpenSourceLibrary {
  std::string_view unit;
  std::string_view entry;
};
constexpr std::array<OpenSourceLibrary, 1> kOpenSourceLibraries = {{
    {"Fastcode",
     "<a href=\"http://fastcode.sourceforge.net/\">Fastcode</a> provides faster versions of "
     "Delphi functions.<br>"},
}};

bool holdsLargePicture(const TFormObject& object) {
  const int kind = object.Kind;
  const bool bearsImage =
      kind == kKindBitBtn || kind == kKindSpeedButton || kind == kKindImage || kind == kKindQRImage;
  return bearsImage && object.EndLine - object.StartLine > kLargeDeclarationLines;
}

// A body line that the pixel and update scans read: a plain statement with a parenthesis
// and some length to it.
bool takesPart(const TLineProps& props, std::string_view text) {
  return !props.IsEmpty && props.StatementKind < kContinueLine && props.HasParen &&
         text.size() > 10;
}

// The upper-case text holds a Continue statement: the word, not a member of that name, and
// nothing after it in the same statement.
bool holdsContinue(std::string_view text) {
  constexpr std::string_view kWord = "CONTINUE";
  WordSearch search(kWord, text, true, false);
  for (int at = search.next(1); at > 0; at = search.next(at + 1)) {
    const size_t start = static_cast<size_t>(at - 1);
    const size_t after = start + kWord.size();
    const bool member = start > 0 && text[start - 1] == '.';
    if (!member && (after == text.size() || text[after] == ';' || text[after] == ' ')) return true;
  }
  return false;
}

bool holdsFormKind(const TCounts& counts, int kind) {
  for (const auto& [counted, number] : counts.FormObjects) {
    if (counted == kind && number > 0) return true;
  }
  return false;
}

// The index of the first line from `from` that, trimmed and upper-cased, is `word`;
// lines.size() when there is none.
size_t lineOf(const std::vector<std::string>& lines, size_t from, std::string_view word) {
  for (size_t i = from; i < lines.size(); ++i) {
    if (upperCase(trimView(lines[i])) == word) return i;
  }
  return lines.size();
}

}  // namespace

void TProjectDiscuss::AddParagraph(std::string_view title, std::string_view text) {
  if (!Html.empty()) Html.emplace_back("<br><br>");
  Html.push_back("<h2>" + std::string(title) + "</h2>");
  Html.push_back("<p>" + std::string(text) + "</p>");
}

void TProjectDiscuss::DiscussForm(const TFormCode& form) {
  if (HasLargeBitmaps) return;
  for (const FormObjectEntry& entry : form.Objects) {
    if (holdsLargePicture(*entry.Object)) {
      HasLargeBitmaps = true;
      return;
    }
  }
}

void TProjectDiscuss::DiscussRoutine(const TProcedureItem& routine) {
  const auto textOf = [&routine](size_t k) -> std::string_view {
    return routine.Unit->CompactUpperLines[static_cast<size_t>(routine.BeginLine) + 1 + k];
  };
  const size_t count = routine.LineProps.size();
  for (size_t k = 0; k < count && !UsesScanLine; ++k) {
    const std::string_view text = textOf(k);
    if (!takesPart(routine.LineProps[k], text)) continue;
    if (findCodeWord("SCANLINE", text) > 0)
      UsesScanLine = true;
    else if (!UsesPixels && findCodeWord("PIXELS", text) > 0)
      UsesPixels = true;
  }
  for (size_t k = 0; k < count && !UsesBeginUpdate; ++k) {
    const std::string_view text = textOf(k);
    if (!takesPart(routine.LineProps[k], text)) continue;
    UsesBeginUpdate = findCodeWord("BEGINUPDATE", text) > 0 || findCodeWord("ENDUPDATE", text) > 0;
  }
  for (size_t k = 0; k < count && !UsesContinue; ++k) UsesContinue = holdsContinue(textOf(k));
}

void TProjectDiscuss::DiscussProjectFile(TProject& project) {
  const size_t forms = project.FormFiles.size();
  if (forms < 4) return;
  const auto read = readLines(project.ProjectPath);
  if (!read) return;
  const SplitText split = SplitComments(*read, project.settings().UseIfDefs);
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = split.code.find("\r\n"); end != std::string::npos;
       start = end + 2, end = split.code.find("\r\n", start))
    lines.push_back(split.code.substr(start, end - start));
  if (!read->empty()) lines.push_back(split.code.substr(start));

  const size_t usesLine = lineOf(lines, 0, "USES");
  if (usesLine == lines.size()) return;
  const size_t beginLine = lineOf(lines, usesLine + 1, "BEGIN");
  if (beginLine == lines.size()) return;
  AutoCreatedForms = 0;
  for (size_t i = beginLine + 1; i < lines.size(); ++i) {
    if (findCodeWord("APPLICATION.CREATEFORM", upperCase(lines[i])) > 0) ++AutoCreatedForms;
  }
  if (static_cast<size_t>(AutoCreatedForms) == forms - 1)
    AddParagraph("All forms are autocreated", "All the " + std::string(kAutoCreateText));
  else if (AutoCreatedForms > 4)
    AddParagraph("Many autocreated forms", "Many " + std::string(kAutoCreateText));
}

void TProjectDiscuss::BuildHtml(TProject& project) {
  const TCounts& counts = project.report().Counts;
  if (HasLargeBitmaps) {
    AddParagraph("Large Bitmap Images",
                 "Your project contains large bitmaps stored as part of images or buttons. "
                 "Consider trying to reduce their size or saving these as compressed jpeg images "
                 "in a resource file and loading them at runtime.");
  }
  if (UsesPixels && !UsesScanLine) {
    AddParagraph("Use ScanLine instead of Pixels",
                 "There are calls to Pixels to determine the color of a pixel on a canvas. "
                 "Scanline is not used yet it is a much faster method of reading pixel colors. "
                 "Note that it is harder to use and may require more coding for different color "
                 "depths");
  }
  if (!UsesBeginUpdate &&
      (holdsFormKind(counts, kKindTreeView) || holdsFormKind(counts, kKindListView))) {
    AddParagraph("Make use of BeginUpdate and EndUpdate",
                 "If you are adding a number of items to your tree view or list view at runtime, "
                 "use BeginUpdate and EndUpdate around the code which adds these new nodes or "
                 "items to speed this process up and reduce any on screen flicker.");
  }
  const auto& statements = counts.Statements;
  if (statements[kExitLine] == 0 && statements[kBreakLine] == 0 && statements[kContinueLine] == 0 &&
      !UsesContinue) {
    AddParagraph("Make use of Continue, Break or Exit",
                 "There is no use of Break, Continue or Exit in your project. Whilst many "
                 "consider the use of these routines to be bad practise (as it upsets the general "
                 "flow of a routine) they are a fast and efficient way of repeating or getting "
                 "out of loops and routines.");
  }
  std::string entries;
  for (const OpenSourceLibrary& library : kOpenSourceLibraries) {
    if (!ProjectUses(project, library.unit)) entries += library.entry;
  }
  if (!entries.empty()) {
    AddParagraph(
        "Open Source software",
        "Consider integrating the following open source software with your project:<br>" + entries);
  }
  if (Html.empty()) {
    Html.push_back(std::string(kDocumentStart) +
                   "<h2>There were no items to consider with this project</h2>" +
                   std::string(kDocumentEnd));
    return;
  }
  Html.insert(Html.begin(), std::string(kDocumentStart));
  Html.emplace_back(kDocumentEnd);
}

TProjectDiscuss& projectDiscussion(TProject& project) {
  return project.runData<TProjectDiscuss>();
}

const std::vector<std::string>* discussionDocument(const TProject& project) {
  const auto* discussion = project.findRunData<TProjectDiscuss>();
  return discussion && !discussion->Html.empty() ? &discussion->Html : nullptr;
}

bool ProjectUses(const TProject& project, std::string_view name) {
  std::string unit = fileNameOf(name);
  unit.resize(unit.size() - extensionOf(unit).size());
  for (const std::string& used : project.Report->usedUnits()) {
    if (sameText(used, unit)) return true;
  }
  return false;
}

void attachProjectDiscussion(AppContext& context) {
  context.service<FormDiscusser>().discussForm = [](TProject& project, const TFormCode& form) {
    projectDiscussion(project).DiscussForm(form);
  };
  context.service<RoutineAnalysers>().onRoutine.push_back(
      [](TProject& project, TProcedureItem& routine) {
        if (project.OverviewMode) projectDiscussion(project).DiscussRoutine(routine);
      });
  context.hooks.afterUnits.push_back([](TProject& project) {
    if (!project.OverviewMode) return;
    TProjectDiscuss& discussion = projectDiscussion(project);
    discussion.DiscussProjectFile(project);
    discussion.BuildHtml(project);
  });
}

}  // namespace sorvik
