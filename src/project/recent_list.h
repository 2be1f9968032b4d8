// The four most recently opened projects, most recent first, kept in [Recent].
#pragma once

#include <string>
#include <vector>

namespace sorvik {

class Config;

class RecentList {
 public:
  struct Entry {
    std::string path;  // trimmed, lower-cased
    std::string date;
  };
  static constexpr int kMaxEntries = 4;

  void AddRecent(const std::string& path, const std::string& today);
  void SaveRecent(Config& config) const;
  void LoadRecent(const Config& config);
  const std::vector<Entry>& entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
};

// Today's date as the recent list stores it.
std::string todayText();

}  // namespace sorvik
