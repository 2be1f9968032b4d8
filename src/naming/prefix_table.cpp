#include "naming/prefix_table.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "formanalysis/component_kinds.h"
#include "formanalysis/form_objects.h"
#include "generic/strings.h"
#include "project/config.h"

namespace sorvik {

namespace {

constexpr std::pair<int, std::string_view> kDefaultPrefixes[] = {
    {1, "lbl"},     {2, "ed"},       {3, "mmi"},     {4, "btn"},    {5, "rb"},     {6, "chk"},
    {7, "lb"},      {8, "cb"},       {9, "gb"},      {10, "rg"},    {11, "pnl"},   {12, "bbtn"},
    {13, "sb"},     {14, "tbtn"},    {15, "tlb"},    {16, "clb"},   {17, "tbs"},   {18, "tbc"},
    {19, "pgc"},    {20, "ts"},      {21, "frm"},    {23, "mem"},   {24, "re"},    {25, "stb"},
    {26, "img"},    {27, "lv"},      {28, "prb"},    {29, "tv"},    {30, "spl"},   {31, "dlg"},
    {32, "mm"},     {33, "pm"},      {34, "tm"},     {35, "bvl"},   {36, "acl"},   {37, "sg"},
    {38, "dtp"},    {39, "ani"},     {40, "act"},    {41, "shp"},   {42, "il"},    {43, "sbx"},
    {44, "clb"},    {45, "trb"},     {46, "spin"},   {47, "cb"},    {48, "upd"},   {49, "vlst"},
    {50, "acttlb"}, {51, "actmmnu"}, {52, "actmgr"}, {53, "xpm"},   {54, "sbr"},   {55, "mcal"},
    {56, "cbr"},    {57, "cht"},     {58, "flb"},    {59, "nb"},    {61, "dlg"},   {62, "dlg"},
    {63, "dlg"},    {64, "dlg"},     {65, "dlg"},    {66, "dlg"},   {67, "dlg"},   {68, "dlg"},
    {69, "dlg"},    {80, "dbg"},     {81, "dbn"},    {100, "tbl"},  {101, "qry"},  {102, "ds"},
    {103, "dbe"},   {104, "dbt"},    {105, "dbm"},   {106, "dbi"},  {107, "dblb"}, {108, "dbcb"},
    {109, "dbch"},  {110, "dbrg"},   {111, "dbll"},  {112, "dblc"}, {113, "dbre"}, {114, "dbcg"},
    {115, "dbch"},  {116, "db"},     {117, "fld"},   {118, "fld"},  {119, "fld"},  {120, "fld"},
    {121, "fld"},   {122, "fld"},    {123, "fld"},   {124, "fld"},  {125, "fld"},  {126, "fld"},
    {150, "qr"},    {151, "qrsd"},   {152, "qrb"},   {153, "qrb"},  {154, "qrcb"}, {155, "qrg"},
    {156, "qrl"},   {157, "qrt"},    {158, "qre"},   {159, "qrs"},  {160, "qrm"},  {161, "qrem"},
    {162, "qrrt"},  {163, "qrrt"},   {164, "qrsh"},  {165, "qri"},  {166, "qrcr"}, {167, "qrp"},
    {168, "qrtf"},  {169, "qrcv"},   {170, "qrhf"},  {171, "qrch"},
};

// Appends the numbered entries of a section, up to the first empty name; with `once`, a
// name that is already a key is passed over.
void addNumbered(PrefixTable& table, const Config& config, std::string_view section, bool once) {
  for (int n = 1;; ++n) {
    const std::string name = config.readString(section, "SuggName" + std::to_string(n));
    if (name.empty()) break;
    std::string key = lowerCase(name);
    if (once && std::find(table.Keys.begin(), table.Keys.end(), key) != table.Keys.end()) continue;
    table.Keys.push_back(std::move(key));
    table.Prefixes.push_back(config.readString(section, "Sugg" + std::to_string(n)));
  }
}

}  // namespace

std::string_view defaultPrefix(int kind) {
  const auto found = std::find_if(std::begin(kDefaultPrefixes), std::end(kDefaultPrefixes),
                                  [kind](const auto& entry) { return entry.first == kind; });
  return found == std::end(kDefaultPrefixes) ? std::string_view() : found->second;
}

std::string PrefixTable::find(std::string_view key) const {
  const auto found = std::find(Keys.begin(), Keys.end(), key);
  return found == Keys.end() ? std::string() : Prefixes[static_cast<size_t>(found - Keys.begin())];
}

void LoadPrefixes(PrefixTable& table, const Config& config) {
  table.Keys.clear();
  table.Prefixes.clear();
  for (int kind = 1; kind <= kLastComponentKind; ++kind) {
    const std::string_view name = componentKindTableName(kind);
    const std::string_view fallback = defaultPrefix(kind);
    if (kind == kKindListedUnknown || kind == kKindUnknown || name.empty() || fallback.empty())
      continue;
    std::string prefix =
        config.readString("Naming", "Prefix_" + std::string(name), std::string(fallback));
    if (prefix.empty()) continue;
    table.Keys.push_back(std::to_string(kind));
    table.Prefixes.push_back(std::move(prefix));
  }
  addNumbered(table, config, "NamingSuggestPackage", false);
  addNumbered(table, config, "NamingSuggest3rdParty", true);
}

std::string GetPrefix(const PrefixTable& table, const TFormObject& component) {
  if (component.Kind != kKindListedUnknown && component.Kind != kKindUnknown)
    return table.find(std::to_string(component.Kind));
  std::string key = lowerCase(component.Name);
  while (key.size() > 1 && key.back() >= '0' && key.back() <= '9') key.pop_back();
  return table.find(key);
}

}  // namespace sorvik
