// The elements a check has seen opened and not yet closed, as a stack of kinds. Searches
// cover the whole stack, its bottom entry included, and cost no more than the pushes
// before them, so that a walk over a page stays linear however deep it nests.
#pragma once

#include <cstddef>
#include <optional>
#include <unordered_map>
#include <vector>

namespace sorvik {

class OpenElements {
 public:
  void push(int kind);
  bool empty() const { return kinds_.empty(); }
  // The top entry, and the one below it; none when the stack is too short.
  std::optional<int> top() const;
  std::optional<int> second() const;
  // Some entry has this kind.
  bool contains(int kind) const;
  // Removes the topmost entry of that kind and every entry above it; false when there is
  // none.
  bool closeTo(int kind);
  // Removes the top `count` entries (fewer when the stack is shorter).
  void pop(size_t count = 1);

 private:
  std::vector<int> kinds_;
  std::unordered_map<int, std::vector<size_t>> places_;  // by kind, ascending
};

}  // namespace sorvik
