// Bytes of any shape, read as an executable, give its form resources or the loading
// error, never a crash, a hang or a read outside the bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "formanalysis/binary_form_reader.h"
#include "formanalysis/executable_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sorvik;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    for (const TDfm& form : readExecutableForms(bytes, "fuzz.exe"))
      if (form.Lines.empty()) __builtin_trap();  // a converted form has its object line
  } catch (const ExecutableError&) {
  } catch (const FormStreamError&) {
  }
  return 0;
}
