// The project overview: whole-project observations that no check of a single line can
// make, gathered while the walk passes the forms and routines and written after it as a
// short HTML document of advice paragraphs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "project/project.h"

namespace sorvik {

class TFormCode;
class TProcedureItem;
struct AppContext;

// One per run, made with the run state. The hooks only raise flags, so the order in which
// the files are walked does not matter.
class TProjectDiscuss : public RunData {
 public:
  std::vector<std::string> Html;  // the document lines; none until a paragraph is added
  int AutoCreatedForms = 0;
  bool HasLargeBitmaps = false;
  bool UsesBeginUpdate = false;
  bool UsesPixels = false;
  bool UsesScanLine = false;
  // A Continue statement was seen however it is written ("Continue;" included, which the
  // statement kinds leave unnamed).
  bool UsesContinue = false;

  // An image-bearing component with a long declaration holds a large picture.
  void DiscussForm(const TFormCode& form);
  // Pixel access, ScanLine, BeginUpdate/EndUpdate and Continue in the routine's body.
  void DiscussRoutine(const TProcedureItem& routine);
  // How many forms the project file creates at start-up.
  void DiscussProjectFile(TProject& project);
  // The paragraphs the observations call for, wrapped into one document.
  void BuildHtml(TProject& project);
  void AddParagraph(std::string_view title, std::string_view text);
};

// The discussion of the project's current run.
TProjectDiscuss& projectDiscussion(TProject& project);
// The document of the project's last overview run; none when no overview ran.
const std::vector<std::string>* discussionDocument(const TProject& project);
// A unit of that name (its folder and extension left out) is used anywhere in the project.
bool ProjectUses(const TProject& project, std::string_view name);

// Hands the forms and routines of an overview run to the discussion, and writes the
// document after the units.
void attachProjectDiscussion(AppContext& context);

}  // namespace sorvik
