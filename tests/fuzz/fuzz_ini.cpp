// INI text of any shape loads, answers reads, takes a write and writes itself out again.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "generic/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  sorvik::IniFile ini;
  ini.loadText(text);
  ini.readString("General", "DelphiLibrary", "");
  ini.readInteger("General", "TabStops", 8);
  ini.readBool("Hints", "0", true);
  for (const std::string& key : ini.keys("Files")) ini.readString("files", key, "");
  ini.writeString("Files", "File0", "Unit1.pas");
  ini.deleteKey("Hints", "1");
  ini.eraseSection("Prefix");
  // The written text reads back to the same text.
  const std::string written = ini.text();
  sorvik::IniFile again;
  again.loadText(written);
  if (again.text() != written) __builtin_trap();
  return 0;
}
