// Any text as a call-rules file, as a unit spelled with those rules, as a page script and
// as the lines a word is located in: no crash, no hang; the text taken out of literals and
// the decoded text are never longer than what they came from.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_context.h"
#include "generic/compressed_list.h"
#include "generic/text_file.h"
#include "project/project.h"
#include "project/scan_driver.h"
#include "spelling/code_speller.h"
#include "spelling/extract_string_text.h"
#include "spelling/locate_word.h"
#include "spelling/page_spelling.h"
#include "spelling/spell_run.h"
#include "spelling/spelling_text.h"

namespace {

sorvik::fuzz::FuzzContext& harness() {
  // A small dictionary keeps each run's load short.
  static sorvik::fuzz::FuzzContext h =
      sorvik::fuzz::makeFuzzContext("speller", [](const std::string& folder) {
        sorvik::SaveCompressedList({"hello", "the", "world"}, folder + "english.dic");
      });
  return h;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const bool doubleQuoted : {false, true})
    if (sorvik::ExtractStringText(text, doubleQuoted).size() > size) __builtin_trap();
  if (sorvik::decodeForSpelling(text).size() > size) __builtin_trap();

  sorvik::fuzz::FuzzContext& h = harness();
  const std::vector<std::string> lines = sorvik::splitText(text).lines;
  sorvik::TCodeSpeller& speller = h.context->service<sorvik::TCodeSpeller>();
  speller.Rules = sorvik::parseCallRules(lines);
  for (auto& rule : speller.Rules) rule.Statement = "SHOWMESSAGE";
  speller.Properties = {"CAPTION", "TEXT"};

  const std::string path = h.folder + "Fuzz.pas";
  if (!sorvik::writeFileBytes(path, text)) return 0;
  sorvik::TProject project(*h.context, h.folder + "Fuzz.svk");
  project.UnitFiles = {path};
  project.UnitCount = 1;
  sorvik::setModeFlags(project, sorvik::StartCommand::SpellCheck);
  sorvik::SetupSpell(project);
  sorvik::Start(project);

  project.CurrentFile = h.folder + "page.html";
  sorvik::SpellScriptMessages(project, text, 0, lines);
  for (const char* file : {"Fuzz.dfm", "page.html"}) {
    for (int line = 0; line < 3; ++line) {
      const auto place = sorvik::locateWord(lines, file, lines.empty() ? "" : lines[0], 2, line);
      if (place && (place->line < line || static_cast<size_t>(place->line) >= lines.size()))
        __builtin_trap();
    }
  }
  return 0;
}
