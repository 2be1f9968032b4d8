// Checks of datasets and data links: datasets opened at design time, data-aware
// controls and data sources left unconnected, databases connected at design time.
#include <array>

#include "formanalysis/component_kinds.h"
#include "formanalysis/form_hints.h"
#include "generic/strings.h"

namespace sorvik {

namespace {

// The data grid, the navigator and the data-aware controls; lookup controls and dataset
// fields take their data otherwise.
bool isDataLinked(int kind) {
  return kind == 80 || kind == 81 || (kind >= 103 && kind <= 110) || (kind >= 113 && kind <= 115);
}

}  // namespace

void TFormHints::checkActiveDatasets() {
  for (const auto& entry : form_.Objects) {
    const TFormObject& object = *entry.Object;
    if (object.Kind != kKindTable && object.Kind != kKindQuery) continue;
    const TFormBoolProperty& active = object.flag("Active");
    if (!active.Value) continue;
    report(3, active.Line, "Table (" + object.Name + ") is active on startup",
           std::vector<std::string>{form_.Lines.indentationText(active.Line) + "Active = False"});
  }
}

void TFormHints::checkDataLinks() {
  for (const auto& entry : form_.Objects) {
    const TFormObject& object = *entry.Object;
    if (isDataLinked(object.Kind) && trimView(object.text("DataSource").Value).empty())
      report(21, object.StartLine, "Datasource of " + object.Name + " is not set");
  }
}

void TFormHints::checkDatasets() {
  for (const auto& entry : form_.Objects) {
    const TFormObject& object = *entry.Object;
    if (object.Kind == kKindDataSource && trimView(object.text("DataSet").Value).empty())
      report(20, object.StartLine, "Datasource (" + object.Name + ") does not have dataset set");
  }
}

void TFormHints::checkConnectedDatabases() {
  for (const auto& entry : form_.Objects) {
    const TFormObject& object = *entry.Object;
    const TFormBoolProperty& connected = object.flag("Connected");
    if (object.Kind == kKindDatabase && connected.Value)
      report(22, connected.Line, "Database (" + object.Name + ") connected is true");
  }
}

}  // namespace sorvik
