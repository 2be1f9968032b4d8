#include "source/text_store.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace sorvik {

namespace {

// A length below the mark takes 4 bytes; a longer one is the mark after the 8-byte length.
constexpr uint32_t kLongMark = std::numeric_limits<uint32_t>::max();

size_t prefixSize(size_t length) {
  return length < kLongMark ? sizeof(uint32_t) : sizeof(uint64_t) + sizeof(uint32_t);
}

}  // namespace

std::string_view StoredText::view() const {
  if (!at_) return {};
  uint32_t length = 0;
  std::memcpy(&length, at_ - sizeof length, sizeof length);
  if (length != kLongMark) return {at_, length};
  uint64_t longLength = 0;
  std::memcpy(&longLength, at_ - sizeof length - sizeof longLength, sizeof longLength);
  return {at_, static_cast<size_t>(longLength)};
}

StoredText TextStore::add(std::string_view text) {
  if (text.empty()) return {};
  const size_t needed = prefixSize(text.size()) + text.size();
  if (room_ - used_ < needed) {
    // Blocks grow with the store, so that a large unit needs few of them and a small one
    // wastes little.
    constexpr size_t kFirstBlock = size_t{16} << 10;
    constexpr size_t kLargestBlock = size_t{4} << 20;
    room_ = std::max(needed, std::min(kLargestBlock, std::max(kFirstBlock, bytes_)));
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(room_));
    used_ = 0;
    bytes_ += room_;
  }
  char* at = blocks_.back().get() + used_;
  if (text.size() < kLongMark) {
    const auto length = static_cast<uint32_t>(text.size());
    std::memcpy(at, &length, sizeof length);
  } else {
    const uint64_t length = text.size();
    std::memcpy(at, &length, sizeof length);
    std::memcpy(at + sizeof length, &kLongMark, sizeof kLongMark);
  }
  at += prefixSize(text.size());
  std::copy(text.begin(), text.end(), at);
  used_ += needed;
  return StoredText(at);
}

}  // namespace sorvik
