#include "web/web_controls.h"

#include <array>

#include "generic/strings.h"
#include "web/html_tags.h"

namespace sorvik {

namespace {

struct WebControl {
  std::string_view name;  // lower case, after the family's prefix
  int kind;
  std::string_view displayName;
  std::string_view spacedName;
};

constexpr std::array<WebControl, 34> kAspControls = {{
    {"label", 201, "Label", "Label"},
    {"textbox", 202, "Textbox", "Textbox"},
    {"requiredfieldvalidator", 203, "RequiredFieldValidator", "Required Field Validator"},
    {"regularexpressionvalidator", 204, "RegularExpressionValidator",
     "Regular Expression Validator"},
    {"comparevalidator", 205, "CompareValidator", "Compare Validator"},
    {"imagebutton", 206, "ImageButton", "Image Button"},
    {"listbox", 207, "Listbox", "Listbox"},
    {"hyperlink", 208, "Hyperlink", "Hyperlink"},
    {"dropdownlist", 209, "DropDownList", "Drop Down List"},
    {"panel", 210, "Panel", "Panel"},
    {"datagrid", 211, "DataGrid", "DataGrid"},
    {"button", 213, "Button", "Button"},
    {"literal", 214, "Literal", "Literal"},
    {"checkbox", 215, "Checkbox", "Checkbox"},
    {"radiobutton", 216, "RadioButton", "RadioButton"},
    {"radiobuttonlist", 217, "RadioButtonList", "RadioButtonList"},
    {"xml", 218, "Xml", "Xml"},
    {"linkbutton", 219, "LinkButton", "LinkButton"},
    {"image", 220, "Image", "Image"},
    {"adrotator", 221, "AdRotator", "AdRotator"},
    {"placeholder", 222, "PlaceHolder", "PlaceHolder"},
    {"table", 223, "Table", "Table"},
    {"calendar", 224, "Calendar", "Calendar"},
    {"datalist", 225, "DataList", "DataList"},
    {"rangevalidator", 226, "RangeValidator", "RangeValidator"},
    {"customvalidator", 227, "CustomValidator", "CustomValidator"},
    {"validationsummary", 228, "ValidationSummary", "ValidationSummary"},
    {"tablerow", 229, "TableRow", "Table Row"},
    {"tablecell", 230, "TableCell", "Table Cell"},
    {"tableheader", 231, "TableHeader", "Table Header"},
    {"content", 232, "Content", "Content"},
    {"listitem", 233, "ListItem", "List Item"},
    {"bulletedlist", 234, "Bulleted List", "Bulleted List"},
    {"sqldatasource", 235, "SQLDataSource", "SQLDataSource"},
}};

// The names after "borland:dbweb"; "calendar" and "webcalendar" share a kind, whose names
// the first of them carries.
constexpr std::array<WebControl, 18> kBorlandControls = {{
    {"datasource", 1200, "BorlandDBWebDataSource", "Borland DB Web Data Source"},
    {"navigationextender", 1201, "BorlandDBWebNavigationExtender",
     "Borland DB Web Navigation Extender"},
    {"aggregatecontrol", 1202, "BorlandDBWebAggregateControl", "Borland DB Web AggregateControl"},
    {"calendar", 1203, "BorlandDBWebCalendar", "Borland DB Web Calendar"},
    {"webcalendar", 1203, "BorlandDBWebCalendar", "Borland DB Web Calendar"},
    {"checkbox", 1204, "BorlandDBWebCheckbox", "Borland DB Web Checkbox"},
    {"dropdownlist", 1205, "BorlandDBWebDropDownlist", "Borland DB Web Drop Down list"},
    {"grid", 1206, "BorlandDBWebGrid", "Borland DB Web Grid"},
    {"image", 1207, "BorlandDBWebImage", "Borland DB Web Image"},
    {"sound", 1208, "BorlandDBWebSound", "Borland DB Web Sound"},
    {"video", 1209, "BorlandDBWebVideo", "Borland DB Web Video"},
    {"label", 1210, "BorlandDBWebLabel", "Borland DB Web Label"},
    {"labeledtextbox", 1211, "BorlandDBWebLabeledTextBox", "Borland DB Web Labeled Text Box"},
    {"listbox", 1212, "BorlandDBWebListbox", "Borland DB Web Listbox"},
    {"memo", 1213, "BorlandDBWebMemo", "Borland DB Web Memo"},
    {"navigator", 1214, "BorlandDBWebNavigator", "Borland DB Web Navigator"},
    {"radiobuttonlist", 1215, "BorlandDBWebRadioButton List", "Borland DB Web Radio Button List"},
    {"textbox", 1216, "BorlandDBWebTextBox", "Borland DB Web Text Box"},
}};

constexpr std::string_view kAspPrefix = "asp:";
constexpr std::string_view kBorlandPrefix = "borland:";
constexpr std::string_view kDataAwarePrefix = "dbweb";

template <size_t N>
const WebControl* findByName(const std::array<WebControl, N>& table, std::string_view name) {
  for (const WebControl& control : table)
    if (control.name == name) return &control;
  return nullptr;
}

template <size_t N>
const WebControl* findByKind(const std::array<WebControl, N>& table, int kind) {
  for (const WebControl& control : table)
    if (control.kind == kind) return &control;
  return nullptr;
}

// The control name after the prefix, in lower case, up to the first blank or line break.
std::string controlName(std::string_view tagText, std::string_view prefix) {
  const std::string_view rest = tagText.substr(prefix.size());
  size_t end = 0;
  while (end < rest.size() && static_cast<unsigned char>(rest[end]) > ' ') ++end;
  return lowerCase(rest.substr(0, end));
}

const WebControl* controlOfKind(int kind) {
  if (const WebControl* control = findByKind(kAspControls, kind)) return control;
  return findByKind(kBorlandControls, kind);
}

}  // namespace

int AspControlKind(std::string_view tagText) {
  if (!startsWithText(tagText, kAspPrefix)) return kNoKind;
  const WebControl* control = findByName(kAspControls, controlName(tagText, kAspPrefix));
  return control ? control->kind : kUnknownControlKind;
}

int BorlandControlKind(std::string_view tagText) {
  if (!startsWithText(tagText, kBorlandPrefix)) return kNoKind;
  const std::string name = controlName(tagText, kBorlandPrefix);
  const WebControl* control =
      startsWith(name, kDataAwarePrefix)
          ? findByName(kBorlandControls, std::string_view(name).substr(kDataAwarePrefix.size()))
          : findByName(kAspControls, name);
  return control ? control->kind : kNoKind;
}

std::string_view webObjectName(int kind) {
  if (kind == kCompilerKind) return "Compiler Directive";
  if (kind == kCommentKind) return "Comment";
  if (const WebControl* control = controlOfKind(kind)) return control->displayName;
  return htmlTagName(kind);
}

std::string_view webObjectSpacedName(int kind) {
  if (const WebControl* control = controlOfKind(kind)) return control->spacedName;
  return webObjectName(kind);
}

}  // namespace sorvik
