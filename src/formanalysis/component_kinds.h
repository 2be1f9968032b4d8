// Component kinds: one number per component type, shared by the forms, the web
// controls, naming, spelling and the statistics, and the names of the types.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sorvik {

class TProject;

// The kinds the form model and its checks name.
enum ComponentKind : int {
  kKindLabel = 1,
  kKindEdit = 2,
  kKindMenuItem = 3,
  kKindButton = 4,
  kKindRadioButton = 5,
  kKindCheckbox = 6,
  kKindListBox = 7,
  kKindPanel = 11,
  kKindBitBtn = 12,
  kKindSpeedButton = 13,
  kKindToolButton = 14,
  kKindToolbar = 15,
  kKindForm = 21,
  kKindStaticText = 22,
  kKindImage = 26,
  kKindListView = 27,
  kKindTreeView = 29,
  kKindTimer = 34,
  kKindActionList = 36,
  kKindAction = 40,
  kKindActionManager = 52,
  kKindListedUnknown = 98,  // a class the naming settings list
  kKindUnknown = 99,
  kKindTable = 100,
  kKindQuery = 101,
  kKindDataSource = 102,
  kKindDatabase = 116,
  kKindQRImage = 165,
  kLastComponentKind = 188,
};

// The name of a kind, or "" for a kind the table does not name.
std::string_view componentKindTableName(int kind);
// The same; a kind without a name also adds "Form object id <kind> not recogised" to the
// project's errors.
std::string ComponentKindName(TProject& project, int kind);

// The kinds a class of unknown name may be guessed as, with their lower-case names.
const std::vector<std::pair<std::string, int>>& guessableKinds();

}  // namespace sorvik
