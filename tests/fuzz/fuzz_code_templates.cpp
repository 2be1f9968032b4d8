// Any text as template.ini and the rest as a unit scanned with its templates: no crash, no
// hang. The bytes before the first NUL are the templates, the bytes after it the unit (the
// whole text is both when there is no NUL).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "checks/template_hooks.h"
#include "fuzz_context.h"
#include "generic/text_file.h"
#include "project/project.h"
#include "project/scan_driver.h"

namespace {

sorvik::fuzz::FuzzContext& harness() {
  static sorvik::fuzz::FuzzContext h = sorvik::fuzz::makeFuzzContext("templates");
  return h;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const size_t split = text.find('\0');
  const std::string_view templates = text.substr(0, split);
  const std::string_view unit = split == std::string_view::npos ? text : text.substr(split + 1);

  sorvik::fuzz::FuzzContext& h = harness();
  if (!sorvik::writeFileBytes(h.folder + "template.ini", templates)) return 0;
  sorvik::LoadUserTemplates(*h.context);
  const std::string path = h.folder + "Fuzz.pas";
  if (!sorvik::writeFileBytes(path, unit)) return 0;
  sorvik::TProject project(*h.context, h.folder + "Fuzz.svk");
  project.UnitFiles = {path};
  project.UnitCount = 1;
  sorvik::setModeFlags(project, sorvik::StartCommand::Scan);
  sorvik::Start(project);
  for (const auto& result : project.report().Results)
    if (result->LineCount < 1) __builtin_trap();
  return 0;
}
