// The spelling run on the scan's walk: the code speller on every routine, the string
// constants of pass 1 and every form. A run starts with SetupSpell (spell_run.h) after the
// spelling start command's mode flags are set, then Start.
#pragma once

namespace sorvik {

struct AppContext;

// Makes the code speller from the stored options and attaches the speller to the walk.
void attachSpelling(AppContext& context);

}  // namespace sorvik
