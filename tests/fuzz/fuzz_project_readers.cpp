// Bytes of any shape, read as each project format in turn, open as a project with some
// files or with none, never as a crash or a hang.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "project/project.h"
#include "project/project_files.h"
#include "support/test_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sorvik;
  // One folder and context for the whole run: making them per input would dwarf the
  // readers' own work.
  static const test::TempFolder folder;
  static test::ScriptedPrompter prompter;
  static const std::unique_ptr<AppContext> context = test::makeContext(folder, &prompter, nullptr);

  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (const char* extension : {".dpr", ".dpk", ".bpg", ".bpr", ".dproj", ".sln", ".svk"}) {
    const std::string path = folder.write(std::string("input") + extension, bytes);
    TProject project(*context, path);
    std::vector<std::string> files;
    ReadProjectFile(project, path, files);
    ClassifyFiles(project, files);
    if (!files.empty()) __builtin_trap();
    prompter.messages.clear();
  }
  return 0;
}
