#include "page_test_support.h"

#include "generic/strings.h"
#include "generic/text_file.h"
#include "web/page_analysis.h"

namespace sorvik::test {

TAspxForm pageOf(const std::string& text) {
  return TAspxForm("page.htm", splitText(text));
}

std::string describe(const TPageObject& object) {
  std::string className(pageObjectClassName(object));
  className =
      className == "TAspxObj" ? "Control" : className.substr(std::string("TAspxObj").size());
  if (const auto* tag = dynamic_cast<const TAspxObj*>(&object))
    return className + " " + std::to_string(tag->Kind) + " " + replaceAll(tag->Text, "\r\n", "|");
  if (const auto* comment = dynamic_cast<const TAspxObjComment*>(&object))
    return className + " " + replaceAll(comment->Text, "\r\n", "|");
  return className + " " + std::to_string(dynamic_cast<const TAspxObjClosing&>(object).Kind);
}

std::vector<std::string> describeObjects(const TAspxForm& page) {
  std::vector<std::string> lines;
  for (const PageObjectEntry& entry : page.Objects) lines.push_back(describe(*entry.Object));
  return lines;
}

namespace {

std::string bigEndian(int value, int bytes) {
  std::string out;
  for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
  return out;
}

std::string littleEndian16(int value) {
  return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

}  // namespace

std::string repeat(std::string_view piece, size_t times) {
  std::string text;
  text.reserve(piece.size() * times);
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

std::string pngBytes(int width, int height) {
  return "\x89PNG\r\n\x1a\n" + bigEndian(13, 4) + "IHDR" + bigEndian(width, 4) +
         bigEndian(height, 4) + std::string("\x08\x02\0\0\0", 5) + bigEndian(0, 4);
}

std::string gifBytes(int width, int height, int bits) {
  const char flags = bits >= 0 ? static_cast<char>(0x80 | bits) : '\0';
  std::string table = bits >= 0 ? std::string(3u << (bits + 1), ',') : "";
  return "GIF89a" + littleEndian16(width) + littleEndian16(height) + flags + std::string(2, '\0') +
         table + "," + std::string(4, '\0') + littleEndian16(width) + littleEndian16(height) +
         std::string(2, '\0');
}

std::string jpegBytes(int width, int height) {
  return "\xFF\xD8\xFF\xE0" + bigEndian(16, 2) + std::string("JFIF\0", 5) + std::string(9, '\x01') +
         "\xFF\xC0" + bigEndian(17, 2) + "\x08" + bigEndian(height, 2) + bigEndian(width, 2) +
         "\x03";
}

PageCheckTest::PageCheckTest() {
  context = makeContext(home, &prompter, &observer);
  project = std::make_unique<TProject>(*context, site.path() + "Site.svk");
}

void PrintTo(const PageCase& c, std::ostream* out) {
  *out << c.name;
}

void PageCheckTest::expectFindings(const PageCase& c) {
  std::vector<std::string> output;
  for (const std::string& line : analyse(c.page))
    output.push_back(line.substr(std::string("\"page.htm\"(").size()));
  EXPECT_EQ(output, c.output);
  EXPECT_EQ(suggestions(), c.suggestions);
}

std::vector<std::string> PageCheckTest::analyse(const std::string& text, const std::string& name) {
  AnalysePage(*project, site.write(name, text));
  return project->report().OutputLines;
}

std::vector<std::string> PageCheckTest::suggestions() const {
  std::vector<std::string> all;
  for (const auto& result : project->report().Results)
    all.push_back(result->Suggestions ? join(*result->Suggestions, " / ") : "");
  return all;
}

}  // namespace sorvik::test
