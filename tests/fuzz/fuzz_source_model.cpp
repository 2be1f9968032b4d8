// Any text as a unit through the loader, the conditional variants and the routine builder:
// no crash, no hang, and the unit's parallel lists stay parallel.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "generic/text_file.h"
#include "project/project.h"
#include "report/library_setup.h"
#include "source/ifdef_handler.h"
#include "source/routine_walk.h"

namespace {

struct Harness {
  std::string folder;
  std::unique_ptr<sorvik::AppContext> context;
};

Harness& harness() {
  static Harness h = [] {
    const auto folder = std::filesystem::temp_directory_path() /
                        ("sorvik-fuzz-source-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    Harness made{folder.string() + "/", nullptr};
    made.context = sorvik::makeAppContext(made.folder);
    return made;
  }();
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
  Harness& h = harness();
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
