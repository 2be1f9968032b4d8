// Loops: bounds past the last item, counting the wrong way, lists shrinking under the loop
// and dataset loops that never move.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

void CheckLoopBounds(TProject& project, TProcedureItem& routine);
void CheckLoopDirection(TProject& project, TProcedureItem& routine);
void CheckDatasetLoop(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
