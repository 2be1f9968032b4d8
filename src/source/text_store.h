// Text that stays where it is written until the store goes, and the small handles that name
// it: a unit's lines keep five forms each, so the handle is a single pointer and the length
// sits in the store just before the text.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace sorvik {

// A text in a TextStore, or the empty text.
class StoredText {
 public:
  StoredText() = default;
  std::string_view view() const;
  bool operator==(const StoredText&) const = default;

 private:
  friend class TextStore;
  explicit StoredText(const char* at) : at_(at) {}
  const char* at_ = nullptr;  // the first character; null for the empty text
};

// The forms of a unit's lines live side by side in a few large blocks instead of a block of
// their own each.
class TextStore {
 public:
  StoredText add(std::string_view text);
  size_t bytes() const { return bytes_; }

 private:
  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t used_ = 0;  // of the last block
  size_t room_ = 0;  // the last block's size
  size_t bytes_ = 0;
};

}  // namespace sorvik
