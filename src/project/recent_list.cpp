#include "project/recent_list.h"

#include <ctime>

#include "generic/strings.h"
#include "project/config.h"

namespace sorvik {

namespace {

constexpr const char* kSection = "Recent";

}  // namespace

void RecentList::AddRecent(const std::string& path, const std::string& today) {
  std::string key = lowerCase(trimView(path));
  std::erase_if(entries_, [&](const Entry& entry) { return entry.path == key; });
  entries_.insert(entries_.begin(), {std::move(key), today});
  if (entries_.size() > static_cast<size_t>(kMaxEntries)) entries_.resize(kMaxEntries);
}

void RecentList::SaveRecent(Config& config) const {
  // One save for the whole section rather than one per key.
  IniFile& file = config.file();
  file.eraseSection(kSection);
  for (size_t n = 0; n < entries_.size(); ++n) {
    const std::string number = std::to_string(n + 1);
    file.writeString(kSection, "File" + number, entries_[n].path);
    file.writeString(kSection, "Date" + number, entries_[n].date);
  }
  file.save();
}

void RecentList::LoadRecent(const Config& config) {
  entries_.clear();
  for (int n = 1; n <= kMaxEntries; ++n) {
    const std::string number = std::to_string(n);
    std::string path = config.readString(kSection, "File" + number);
    if (path.empty()) continue;
    entries_.push_back({std::move(path), config.readString(kSection, "Date" + number)});
  }
}

std::string todayText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%Y-%m-%d", &local);
  return text;
}

}  // namespace sorvik
