#include "web/open_elements.h"

namespace sorvik {

void OpenElements::push(int kind) {
  places_[kind].push_back(kinds_.size());
  kinds_.push_back(kind);
}

std::optional<int> OpenElements::top() const {
  if (kinds_.empty()) return std::nullopt;
  return kinds_.back();
}

std::optional<int> OpenElements::second() const {
  if (kinds_.size() < 2) return std::nullopt;
  return kinds_[kinds_.size() - 2];
}

bool OpenElements::contains(int kind) const {
  const auto found = places_.find(kind);
  return found != places_.end() && !found->second.empty();
}

bool OpenElements::closeTo(int kind) {
  const auto found = places_.find(kind);
  if (found == places_.end() || found->second.empty()) return false;
  pop(kinds_.size() - found->second.back());
  return true;
}

void OpenElements::pop(size_t count) {
  for (; count > 0 && !kinds_.empty(); --count) {
    places_[kinds_.back()].pop_back();
    kinds_.pop_back();
  }
}

}  // namespace sorvik
