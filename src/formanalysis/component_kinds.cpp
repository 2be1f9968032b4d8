#include "formanalysis/component_kinds.h"

#include <algorithm>
#include <array>

#include "generic/strings.h"
#include "project/project.h"

namespace sorvik {

namespace {

struct KindName {
  int kind;
  std::string_view name;
};

// Sorted by kind.
constexpr std::array kKindNames = {
    KindName{1, "Label"},
    KindName{2, "Edit"},
    KindName{3, "MenuItem"},
    KindName{4, "Button"},
    KindName{5, "Radiobutton"},
    KindName{6, "Checkbox"},
    KindName{7, "Listbox"},
    KindName{8, "Combobox"},
    KindName{9, "Groupbox"},
    KindName{10, "RadioGroup"},
    KindName{11, "Panel"},
    KindName{12, "BitBtn"},
    KindName{13, "Speedbutton"},
    KindName{14, "Toolbutton"},
    KindName{15, "Toolbar"},
    KindName{16, "Checklistbox"},
    KindName{17, "Tabsheet"},
    KindName{18, "TabControl"},
    KindName{19, "PageControl"},
    KindName{20, "Tabset"},
    KindName{21, "Form"},
    KindName{22, "StaticText"},
    KindName{23, "Memo"},
    KindName{24, "RichEdit"},
    KindName{25, "Statusbar"},
    KindName{26, "Image"},
    KindName{27, "Listview"},
    KindName{28, "ProgressBar"},
    KindName{29, "Treeview"},
    KindName{30, "Splitter"},
    KindName{31, "Dialog"},
    KindName{32, "MainMenu"},
    KindName{33, "PopupMenu"},
    KindName{34, "Timer"},
    KindName{35, "Bevel"},
    KindName{36, "ActionList"},
    KindName{37, "StringGrid"},
    KindName{38, "DateTimePicker"},
    KindName{39, "Animate"},
    KindName{40, "Action"},
    KindName{41, "Shape"},
    KindName{42, "ImageList"},
    KindName{43, "ScrollBox"},
    KindName{44, "ColorBox"},
    KindName{45, "Trackbar"},
    KindName{46, "SpinEdit"},
    KindName{47, "Controlbar"},
    KindName{48, "UpDown"},
    KindName{49, "ValueListEditor"},
    KindName{50, "ActionToolbar"},
    KindName{51, "ActionMainMenubar"},
    KindName{52, "ActionManager"},
    KindName{53, "Xpmanifest"},
    KindName{54, "ScrollBar"},
    KindName{55, "MonthCalendar"},
    KindName{56, "Coolbar"},
    KindName{57, "Chart"},
    KindName{58, "FileListBox"},
    KindName{59, "Notebook"},
    KindName{61, "OpenDialog"},
    KindName{62, "ColorDialog"},
    KindName{63, "FontDialog"},
    KindName{64, "FindDialog"},
    KindName{65, "OpenPictureDialog"},
    KindName{66, "PrinterSetupDialog"},
    KindName{67, "PrintDialog"},
    KindName{68, "SaveDialog"},
    KindName{69, "SavePictureDialog"},
    KindName{80, "DBGrid"},
    KindName{81, "DBNavigator"},
    KindName{98, "Unknown"},
    KindName{99, "Unknown"},
    KindName{100, "Table"},
    KindName{101, "Query"},
    KindName{102, "DataSource"},
    KindName{103, "DBEdit"},
    KindName{104, "DBText"},
    KindName{105, "DBMemo"},
    KindName{106, "DBImage"},
    KindName{107, "DBListbox"},
    KindName{108, "DBCombobox"},
    KindName{109, "DBCheckbox"},
    KindName{110, "DBRadiogroup"},
    KindName{111, "DBLookupListbox"},
    KindName{112, "DBLookupCombobox"},
    KindName{113, "DBRichEdit"},
    KindName{114, "DBCtrlGrid"},
    KindName{115, "DBChart"},
    KindName{116, "Database"},
    KindName{117, "IntegerField"},
    KindName{118, "StringField"},
    KindName{119, "BCDField"},
    KindName{120, "CurrencyField"},
    KindName{121, "SmallintField"},
    KindName{122, "LargeintField"},
    KindName{123, "DateField"},
    KindName{124, "DateTimeField"},
    KindName{125, "TimeField"},
    KindName{126, "BlobField"},
    KindName{150, "QuickRep"},
    KindName{151, "QRSubDetail"},
    KindName{152, "QRStringsBand"},
    KindName{153, "QRBand"},
    KindName{154, "QRChildBand"},
    KindName{155, "QRGroup"},
    KindName{156, "QRLabel"},
    KindName{157, "QRDBText"},
    KindName{158, "QRExpr"},
    KindName{159, "QRSysData"},
    KindName{160, "QRMemo"},
    KindName{161, "QRExprMemo"},
    KindName{162, "QRRichText"},
    KindName{163, "QRDBRichText"},
    KindName{164, "QRShape"},
    KindName{165, "QRImage"},
    KindName{166, "QRCompositeReport"},
    KindName{167, "QRPreview"},
    KindName{168, "QRTextFilter"},
    KindName{169, "QRCSVFilter"},
    KindName{170, "QRHTMLFilter"},
    KindName{171, "QRChart"},
    // Variable types of the naming run, web page objects and code.
    KindName{280, "string"},
    KindName{281, "i"},
    KindName{282, "sl"},
    KindName{283, "boolean"},
    KindName{299, "Compiler"},
    KindName{300, "Comment"},
    KindName{301, "Text"},
    KindName{302, "Closing"},
    KindName{400, "Code"},
    KindName{401, "Code"},
};

}  // namespace

std::string_view componentKindTableName(int kind) {
  const auto found = std::lower_bound(kKindNames.begin(), kKindNames.end(), kind,
                                      [](const KindName& entry, int k) { return entry.kind < k; });
  return found != kKindNames.end() && found->kind == kind ? found->name : std::string_view();
}

std::string ComponentKindName(TProject& project, int kind) {
  const std::string_view name = componentKindTableName(kind);
  if (name.empty()) project.addError("Form object id " + std::to_string(kind) + " not recogised");
  return std::string(name);
}

const std::vector<std::pair<std::string, int>>& guessableKinds() {
  // Every kind of the form table except the static text: the kinds with a default naming
  // prefix.
  static const std::vector<std::pair<std::string, int>> kinds = [] {
    std::vector<std::pair<std::string, int>> list;
    for (const auto& entry : kKindNames)
      if (entry.kind <= 171 && entry.kind != kKindStaticText)
        list.emplace_back(lowerCase(entry.name), entry.kind);
    return list;
  }();
  return kinds;
}

}  // namespace sorvik
