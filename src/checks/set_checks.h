// Set arithmetic that Include and Exclude do faster.
#pragma once

namespace sorvik {

class TProject;
class TProcedureItem;

void CheckIncludeExclude(TProject& project, TProcedureItem& routine);

}  // namespace sorvik
