// Where the hits of a search lie: one entry per hit, the file's full path in lower case, ","
// and the hit's 0-based line, kept in results.dat of the program folder so that a later
// search can look at those lines only.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

namespace sorvik {

inline constexpr const char* kSearchResultsFile = "results.dat";

// "c:/projects/sample/unit1.pas,41".
std::string searchResultEntry(const std::string& file, int line);

// The hits of the current search, in the order found.
class TSearchResults {
 public:
  void AddResult(int line, const std::string& file);
  // Replaces `path` with the entries as a compressed list; false when it could not be
  // written.
  bool SaveResults(const std::string& path) const;
  // The entries of `path`; none when it is missing or damaged.
  void LoadResults(const std::string& path);

  std::vector<std::string> Entries;
};

// The stored hits of the previous search: each may be taken once.
class TFileResults {
 public:
  explicit TFileResults(const std::vector<std::string>& entries);
  // True, once per stored entry, when `file` and `line` make a stored entry.
  bool TakeLine(const std::string& file, int line);

 private:
  std::unordered_map<std::string, int> remaining_;  // entry -> times it is stored
};

}  // namespace sorvik
