// The context the fuzz targets that run the library's analysers share: a program folder of
// their own under the temporary folder, made once per fuzzing process.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "report/library_setup.h"

namespace sorvik::fuzz {

struct FuzzContext {
  std::string folder;  // with a trailing "/"
  std::unique_ptr<AppContext> context;
};

// A fresh folder "sorvik-fuzz-<name>-<pid>"; `prepare` may write files into it before the
// context is made (and the folder seeded with what it lacks).
inline FuzzContext makeFuzzContext(const std::string& name,
                                   const std::function<void(const std::string&)>& prepare = {}) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("sorvik-fuzz-" + name + "-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  FuzzContext made{folder.string() + "/", nullptr};
  if (prepare) prepare(made.folder);
  made.context = makeAppContext(made.folder);
  return made;
}

}  // namespace sorvik::fuzz
