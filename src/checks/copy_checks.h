// The Copy calls: start and count of the copied part, and the calls that another routine
// does better.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

void CheckCopy(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
