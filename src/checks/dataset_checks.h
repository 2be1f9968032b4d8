// Datasets and list boxes: Open and Close, and SelCount of a single-selection list box.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

void CheckOpenAndClose(TProject& project, TProcedureItem& routine);
void CheckSelCount(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
