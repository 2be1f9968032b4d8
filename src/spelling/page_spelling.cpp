#include "spelling/page_spelling.h"

#include "generic/paths.h"
#include "project/project.h"
#include "spelling/code_speller.h"
#include "spelling/spell_run.h"

namespace sorvik {

void SpellPageText(TProject& project, std::string_view text, int sourceKind,
                   const std::vector<std::string>& pageLines, int line) {
  if (TSpell* spell = currentSpell(project))
    spell->CheckText(text, sourceKind, &pageLines, line, fileNameOf(project.CurrentFile));
}

void SpellScriptMessages(TProject& project, std::string_view scriptText, int objectLine,
                         const std::vector<std::string>& pageLines) {
  project.context().service<TCodeSpeller>().CheckScriptMessages(project, scriptText, objectLine,
                                                                pageLines);
}

}  // namespace sorvik
