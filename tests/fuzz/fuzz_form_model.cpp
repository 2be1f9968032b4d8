// Form text of any shape reads into objects, goes through every check and reports its
// findings, or is given up as a form that cannot be read; never a crash or a hang.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "formanalysis/form_code.h"
#include "formanalysis/text_measurement.h"
#include "project/project.h"
#include "support/test_support.h"

namespace {

// Measuring is the font library's business; the checks only need numbers.
class CountingMeasurer : public sorvik::TextMeasurer {
 public:
  sorvik::TextExtent measure(const sorvik::FontRequest& font, std::string_view text) override {
    return {static_cast<int>(text.size()) * 6, font.height < 0 ? 2 - font.height : font.height};
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sorvik;
  static const test::TempFolder folder;
  static test::ScriptedPrompter prompter;
  static const std::unique_ptr<AppContext> context = [] {
    auto made = test::makeContext(folder, &prompter, nullptr);
    made->service<FormTextMeasurer>().set(std::make_unique<CountingMeasurer>());
    return made;
  }();

  std::vector<std::string> lines;
  const std::string text(reinterpret_cast<const char*>(data), size);
  size_t start = 0;
  for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));

  TProject project(*context);
  project.CurrentFile = "fuzz.dfm";
  TFormCode form(std::move(lines));
  form.Project = &project;
  try {
    form.ReadObjects(true);
  } catch (const std::runtime_error&) {
    return 0;  // the objects overlap without end: the form is given up
  }
  form.RunFormHints();
  form.FlushHints();
  prompter.messages.clear();
  return 0;
}
