#include "formanalysis/executable_reader.h"

#include <algorithm>
#include <optional>
#include <set>

#include "formanalysis/binary_form_reader.h"
#include "generic/encoding.h"
#include "generic/paths.h"
#include "generic/strings.h"
#include "generic/text_file.h"
#include "platform/code_points.h"
#include "project/app_context.h"

namespace sorvik {

namespace {

constexpr uint32_t kRcData = 10;
constexpr uint32_t kHighBit = 0x80000000u;
constexpr size_t kDirectoryHeader = 16, kDirectoryEntry = 8, kSectionHeader = 40;

// Reading the file's structures, every offset and size checked against the file.
class PeReader {
 public:
  PeReader(std::string_view bytes, std::string path) : bytes_(bytes), path_(std::move(path)) {}

  std::vector<TDfm> forms() {
    if (u16(0) != 0x5A4D) fail();  // "MZ"
    const uint32_t pe = u32(0x3C);
    if (u32(pe) != 0x00004550) fail();  // "PE\0\0"
    const size_t coff = size_t{pe} + 4;
    const uint16_t sectionCount = u16(coff + 2);
    const uint16_t optionalSize = u16(coff + 16);
    const size_t optional = coff + 20;
    size_t directories = 0, directoryCount = 0;
    switch (u16(optional)) {
      case 0x10B:  // PE32
        directoryCount = u32(optional + 92);
        directories = optional + 96;
        break;
      case 0x20B:  // PE32+
        directoryCount = u32(optional + 108);
        directories = optional + 112;
        break;
      default:
        fail();
    }
    if (directoryCount <= 2) return {};
    const uint32_t resourceRva = u32(directories + 16);
    if (resourceRva == 0) return {};
    sections_ = optional + optionalSize;
    sectionCount_ = sectionCount;
    need(sections_, kSectionHeader * sectionCount_);

    // Directory offsets count from the start of the resource data.
    resourceBase_ = fileOffset(resourceRva, kDirectoryHeader);
    resourceEnd_ = sectionEnd(resourceRva);
    std::vector<TDfm> found;
    const auto rcData = findEntry(0, kRcData);
    if (!rcData) return found;
    forEachEntry(*rcData, [&](uint32_t nameField, uint32_t target) {
      const std::string name = nameField & kHighBit ? stringName(nameField & ~kHighBit)
                                                    : "#" + std::to_string(nameField);
      std::string_view data = resourceData(target);
      if (data.substr(0, 4) == "TPF0") found.push_back({name, ConvertBinaryForm(data)});
    });
    return found;
  }

 private:
  [[noreturn]] void fail() const {
    throw ExecutableError("An error ocurred loading file " + path_ +
                          ", it may not be an executable module");
  }
  void need(size_t offset, size_t count) const {
    if (offset > bytes_.size() || count > bytes_.size() - offset) fail();
  }
  uint32_t little(size_t offset, size_t count) const {
    need(offset, count);
    uint32_t value = 0;
    for (size_t i = 0; i < count; ++i)
      value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes_[offset + i])) << (8 * i);
    return value;
  }
  uint16_t u16(size_t offset) const { return static_cast<uint16_t>(little(offset, 2)); }
  uint32_t u32(size_t offset) const { return little(offset, 4); }

  // The section holding `count` bytes from the address: its header's offset.
  size_t sectionOf(uint32_t rva, uint64_t count) const {
    for (size_t i = 0; i < sectionCount_; ++i) {
      const size_t header = sections_ + i * kSectionHeader;
      const uint64_t start = u32(header + 12);
      const uint64_t extent = std::max(u32(header + 8), u32(header + 16));
      if (rva >= start && rva + count <= start + extent) return header;
    }
    fail();
  }
  // The file offset of `count` bytes at a relative virtual address, all of them within
  // the section's data in the file.
  size_t fileOffset(uint32_t rva, uint64_t count) const {
    const size_t header = sectionOf(rva, count);
    const uint64_t offset = uint64_t{u32(header + 20)} + (rva - u32(header + 12));
    if (offset + count > sectionEndOf(header)) fail();
    return static_cast<size_t>(offset);
  }
  uint64_t sectionEndOf(size_t header) const {
    return std::min<uint64_t>(uint64_t{u32(header + 20)} + u32(header + 16), bytes_.size());
  }
  size_t sectionEnd(uint32_t rva) const {
    return static_cast<size_t>(sectionEndOf(sectionOf(rva, 0)));
  }

  // An offset within the resource data, `count` bytes of it inside.
  size_t resource(uint32_t offset, size_t count) const {
    if (offset > resourceEnd_ - resourceBase_ || count > resourceEnd_ - resourceBase_ - offset)
      fail();
    return resourceBase_ + offset;
  }

  // Visits the entries of the directory at `offset`: each entry's name field and target.
  template <class Visit>
  void forEachEntry(uint32_t offset, Visit visit) {
    // A directory reached twice would be walked again and again.
    if (!visited_.insert(offset).second) fail();
    const size_t directory = resource(offset, kDirectoryHeader);
    const size_t count = size_t{u16(directory + 12)} + u16(directory + 14);
    const size_t entries = resource(offset + kDirectoryHeader, count * kDirectoryEntry);
    for (size_t i = 0; i < count; ++i)
      visit(u32(entries + i * kDirectoryEntry), u32(entries + i * kDirectoryEntry + 4));
  }
  // The subdirectory of the entry with this numeric name, or none.
  std::optional<uint32_t> findEntry(uint32_t directory, uint32_t id) {
    std::optional<uint32_t> found;
    forEachEntry(directory, [&](uint32_t nameField, uint32_t target) {
      if (!found && nameField == id && (target & kHighBit)) found = target & ~kHighBit;
    });
    return found;
  }

  std::string stringName(uint32_t offset) const {
    const size_t at = resource(offset, 2);
    const uint16_t length = u16(at);
    const size_t text = resource(offset + 2, size_t{length} * 2);
    std::u16string units(length, u'\0');
    for (size_t i = 0; i < length; ++i) units[i] = static_cast<char16_t>(u16(text + 2 * i));
    return codePointsToWindows1252(codePointsOfUtf16(units));
  }

  // The data of a name's entry: the first language of its directory (or the entry
  // itself when it points at data).
  std::string_view resourceData(uint32_t target) {
    uint32_t dataEntry = target;
    if (target & kHighBit) {
      std::optional<uint32_t> first;
      forEachEntry(target & ~kHighBit, [&](uint32_t, uint32_t language) {
        if (!first) first = language;
      });
      if (!first || (*first & kHighBit)) return {};
      dataEntry = *first;
    }
    if (!visited_.insert(dataEntry | kHighBit).second) fail();
    const size_t entry = resource(dataEntry, 16);
    const uint32_t rva = u32(entry);
    const uint32_t size = u32(entry + 4);
    // Data of two gigabytes or more, or more data than the file holds, is no resource.
    if (size >= kHighBit) fail();
    dataTotal_ += size;
    if (dataTotal_ > bytes_.size()) fail();
    return bytes_.substr(fileOffset(rva, size), size);
  }

  std::string_view bytes_;
  std::string path_;
  size_t sections_ = 0, sectionCount_ = 0;
  size_t resourceBase_ = 0, resourceEnd_ = 0;
  std::set<uint32_t> visited_;
  uint64_t dataTotal_ = 0;
};

}  // namespace

std::vector<TDfm> readExecutableForms(std::string_view bytes, const std::string& path) {
  return PeReader(bytes, path).forms();
}

void TResourceInfo::load(const std::string& exeFileName) {
  exeFileName_ = exeFileName;
  forms_.clear();
  const auto bytes = readFileBytes(findExistingPath(exeFileName));
  if (!bytes)
    throw ExecutableError("An error ocurred loading file " + exeFileName +
                          ", it may not be an executable module");
  forms_ = readExecutableForms(*bytes, exeFileName);
}

const TDfm* TResourceInfo::find(std::string_view name) const {
  const std::string wanted = lowerCase(name);
  for (const auto& form : forms_)
    if (lowerCase(form.Name) == wanted) return &form;
  return nullptr;
}

void LoadExecutableForms(AppContext& context, const std::string& path) {
  context.service<TResourceInfo>().load(path);
}

}  // namespace sorvik
