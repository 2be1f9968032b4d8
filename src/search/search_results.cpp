#include "search/search_results.h"

#include "generic/compressed_list.h"
#include "generic/strings.h"

namespace sorvik {

std::string searchResultEntry(const std::string& file, int line) {
  return lowerCase(file) + "," + std::to_string(line);
}

void TSearchResults::AddResult(int line, const std::string& file) {
  Entries.push_back(searchResultEntry(file, line));
}

bool TSearchResults::SaveResults(const std::string& path) const {
  return SaveCompressedList(Entries, path);
}

void TSearchResults::LoadResults(const std::string& path) {
  Entries = LoadCompressedList(path);
}

TFileResults::TFileResults(const std::vector<std::string>& entries) {
  for (const std::string& entry : entries) ++remaining_[entry];
}

bool TFileResults::TakeLine(const std::string& file, int line) {
  const auto found = remaining_.find(searchResultEntry(file, line));
  if (found == remaining_.end() || found->second == 0) return false;
  --found->second;
  return true;
}

}  // namespace sorvik
