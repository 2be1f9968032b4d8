#include "formanalysis/binary_form_reader.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "formanalysis/float_text.h"
#include "generic/encoding.h"
#include "platform/code_points.h"

namespace sorvik {

namespace {

enum ValueType : int {
  kNull = 0x00,
  kList = 0x01,
  kInt8 = 0x02,
  kInt16 = 0x03,
  kInt32 = 0x04,
  kExtended = 0x05,
  kString = 0x06,
  kIdent = 0x07,
  kFalse = 0x08,
  kTrue = 0x09,
  kBinary = 0x0A,
  kSet = 0x0B,
  kLString = 0x0C,
  kNil = 0x0D,
  kCollection = 0x0E,
  kSingle = 0x0F,
  kCurrency = 0x10,
  kDate = 0x11,
  kWString = 0x12,
  kInt64 = 0x13,
  kUtf8String = 0x14,
};

// Flags of the prefix byte of an object.
constexpr int kInherited = 1, kChildPosition = 2, kInline = 4;
// Strings longer than this are written in pieces of this many characters.
constexpr size_t kPieceLength = 64;
// Binary data is written in chunks of this many bytes.
constexpr size_t kChunkLength = 32;
// Objects and values nested deeper than this are not read: no form nests so deep, and
// the text of a deeper one would grow with the square of its size.
constexpr int kDeepest = 128;

class Converter {
 public:
  explicit Converter(std::string_view stream) : data_(stream) {}

  std::vector<std::string> convert() {
    if (data_.substr(0, 4) != "TPF0") throw FormStreamError("Invalid stream format");
    position_ = 4;
    object(0);
    return std::move(lines_);
  }

 private:
  [[noreturn]] void fail(const std::string& reason) const {
    throw FormStreamError("Error reading " + objectName_ + "." + propertyName_ + ": " + reason);
  }

  void need(size_t count) const {
    if (count > data_.size() - position_) fail("Stream read error");
  }
  uint8_t peek() const {
    need(1);
    return static_cast<uint8_t>(data_[position_]);
  }
  uint64_t unsignedValue(size_t count) {
    need(count);
    uint64_t value = 0;
    for (size_t i = 0; i < count; ++i)
      value |= static_cast<uint64_t>(static_cast<uint8_t>(data_[position_ + i])) << (8 * i);
    position_ += count;
    return value;
  }
  uint8_t byte() { return static_cast<uint8_t>(unsignedValue(1)); }
  std::string_view bytes(uint64_t count) {
    if (count > data_.size() - position_) fail("Stream read error");
    const std::string_view taken = data_.substr(position_, count);
    position_ += count;
    return taken;
  }
  std::string shortString() { return std::string(bytes(byte())); }
  // A 32-bit length; two gigabytes or more is never a length.
  uint64_t length() {
    const uint64_t count = unsignedValue(4);
    if (count >= 0x80000000u) fail("Stream read error");
    return count;
  }
  // Bit 7 of a type byte is not part of the type.
  int valueType() {
    const int type = byte() & 0x7F;
    if (type > kUtf8String) fail(std::to_string(type));
    return type;
  }
  // A 00 byte ends a list of properties, children, values or items.
  bool atEnd() {
    if (peek() != 0) return false;
    ++position_;
    return true;
  }

  int64_t integer(int type) {
    switch (type) {
      case kInt8:
        return static_cast<int8_t>(byte());
      case kInt16:
        return static_cast<int16_t>(unsignedValue(2));
      case kInt32:
        return static_cast<int32_t>(unsignedValue(4));
      default:
        return static_cast<int64_t>(unsignedValue(8));
    }
  }
  static bool isSmallInteger(int type) { return type == kInt8 || type == kInt16 || type == kInt32; }

  long double extended() {
    const uint64_t mantissa = unsignedValue(8);
    const auto signAndExponent = static_cast<uint16_t>(unsignedValue(2));
    const bool negative = (signAndExponent & 0x8000) != 0;
    const int exponent = signAndExponent & 0x7FFF;
    long double value;
    if (exponent == 0x7FFF)
      value = (mantissa << 1) == 0 ? INFINITY : NAN;
    else
      value = std::ldexp(static_cast<long double>(mantissa), exponent - 16383 - 63);
    return negative ? -value : value;
  }
  double doubleValue() {
    const uint64_t bits = unsignedValue(8);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  float singleValue() {
    const auto bits = static_cast<uint32_t>(unsignedValue(4));
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }

  void newLine(int level) { lines_.emplace_back(static_cast<size_t>(2 * level), ' '); }
  void append(std::string_view text) { lines_.back() += text; }

  void nest(int level) const {
    if (level > kDeepest) fail("Nesting too deep");
  }

  void object(int level) {
    nest(level);
    int flags = 0;
    int64_t position = 0;
    if (peek() >= 0xF0) {
      flags = byte() & 0x0F;
      if (flags & kChildPosition) {
        const int type = valueType();
        if (!isSmallInteger(type)) fail(std::to_string(type));
        position = integer(type);
      }
    }
    const std::string className = shortString();
    const std::string name = shortString();
    const std::string outerName = objectName_;
    objectName_ = name;
    newLine(level);
    append(flags & kInherited ? "inherited " : (flags & kInline ? "inline " : "object "));
    if (!name.empty()) append(name + ": ");
    append(className);
    if (flags & kChildPosition) append(" [" + std::to_string(position) + "]");
    properties(level + 1);
    while (!atEnd()) object(level + 1);
    newLine(level);
    append("end");
    objectName_ = outerName;
  }

  void properties(int level) {
    while (!atEnd()) {
      propertyName_ = shortString();
      newLine(level);
      append(propertyName_ + " = ");
      value(valueType(), level);
    }
  }

  void value(int type, int level) {
    nest(level);
    switch (type) {
      case kNull:
        return append("Null");
      case kList:
        append("(");
        while (!atEnd()) {
          newLine(level + 1);
          value(valueType(), level + 1);
        }
        return append(")");
      case kInt8:
      case kInt16:
      case kInt32:
      case kInt64:
        return append(std::to_string(integer(type)));
      case kExtended:
        return append(generalFloatText(extended()));
      case kString:
        return text(singleByteUnits(bytes(byte())), false, level);
      case kLString:
        return text(singleByteUnits(bytes(length())), false, level);
      case kIdent:
        return append(shortString());
      case kFalse:
        return append("False");
      case kTrue:
        return append("True");
      case kNil:
        return append("nil");
      case kBinary:
        return binary(bytes(length()), level);
      case kSet:
        append("[");
        for (bool first = true;; first = false) {
          const std::string element = shortString();
          if (element.empty()) break;
          if (!first) append(", ");
          append(element);
        }
        return append("]");
      case kCollection:
        return collection(level);
      case kSingle:
        return append(generalFloatText(singleValue()) + "s");
      case kCurrency:
        return append(generalFloatText(static_cast<long double>(integer(kInt64)) / 10000) + "c");
      case kDate:
        return append(generalFloatText(doubleValue()) + "d");
      case kWString: {
        const uint64_t count = length();
        const std::string_view raw = bytes(count * 2);
        std::u16string units(count, u'\0');
        for (size_t i = 0; i < count; ++i)
          units[i] = static_cast<char16_t>(static_cast<uint8_t>(raw[2 * i]) |
                                           static_cast<uint8_t>(raw[2 * i + 1]) << 8);
        return text(units, true, level);
      }
      case kUtf8String:
        return text(utf16OfCodePoints(utf8CodePoints(bytes(length()))), true, level);
    }
  }

  static std::u16string singleByteUnits(std::string_view bytes) {
    std::u16string units(bytes.size(), u'\0');
    for (size_t i = 0; i < bytes.size(); ++i) units[i] = static_cast<uint8_t>(bytes[i]);
    return units;
  }

  // Quoted runs of plain characters and "#" codes for the others; a long string starts
  // on a line of its own and goes on in pieces of 64 characters joined by " +".
  void text(const std::u16string& units, bool wide, int level) {
    if (units.empty()) return append("''");
    if (units.size() > kPieceLength) newLine(level + 1);
    for (size_t i = 0; i < units.size();) {
      const size_t pieceStart = i;
      bool quoted = false;
      for (; i < units.size() && i - pieceStart < kPieceLength; ++i) {
        const char16_t unit = units[i];
        if (unit < 32 || unit == u'\'' || (wide && unit > 127)) {
          if (quoted) append("'");
          quoted = false;
          append("#" + std::to_string(unit));
        } else {
          if (!quoted) append("'");
          quoted = true;
          lines_.back() += static_cast<char>(unit);
        }
      }
      if (quoted) append("'");
      if (i < units.size()) {
        append(" +");
        newLine(level + 1);
      }
    }
  }

  void binary(std::string_view data, int level) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    append("{");
    for (size_t chunk = 0; chunk < data.size(); chunk += kChunkLength) {
      if (data.size() >= kChunkLength) newLine(level + 1);
      for (size_t i = chunk; i < data.size() && i < chunk + kChunkLength; ++i) {
        const auto b = static_cast<uint8_t>(data[i]);
        lines_.back() += kDigits[b >> 4];
        lines_.back() += kDigits[b & 0x0F];
      }
    }
    append("}");
  }

  void collection(int level) {
    append("<");
    while (!atEnd()) {
      newLine(level + 1);
      append("item");
      int type = valueType();
      if (isSmallInteger(type)) {
        append(" [" + std::to_string(integer(type)) + "]");
        type = valueType();
      }
      if (type != kList) fail(std::to_string(type));
      properties(level + 2);
      newLine(level + 1);
      append("end");
    }
    append(">");
  }

  std::string_view data_;
  size_t position_ = 0;
  std::vector<std::string> lines_;
  std::string objectName_, propertyName_;
};

}  // namespace

std::vector<std::string> ConvertBinaryForm(std::string_view stream) {
  return Converter(stream).convert();
}

}  // namespace sorvik
