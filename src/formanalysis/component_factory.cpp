#include "formanalysis/component_factory.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

#include "formanalysis/component_kinds.h"
#include "formanalysis/form_code.h"
#include "formanalysis/property_readers.h"
#include "generic/strings.h"
#include "project/project.h"

namespace sorvik {

namespace {

enum class Reader { Text, Flag, Strings, ItemTexts, NestedCaptions, ToolButtonStyle };

struct PropertySpec {
  PropertySpec(std::string_view name, Reader reader = Reader::Text, bool defaultValue = false,
               std::string_view itemProperty = {})
      : name(name), reader(reader), defaultValue(defaultValue), itemProperty(itemProperty) {}
  std::string_view name;
  Reader reader;
  bool defaultValue;              // Flag
  std::string_view itemProperty;  // ItemTexts: the property of each item
};

// Plain objects read no hint and no font; data-aware controls add a DataSource, dataset
// fields a FieldName and a DisplayLabel as well.
enum class Base { Plain, Visual, DataAware, Field };

struct ClassSpec {
  std::string_view key;
  int kind;
  Base base;
  std::vector<PropertySpec> properties;
};

const PropertySpec kCaption{"Caption"};
const PropertySpec kText{"Text"};
const PropertySpec kItems{"Items", Reader::Strings};
const PropertySpec kTabs{"Tabs", Reader::Strings};
const PropertySpec kWordWrap{"WordWrap", Reader::Flag, false};
const PropertySpec kShowAccelChar{"ShowAccelChar", Reader::Flag, true};
const PropertySpec kFocusControl{"FocusControl"};

// Every class of the factory by its key, with its kind and the properties it keeps in the
// order of its fields.
const std::vector<ClassSpec>& classTable() {
  static const std::vector<ClassSpec> table = {
      {"label", 1, Base::Visual, {kCaption, kWordWrap, kShowAccelChar, kFocusControl}},
      {"edit", 2, Base::Visual, {kText}},
      {"menuitem", 3, Base::Visual, {kCaption}},
      {"button", 4, Base::Visual, {kWordWrap, kCaption}},
      {"radiobutton", 5, Base::Visual, {kCaption}},
      {"checkbox", 6, Base::Visual, {kCaption}},
      {"listbox", 7, Base::Visual, {{"MultiSelect", Reader::Flag, false}, kItems}},
      {"combobox", 8, Base::Visual, {kItems}},
      {"groupbox", 9, Base::Visual, {kItems}},
      {"radiogroup", 10, Base::Visual, {kItems}},
      {"panel", 11, Base::Visual, {kCaption}},
      {"bitbtn", 12, Base::Visual, {kCaption}},
      {"speedbutton", 13, Base::Visual, {kCaption}},
      {"toolbutton", 14, Base::Visual, {{"Style", Reader::ToolButtonStyle}, kCaption}},
      {"toolbar", 15, Base::Visual, {kCaption, {"ShowCaptions", Reader::Flag, false}}},
      {"checklistbox", 16, Base::Visual, {kItems}},
      {"tabsheet", 17, Base::Visual, {kCaption}},
      {"tabcontrol", 18, Base::Visual, {kTabs}},
      {"pagecontrol", 19, Base::Visual, {kCaption, {"ActivePage"}}},
      {"tabset", 20, Base::Visual, {kTabs}},
      {"form", 21, Base::Visual, {kCaption}},
      {"statictext", 22, Base::Visual, {kShowAccelChar, kFocusControl, kCaption}},
      {"memo", 23, Base::Visual, {{"Lines", Reader::Strings}}},
      {"richedit", 24, Base::Visual, {kItems}},
      {"statusbar", 25, Base::Visual, {{"Panels.Text", Reader::ItemTexts, false, "    Text"}}},
      {"image", 26, Base::Visual, {}},
      {"listview",
       27,
       Base::Visual,
       {{"Columns.Caption", Reader::ItemTexts, false, "    Caption"}}},
      {"progressbar", 28, Base::Visual, {}},
      {"treeview", 29, Base::Visual, {}},
      {"splitter", 30, Base::Visual, {}},
      {"mainmenu", 32, Base::Visual, {}},
      {"popupmenu", 33, Base::Visual, {}},
      {"timer", 34, Base::Plain, {}},
      {"actionlist", 36, Base::Plain, {}},
      {"stringgrid", 37, Base::Visual, {}},
      {"datetimepicker", 38, Base::Visual, {}},
      {"animate", 39, Base::Visual, {}},
      {"action", 40, Base::Visual, {kCaption}},
      {"shape", 41, Base::Visual, {}},
      {"imagelist", 42, Base::Plain, {}},
      {"scrollbox", 43, Base::Visual, {}},
      {"colorbox", 44, Base::Visual, {}},
      {"trackbar", 45, Base::Visual, {}},
      {"spinedit", 46, Base::Visual, {}},
      {"controlbar", 47, Base::Visual, {}},
      {"updown", 48, Base::Visual, {}},
      {"valuelisteditor",
       49,
       Base::Visual,
       {{"Strings", Reader::Strings}, {"TitleCaptions", Reader::Strings}}},
      {"actiontoolbar", 50, Base::Visual, {}},
      {"actionmainmenubar", 51, Base::Visual, {kCaption}},
      {"actionmanager", 52, Base::Visual, {{"Items.Caption", Reader::NestedCaptions}}},
      {"xpmanifest", 53, Base::Plain, {}},
      {"scrollbar", 54, Base::Visual, {}},
      {"coolbar", 56, Base::Visual, {}},
      {"chart", 57, Base::Visual, {{"Title.Text", Reader::Strings}}},
      {"notebook", 59, Base::Visual, {}},
      {"opendialog", 61, Base::Visual, {{"Title"}}},
      {"colordialog", 62, Base::Visual, {{"Title"}}},
      {"fontdialog", 63, Base::Visual, {{"Title"}}},
      {"finddialog", 64, Base::Visual, {{"Title"}}},
      {"openpicturedialog", 65, Base::Visual, {{"Title"}}},
      {"printersetupdialog", 66, Base::Visual, {{"Title"}}},
      {"printdialog", 67, Base::Visual, {{"Title"}}},
      {"savedialog", 68, Base::Visual, {{"Title"}}},
      {"savepicturedialog", 69, Base::Visual, {{"Title"}}},
      {"dbgrid",
       80,
       Base::DataAware,
       {{"Columns.Title.Caption", Reader::ItemTexts, false, "    Title.Caption"}}},
      {"dbnavigator", 81, Base::DataAware, {{"Hints", Reader::Strings}}},
      {"table", 100, Base::Plain, {{"Active", Reader::Flag, false}, {"TableType"}}},
      {"query", 101, Base::Plain, {{"Active", Reader::Flag, false}, {"SQL", Reader::Strings}}},
      {"datasource", 102, Base::Plain, {{"DataSet"}}},
      {"dbtext", 104, Base::DataAware, {}},
      {"dbmemo", 105, Base::DataAware, {}},
      {"dblistbox", 107, Base::DataAware, {}},
      {"dbcombobox", 108, Base::DataAware, {}},
      {"dbcheckbox", 109, Base::DataAware, {}},
      {"dbradiogroup", 110, Base::DataAware, {}},
      {"dblookuplistbox", 111, Base::DataAware, {}},
      {"dblookupcombobox", 112, Base::DataAware, {}},
      {"dblookupcombo", 112, Base::DataAware, {}},
      {"dbrichedit", 113, Base::DataAware, {}},
      {"dbctrlgrid", 114, Base::DataAware, {}},
      {"dbchart", 115, Base::DataAware, {}},
      {"database", 116, Base::Plain, {{"Connected", Reader::Flag, false}}},
      {"integerfield", 117, Base::Field, {}},
      {"stringfield", 118, Base::Field, {}},
      {"bcdfield", 119, Base::Field, {}},
      {"currencyfield", 120, Base::Field, {}},
      {"smallintfield", 121, Base::Field, {}},
      {"largeintfield", 122, Base::Field, {}},
      {"datefield", 123, Base::Field, {}},
      {"datetimefield", 124, Base::Field, {}},
      {"timefield", 125, Base::Field, {}},
      {"blobfield", 126, Base::Field, {}},
      {"quickrep", 150, Base::Visual, {}},
      {"qrsubdetail", 151, Base::Visual, {}},
      {"qrband", 153, Base::Visual, {}},
      {"qrchildband", 154, Base::Visual, {}},
      {"qrgroup", 155, Base::Visual, {}},
      {"qrlabel", 156, Base::Visual, {kCaption}},
      {"qrdbtext", 157, Base::Visual, {}},
      {"qrexpr", 158, Base::Visual, {}},
      {"qrsysdata", 159, Base::Visual, {}},
      {"qrmemo", 160, Base::Visual, {}},
      {"qrexprmemo", 161, Base::Visual, {}},
      {"qrrichtext", 162, Base::Visual, {}},
      {"qrshape", 164, Base::Visual, {}},
      {"qrimage", 165, Base::Visual, {}},
      {"qrcompositereport", 166, Base::Visual, {}},
      {"qrpreview", 167, Base::Visual, {}},
      {"qrtextfilter", 168, Base::Visual, {}},
      {"qrcsvfilter", 169, Base::Visual, {}},
      {"qrhtmlfilter", 170, Base::Visual, {}},
      {"qrchart", 171, Base::Visual, {}},
      {"ribbon", 180, Base::Visual, {kCaption}},
      {"ribbonpage", 181, Base::Visual, {kCaption}},
      {"ribbongroup", 182, Base::Visual, {kCaption}},
      {"labelededit", 185, Base::Visual, {{"EditLabel.Caption"}, {"EditLabel.Hint"}, kText}},
      {"flowpanel", 186, Base::Visual, {kCaption}},
      {"gridpanel", 187, Base::Visual, {kCaption}},
      {"buttonededit", 188, Base::Visual, {kText, {"TextHint"}}},
  };
  return table;
}

// The fallback for a class the factory does not know.
const ClassSpec& unknownClass() {
  static const ClassSpec unknown{"", kKindUnknown, Base::Visual, {kCaption, kText, kItems}};
  return unknown;
}

const ClassSpec* findClass(std::string_view key) {
  static const auto byKey = [] {
    std::unordered_map<std::string_view, const ClassSpec*> map;
    for (const auto& spec : classTable()) map.emplace(spec.key, &spec);
    return map;
  }();
  const auto found = byKey.find(key);
  return found == byKey.end() ? nullptr : found->second;
}

// Kinds that read their ParentFont.
constexpr std::array kParentFontKinds = {1, 3, 4, 5, 6, 11, 12, 13, 14, 15, 17, 21, 22, 51, 98, 99};

FormPropertyValue readProperty(const TFormObject& object, const FormLines& lines,
                               const PropertySpec& spec) {
  switch (spec.reader) {
    case Reader::Text:
      return ReadStringProperty(object, lines, spec.name);
    case Reader::Flag:
      return ReadBoolProperty(object, lines, spec.name, spec.defaultValue);
    case Reader::Strings:
      return ReadStringsProperty(object, lines, spec.name);
    case Reader::ItemTexts:
      return readItemTexts(object, lines, spec.itemProperty);
    case Reader::NestedCaptions:
      return readNestedCaptions(object, lines);
    case Reader::ToolButtonStyle:
      return TFormProperty{readToolButtonStyle(object, lines), 0};
  }
  return TFormProperty{};
}

// The object of a class: the common fields, the hint and parent font of a visual object,
// the fields of the data-aware bases, then the class's own properties.
std::unique_ptr<TFormObject> construct(const ClassSpec& spec, const FormLines& lines, int line,
                                       std::string name) {
  std::unique_ptr<TFormObject> object;
  if (spec.base == Base::Plain)
    object = std::make_unique<TFormObject>();
  else
    object = std::make_unique<TFormVisualObject>();
  const int indent = lines.indentation(line);
  object->Kind = spec.kind;
  object->Name = std::move(name);
  object->StartLine = line;
  object->EndLine = lines.endLine(line, indent);
  object->PropIndent = indent + 2;
  object->HasAction = lines.hasActionLine(object->PropIndent, line, object->EndLine);

  if (spec.base != Base::Plain) {
    auto& visual = static_cast<TFormVisualObject&>(*object);
    visual.Hint = readHintProperty(*object, lines);
    if (std::find(kParentFontKinds.begin(), kParentFontKinds.end(), spec.kind) !=
        kParentFontKinds.end())
      visual.ParentFont = ReadBoolProperty(*object, lines, "ParentFont", spec.kind != kKindForm);
  }
  auto keep = [&](std::string_view propertyName, FormPropertyValue value) {
    object->Properties.push_back({propertyName, std::move(value)});
  };
  if (spec.base == Base::DataAware || spec.base == Base::Field)
    keep("DataSource", ReadStringProperty(*object, lines, "DataSource"));
  if (spec.base == Base::Field) {
    keep("FieldName", ReadStringProperty(*object, lines, "FieldName"));
    keep("DisplayLabel", ReadStringProperty(*object, lines, "DisplayLabel"));
  }
  for (const auto& property : spec.properties)
    keep(property.name, readProperty(*object, lines, property));
  return object;
}

std::string withoutTrailingDigits(std::string key) {
  while (!key.empty() && key.back() >= '0' && key.back() <= '9') key.pop_back();
  return key;
}

// The kind whose lower-case name ends `key`, the longest one and the lower kind of two
// as long; none for a name ending in "transaction".
const std::pair<std::string, int>* guessKind(const std::string& key) {
  if (endsWith(key, "transaction")) return nullptr;
  const std::pair<std::string, int>* best = nullptr;
  for (const auto& candidate : guessableKinds())
    if (endsWith(key, candidate.first) && (!best || candidate.first.size() > best->first.size()))
      best = &candidate;
  return best;
}

}  // namespace

std::unique_ptr<TFormObject> CreateByKey(std::string_view key, const FormLines& lines, int line,
                                         std::string name) {
  const ClassSpec* spec = findClass(key);
  return spec ? construct(*spec, lines, line, std::move(name)) : nullptr;
}

std::unique_ptr<TFormObject> createUnknownObject(const FormLines& lines, int line,
                                                 std::string name) {
  auto object = construct(unknownClass(), lines, line, std::move(name));
  const std::string& opening = lines[line];
  const auto colon = opening.find(':', 6);
  if (colon != std::string::npos)
    object->ClassText = opening.substr(std::min(colon + 2, opening.size()));
  return object;
}

std::unique_ptr<TFormObject> CreateFormObject(TFormCode& form, std::string_view className, int line,
                                              std::string name) {
  std::string key = lowerCase(trimLeft(className));
  if (key.empty()) return nullptr;
  const auto bracket = key.find('[');
  if (bracket != std::string::npos) {
    key.erase(bracket);
    while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.pop_back();
  }
  if (auto object = CreateByKey(key, form.Lines, line, name)) return object;

  TProject& project = *form.Project;
  for (const auto& prefix : project.settings().ComponentPrefixes) {
    if (prefix.empty()) break;
    if (!startsWith(key, prefix)) continue;
    if (auto object =
            CreateByKey(std::string_view(key).substr(prefix.size()), form.Lines, line, name))
      return object;
  }
  if (!project.settings().GuessComponents) return nullptr;

  key = withoutTrailingDigits(std::move(key));
  const auto* guess = guessKind(key);
  if (!guess) return nullptr;
  auto object = CreateByKey(guess->first, form.Lines, line, std::move(name));
  if (!object) return nullptr;
  std::string kindName = ComponentKindName(project, guess->second);
  if (!kindName.empty()) kindName[0] = upperChar(kindName[0]);
  addPartlyRecognisedNote(project, "Unknown component '" + key + "' treated as T" + kindName);
  return object;
}

}  // namespace sorvik
