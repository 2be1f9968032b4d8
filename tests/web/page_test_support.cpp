#include "page_test_support.h"

#include "generic/strings.h"
#include "generic/text_file.h"

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

}  // namespace sorvik::test
