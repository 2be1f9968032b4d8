#include "generic/ini_file.h"

#include <optional>

#include "generic/strings.h"
#include "generic/text_file.h"

namespace sorvik {

size_t IniFile::Section::position(std::string_view key) const {
  const auto found = index.find(upperCase(key));
  return found == index.end() ? std::string::npos : found->second;
}

void IniFile::Section::append(std::string_view key, std::string_view value) {
  index.emplace(upperCase(key), entries.size());
  entries.push_back({std::string(key), std::string(value)});
}

void IniFile::Section::reindex() {
  index.clear();
  for (size_t i = 0; i < entries.size(); ++i) index.emplace(upperCase(entries[i].key), i);
}

IniFile::IniFile(std::string path) : path_(std::move(path)) {
  if (std::optional<std::string> bytes = readFileBytes(path_)) loadText(*bytes);
}

void IniFile::loadText(std::string_view text) {
  sections_.clear();
  sectionIndex_.clear();
  // Sections are only added at a header, where `current` is taken afresh, so the pointer
  // stays valid while the keys below the header are read.
  Section* current = nullptr;
  for (const std::string& line : splitText(text).lines) {
    const std::string_view content = trimView(line);
    if (content.empty() || content.front() == ';') continue;
    if (content.size() >= 2 && content.front() == '[' && content.back() == ']') {
      current = &sectionFor(trimView(content.substr(1, content.size() - 2)));
      continue;
    }
    const size_t equals = content.find('=');
    // Lines that are not "key=value", and keys before the first section, carry nothing.
    if (current == nullptr || equals == std::string_view::npos) continue;
    const std::string_view key = trimView(content.substr(0, equals));
    // Of a key written twice the first counts, as for reading.
    if (current->position(key) == std::string::npos) {
      current->append(key, trimView(content.substr(equals + 1)));
    }
  }
}

const IniFile::Section* IniFile::findSection(std::string_view name) const {
  const auto found = sectionIndex_.find(upperCase(name));
  return found == sectionIndex_.end() ? nullptr : &sections_[found->second];
}

IniFile::Section& IniFile::sectionFor(std::string_view name) {
  const auto [found, added] = sectionIndex_.emplace(upperCase(name), sections_.size());
  if (added) sections_.push_back({std::string(name), {}, {}});
  return sections_[found->second];
}

void IniFile::reindex() {
  sectionIndex_.clear();
  for (size_t i = 0; i < sections_.size(); ++i) {
    sectionIndex_.emplace(upperCase(sections_[i].name), i);
  }
}

bool IniFile::sectionExists(std::string_view section) const {
  return findSection(section) != nullptr;
}

const IniFile::Entry* IniFile::findEntry(std::string_view section, std::string_view key) const {
  const Section* found = findSection(section);
  const size_t at = found == nullptr ? std::string::npos : found->position(key);
  return at == std::string::npos ? nullptr : &found->entries[at];
}

bool IniFile::valueExists(std::string_view section, std::string_view key) const {
  return findEntry(section, key) != nullptr;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
  const Entry* entry = findEntry(section, key);
  return entry == nullptr ? std::string(fallback) : entry->value;
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const {
  const Entry* entry = findEntry(section, key);
  return entry == nullptr ? fallback : toInt(entry->value, fallback);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
  return readInteger(section, key, fallback ? 1 : 0) != 0;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
  std::vector<std::string> names;
  if (const Section* found = findSection(section)) {
    names.reserve(found->entries.size());
    for (const Entry& entry : found->entries) names.push_back(entry.key);
  }
  return names;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  Section& target = sectionFor(section);
  const size_t at = target.position(key);
  if (at == std::string::npos) {
    target.append(key, value);
  } else {
    target.entries[at].value = value;
  }
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
  writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

void IniFile::eraseSection(std::string_view section) {
  const auto found = sectionIndex_.find(upperCase(section));
  if (found == sectionIndex_.end()) return;
  sections_.erase(sections_.begin() + static_cast<std::ptrdiff_t>(found->second));
  reindex();
}

void IniFile::deleteKey(std::string_view section, std::string_view key) {
  const auto found = sectionIndex_.find(upperCase(section));
  if (found == sectionIndex_.end()) return;
  Section& target = sections_[found->second];
  const size_t at = target.position(key);
  if (at == std::string::npos) return;
  target.entries.erase(target.entries.begin() + static_cast<std::ptrdiff_t>(at));
  target.reindex();
}

std::string IniFile::text() const {
  std::string out;
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (i > 0) out += "\r\n";
    out += "[" + sections_[i].name + "]\r\n";
    for (const Entry& entry : sections_[i].entries) {
      out += entry.key + "=" + entry.value + "\r\n";
    }
  }
  return out;
}

bool IniFile::save() const {
  return !path_.empty() && writeFileBytes(path_, text());
}

}  // namespace sorvik
