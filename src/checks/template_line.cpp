#include <string>
#include <utility>
#include <vector>

#include "checks/code_template.h"
#include "source/code_unit.h"
#include "source/find_word.h"
#include "source/procedure_item.h"

namespace sorvik {

namespace {

// Every whole-word occurrence of `word` outside literals replaced by `marker`, in one pass.
std::string replaceWords(const std::string& text, std::string_view word, std::string_view marker,
                         bool caseSensitive) {
  if (word.empty()) return text;
  WordSearch search(word, text, caseSensitive, false);
  std::string out;
  size_t copied = 0;
  for (int at = search.next(1); at != 0; at = search.next(at + static_cast<int>(word.size()))) {
    const size_t found = static_cast<size_t>(at - 1);
    out.append(text, copied, found - copied);
    out += marker;
    copied = found + word.size();
  }
  if (copied == 0) return text;
  out.append(text, copied, std::string::npos);
  return out;
}

}  // namespace

std::string EncodeTemplateLine(const TProcedureItem& routine, int line,
                               const std::vector<std::pair<std::string, std::string>>& components) {
  std::string text(routine.Unit->CompactUpperLines[static_cast<size_t>(line)]);
  const size_t k = static_cast<size_t>(line - routine.BeginLine - 1);
  if (text.empty()) return text;
  if (k < routine.LineProps.size()) {
    const int kind = routine.LineProps[k].StatementKind;
    if (kind >= 1 && kind <= 15) return text;
  }
  for (const TVariableList* scope : {&routine.Locals, &routine.Params}) {
    for (int i = 0; i < scope->Others.Count; ++i) {
      const std::string entry = scope->Others.Name(i);
      text = replaceWords(text, std::string_view(entry).substr(0, entry.find('=')), "<OBJ>", false);
    }
  }
  for (const auto& [name, marker] : components) text = replaceWords(text, name, marker, true);
  return text;
}

}  // namespace sorvik
