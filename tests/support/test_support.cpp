#include "support/test_support.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "report/library_setup.h"

namespace sorvik::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = info ? std::string(info->test_suite_name()) + "_" + info->name() : "t";
  for (char& c : name)
    if (c == '/') c = '_';
  const fs::path base = fs::temp_directory_path() / "sorvik-tests";
  const fs::path folder =
      base / (name + "_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
  fs::remove_all(folder);
  fs::create_directories(folder);
  path_ = folder.string() + "/";
}

TempFolder::~TempFolder() {
  std::error_code error;
  fs::remove_all(path_, error);
}

std::string TempFolder::write(const std::string& relative, const std::string& bytes) const {
  const fs::path file = fs::path(path_) / relative;
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << bytes;
  return file.string();
}

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string testDataFolder() {
  const char* folder = std::getenv("SORVIK_TEST_DATA");
  return folder ? std::string(folder) + "/" : std::string("tests/");
}

std::unique_ptr<AppContext> makeContext(const TempFolder& home, Prompter* prompter,
                                        RunObserver* observer) {
  auto context = makeAppContext(home.path());
  context->prompter = prompter;
  context->observer = observer;
  return context;
}

}  // namespace sorvik::test
