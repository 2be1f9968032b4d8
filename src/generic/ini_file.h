// INI files: sections and keys compare without regard to case; booleans read as "not
// zero" and are written "1"/"0"; an unreadable file reads as empty. Order of sections
// and keys is kept so that a save changes only what was written.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sorvik {

class IniFile {
 public:
  IniFile() = default;
  explicit IniFile(std::string path);  // loads the file when it can be read

  const std::string& path() const { return path_; }
  void loadText(std::string_view text);

  bool sectionExists(std::string_view section) const;
  bool valueExists(std::string_view section, std::string_view key) const;
  std::string readString(std::string_view section, std::string_view key,
                         std::string_view fallback) const;
  int readInteger(std::string_view section, std::string_view key, int fallback) const;
  bool readBool(std::string_view section, std::string_view key, bool fallback) const;
  std::vector<std::string> keys(std::string_view section) const;

  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void writeInteger(std::string_view section, std::string_view key, int value);
  void writeBool(std::string_view section, std::string_view key, bool value);
  void eraseSection(std::string_view section);
  void deleteKey(std::string_view section, std::string_view key);

  std::string text() const;  // CR LF line ends
  // Writes the file safely; false when it could not be written.
  bool save() const;

 private:
  struct Entry {
    std::string key, value;
  };
  // Lookups go through indexes keyed by the upper-cased name, so that reading a file of
  // many keys stays linear.
  struct Section {
    std::string name;
    std::vector<Entry> entries;
    std::unordered_map<std::string, size_t> index;  // upper-cased key -> entry
    size_t position(std::string_view key) const;    // npos when there is no such key
    void append(std::string_view key, std::string_view value);
    void reindex();
  };
  const Section* findSection(std::string_view name) const;
  const Entry* findEntry(std::string_view section, std::string_view key) const;
  Section& sectionFor(std::string_view name);  // appended when missing
  void reindex();

  std::string path_;
  std::vector<Section> sections_;
  std::unordered_map<std::string, size_t> sectionIndex_;  // upper-cased name -> section
};

}  // namespace sorvik
