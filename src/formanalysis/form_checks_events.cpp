// Components that act only through an event handler, an action or a modal result, and
// have none: menu items, buttons, tool buttons, timers and actions.
#include <algorithm>
#include <array>
#include <set>

#include "formanalysis/component_kinds.h"
#include "formanalysis/form_hints.h"

namespace sorvik {

namespace {

constexpr std::array kActingKinds = {3, 4, 12, 13, 14, 34, 40};

}  // namespace

void TFormHints::checkEvents() {
  // A menu item that other items name as their parent opens a submenu.
  std::set<const TFormObject*> parents;
  for (const auto& entry : form_.Objects) parents.insert(entry.Object->Parent);

  for (const auto& entry : form_.Objects) {
    const TFormObject& object = *entry.Object;
    if (object.HasAction) continue;
    if (object.Kind == kKindMenuItem &&
        (object.text("Caption").Value == "-" || parents.count(&object)))
      continue;
    if (object.Kind == kKindToolButton) {
      const std::string& style = object.text("Style").Value;
      if (style == "tbsSeparator" || style == "tbsDivider") continue;
    }
    if (std::find(kActingKinds.begin(), kActingKinds.end(), object.Kind) == kActingKinds.end())
      continue;
    report(10, object.StartLine,
           "No events associated with " + object.Name + " (" +
               ComponentKindName(project_, object.Kind) + ")");
  }
}

}  // namespace sorvik
