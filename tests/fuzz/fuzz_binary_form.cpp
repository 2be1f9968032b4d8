// Bytes of any shape, read as a binary form file and as a bare form stream, convert to
// form text or give the reading error, never a crash or a hang; the text of a stream
// that converts reads as a form.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formanalysis/binary_form_reader.h"
#include "formanalysis/form_code.h"
#include "formanalysis/form_file_reader.h"
#include "support/test_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sorvik;
  static const test::TempFolder folder;
  static test::ScriptedPrompter prompter;
  static const std::unique_ptr<AppContext> context = test::makeContext(folder, &prompter, nullptr);

  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    convertBinaryFormFile(bytes);
  } catch (const FormStreamError&) {
  }
  try {
    TProject project(*context);
    TFormCode form(ConvertBinaryForm(bytes));
    form.Project = &project;
    form.ReadObjects(false);
  } catch (const FormStreamError&) {
  }
  return 0;
}
