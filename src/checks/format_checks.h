// The Format call check: format strings against the values passed.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

void CheckFormatArguments(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
