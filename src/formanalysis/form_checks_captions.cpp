// Checks of hints and captions: hints that are never shown, captions left as the
// designer named the component, accelerator keys without a control to focus (or the
// other way round), and toolbar captions that are not displayed.
#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "formanalysis/component_kinds.h"
#include "formanalysis/form_hints.h"
#include "formanalysis/property_readers.h"
#include "generic/strings.h"

namespace sorvik {

namespace {

// Names whose caption is the name itself by intent.
constexpr std::array<std::string_view, 8> kCaptionWords = {"CANCEL", "CLOSE",  "COPY", "CUT",
                                                           "CLEAR",  "DELETE", "OK",   "PASTE"};

std::vector<std::string> removeLine() {
  return {"{Remove line}"};
}

// The standard actions of the class libraries whose names do not end in "Action", in lower
// case without their "T": like every action they keep a hint but have no ShowHint.
constexpr std::string_view kStandardActions =
    "browseforfolder browseurl colorselect customizeactionbars datasetcancel datasetdelete "
    "datasetedit datasetfirst datasetinsert datasetlast datasetnext datasetpost datasetprior "
    "datasetrefresh downloadurl editcopy editcut editdelete editpaste editselectall editundo "
    "fileexit fileopen fileopenwith filepagesetup fileprintsetup filerun filesaveas fontedit "
    "helpcontents helponhelp helptopicsearch listcontrolclearselection listcontrolcopyselection "
    "listcontroldeleteselection listcontrolmoveselection listcontrolselectall openpicture "
    "printdlg richeditaligncenter richeditalignleft richeditalignright richeditbold "
    "richeditbullets richedititalic richeditstrikeout richeditunderline savepicture searchfind "
    "searchfindfirst searchfindnext searchreplace sendmail windowarrange windowcascade "
    "windowclose windowminimizeall windowtilehorizontal windowtilevertical";

// An action: the form cannot be loaded with a ShowHint written into one. Actions stand in
// action lists and action managers; one elsewhere is known by its class.
bool isAction(const TFormObject& object, const FormLines& lines) {
  if (object.Kind == kKindAction) return true;
  if (object.Parent &&
      (object.Parent->Kind == kKindActionList || object.Parent->Kind == kKindActionManager))
    return true;
  const std::optional<ObjectLine> opening = parseObjectLine(lines[object.StartLine]);
  if (!opening) return false;
  const std::string& written = opening->className;
  const std::string className = lowerCase(trim(written.substr(0, written.find('['))));
  return endsWith(className, "action") ||
         (" " + std::string(kStandardActions) + " ").find(" " + className + " ") !=
             std::string::npos;
}

}  // namespace

void TFormHints::checkHintsShown() {
  for (const auto& entry : form_.Objects) {
    const TFormObject& object = *entry.Object;
    const TFormVisualObject* visual = object.visual();
    if (!visual || object.Kind == kKindMenuItem || object.Kind == kKindAction) continue;
    if (visual->Hint.Hint.empty() || visual->Hint.ShowHint) continue;
    const bool action = isAction(object, form_.Lines);
    // A toolbar that shows hints shows the hints of its buttons.
    if (object.Kind == kKindToolButton && object.Parent && object.Parent->Kind == kKindToolbar &&
        ReadBoolProperty(*object.Parent, form_.Lines, "ShowHint", false).Value)
      continue;
    const int line = visual->Hint.Line;
    report(5, line, "Hint exists for " + object.Name + " but ShowHint is false",
           action ? std::nullopt
                  : SuggestionLines(std::vector<std::string>{
                        "{Insert:}", form_.Lines.indentationText(line) + "ShowHint = True"}));
  }
}

void TFormHints::checkDefaultCaptions() {
  for (const auto& entry : form_.Objects) {
    const TFormObject& object = *entry.Object;
    const TFormProperty& caption = GetCaptionProperty(object);
    if (caption.Line < 1) continue;
    const std::string name = upperCase(object.Name);
    if (name.empty() || !sameText(caption.Value, name)) continue;
    if (std::find(kCaptionWords.begin(), kCaptionWords.end(), name) != kCaptionWords.end())
      continue;
    // Only a name the designer gave (Button1) is surely meant to be replaced.
    const bool designerName =
        name.back() >= '0' && name.back() <= '9' && object.Name.find(' ') == std::string::npos;
    report(6, caption.Line, "Default caption of " + object.Name + " stored",
           designerName ? SuggestionLines(removeLine()) : std::nullopt);
  }
}

void TFormHints::checkAcceleratorKeys() {
  for (const auto& entry : form_.Objects) {
    const TFormObject& object = *entry.Object;
    // Only labels and static texts focus another control with their accelerator key.
    if (object.Kind != kKindLabel && object.Kind != kKindStaticText) continue;
    std::string caption = GetCaptionProperty(object).Value;
    while (caption.find("&&") != std::string::npos) caption = replaceAll(caption, "&&", " ");
    const bool ampersand = caption.find('&') != std::string::npos;
    const TFormProperty& focusControl = object.text("FocusControl");
    const TFormBoolProperty& showAccelChar = object.flag("ShowAccelChar");
    const bool focus = !focusControl.Value.empty();
    if (focus && showAccelChar.Value && !ampersand)
      report(26, focusControl.Line, "Ampersand (&) not found but FocusControl is set",
             removeLine());
    else if (!focus && showAccelChar.Value && ampersand)
      report(31, GetCaptionProperty(object).Line,
             "Ampersand (&) found but FocusControl is not set");
    else if (!showAccelChar.Value && focus && showAccelChar.Line > 0)
      report(26, focusControl.Line, "ShowAccelChar is set to false but FocusControl is set",
             removeLine());
  }
}

void TFormHints::checkToolbarCaptions() {
  for (const auto& entry : form_.Objects) {
    const TFormObject& object = *entry.Object;
    const TFormObject* toolbar = nullptr;
    if (object.Kind == kKindToolbar)
      toolbar = &object;
    else if (object.Kind == kKindToolButton && object.Parent && object.Parent->Kind == kKindToolbar)
      toolbar = object.Parent;
    if (!toolbar) continue;
    const TFormBoolProperty& showCaptions = toolbar->flag("ShowCaptions");
    if (showCaptions.Line <= 0 || showCaptions.Value) continue;
    const std::string& caption = object.text("Caption").Value;
    if (caption.empty()) continue;
    report(19, showCaptions.Line, "Unused caption (" + caption + ") of " + object.Name,
           removeLine());
  }
}

}  // namespace sorvik
