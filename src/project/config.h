// config.ini in the program folder, with the overrides of one run (--set) laid over it.
// Overrides are read first and never saved.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "generic/ini_file.h"

namespace sorvik {

class Config {
 public:
  Config() = default;
  explicit Config(const std::string& path) : file_(path) {}

  // SECTION.KEY=VALUE for this run only; false when the text has no "." or "=".
  bool addOverride(std::string_view assignment);

  bool sectionExists(std::string_view section) const;
  bool valueExists(std::string_view section, std::string_view key) const;
  std::string readString(std::string_view section, std::string_view key,
                         std::string_view fallback = "") const;
  int readInteger(std::string_view section, std::string_view key, int fallback) const;
  bool readBool(std::string_view section, std::string_view key, bool fallback) const;

  // Writes change the file and save it at once, as the option dialogs do.
  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void writeBool(std::string_view section, std::string_view key, bool value);
  void writeInteger(std::string_view section, std::string_view key, int value);
  void eraseSection(std::string_view section);
  IniFile& file() { return file_; }
  const IniFile& file() const { return file_; }

 private:
  const std::string* findOverride(std::string_view section, std::string_view key) const;

  IniFile file_;
  std::map<std::string, std::string> overrides_;  // upper-cased "SECTION\nKEY" -> value
};

}  // namespace sorvik
