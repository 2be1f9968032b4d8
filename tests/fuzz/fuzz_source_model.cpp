// Any text as a unit through the loader, the conditional variants and the routine builder:
// no crash, no hang, and the unit's parallel lists stay parallel.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "fuzz_context.h"
#include "generic/text_file.h"
#include "project/project.h"
#include "source/ifdef_handler.h"
#include "source/routine_walk.h"

namespace {

sorvik::fuzz::FuzzContext& harness() {
  static sorvik::fuzz::FuzzContext h = sorvik::fuzz::makeFuzzContext("source");
  return h;
}

void checkParallel(const sorvik::TCodeUnit& unit) {
  const size_t n = unit.LineMap.size();
  if (unit.Lines.size() != n || unit.UpperLines.size() != n || unit.CompactLines.size() != n ||
      unit.CompactUpperLines.size() != n || unit.ScanLines.size() != n)
    __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  sorvik::fuzz::FuzzContext& h = harness();
  const std::string path = h.folder + "Fuzz.pas";
  if (!sorvik::writeFileBytes(path, std::string_view(reinterpret_cast<const char*>(data), size)))
    return 0;
  for (const bool useIfDefs : {false, true}) {
    h.context->settings.UseIfDefs = useIfDefs;
    sorvik::TProject project(*h.context, h.folder + "Fuzz.svk");
    project.UnitFiles = {path};
    project.CurrentFile = path;
    sorvik::TIFDEFHandler handler(path, project);
    sorvik::prepareUnit(project, handler);
    const auto constants = sorvik::unitConstants(project, handler.unit());
    int variants = 0;
    do {
      project.VariantCounter = handler.Current;
      sorvik::walkRoutines(project, handler.unit(), constants,
                           [](sorvik::TProcedureItem&, bool) {});
      checkParallel(handler.unit());
    } while (!handler.NextVariant() && ++variants < 4);
  }
  return 0;
}
