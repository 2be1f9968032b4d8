#include "project/config.h"

#include "generic/strings.h"

namespace sorvik {

namespace {

std::string overrideKey(std::string_view section, std::string_view key) {
  return upperCase(section) + '\n' + upperCase(key);
}

}  // namespace

bool Config::addOverride(std::string_view assignment) {
  const auto equal = assignment.find('=');
  if (equal == std::string_view::npos) return false;
  const auto name = assignment.substr(0, equal);
  const auto dot = name.find('.');
  if (dot == std::string_view::npos || dot == 0 || dot + 1 == name.size()) return false;
  overrides_[overrideKey(trimView(name.substr(0, dot)), trimView(name.substr(dot + 1)))] =
      std::string(assignment.substr(equal + 1));
  return true;
}

const std::string* Config::findOverride(std::string_view section, std::string_view key) const {
  if (overrides_.empty()) return nullptr;
  const auto found = overrides_.find(overrideKey(section, key));
  return found == overrides_.end() ? nullptr : &found->second;
}

bool Config::sectionExists(std::string_view section) const {
  if (file_.sectionExists(section)) return true;
  const auto prefix = upperCase(section) + '\n';
  for (const auto& entry : overrides_)
    if (startsWith(entry.first, prefix)) return true;
  return false;
}

bool Config::valueExists(std::string_view section, std::string_view key) const {
  return findOverride(section, key) || file_.valueExists(section, key);
}

std::string Config::readString(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
  if (const auto* value = findOverride(section, key)) return *value;
  return file_.readString(section, key, fallback);
}

int Config::readInteger(std::string_view section, std::string_view key, int fallback) const {
  if (const auto* value = findOverride(section, key)) return toInt(*value, fallback);
  return file_.readInteger(section, key, fallback);
}

bool Config::readBool(std::string_view section, std::string_view key, bool fallback) const {
  if (const auto* value = findOverride(section, key)) {
    const int number = toInt(*value, fallback ? 1 : 0);
    return number != 0;
  }
  return file_.readBool(section, key, fallback);
}

void Config::writeString(std::string_view section, std::string_view key, std::string_view value) {
  file_.writeString(section, key, value);
  file_.save();
}

void Config::writeBool(std::string_view section, std::string_view key, bool value) {
  writeString(section, key, value ? "1" : "0");
}

void Config::writeInteger(std::string_view section, std::string_view key, int value) {
  writeString(section, key, std::to_string(value));
}

void Config::eraseSection(std::string_view section) {
  file_.eraseSection(section);
  file_.save();
}

}  // namespace sorvik
