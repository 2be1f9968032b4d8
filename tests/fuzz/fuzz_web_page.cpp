// Any bytes as a web page, as a tag's text, as a script body and as a style sheet: no
// crash, no hang, every object lies inside the page, and what a tag's attributes name can
// be found in the tag.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "generic/text_file.h"
#include "web/aspx_form.h"
#include "web/locate_in_object.h"
#include "web/script_text.h"
#include "web/style_sheet.h"
#include "web/tag_attributes.h"

namespace {

void checkObjects(sorvik::TAspxForm& page) {
  const int lastLine = static_cast<int>(page.Lines.size()) + 1;
  for (const sorvik::PageObjectEntry& entry : page.Objects) {
    const sorvik::TPageObject& object = *entry.Object;
    if (object.StartLine < 0 || object.StartLine > object.EndLine || object.EndLine > lastLine)
      __builtin_trap();
    const auto* tag = dynamic_cast<const sorvik::TAspxObj*>(&object);
    if (tag && !tag->Attributes.empty() &&
        !sorvik::LocateInObject(*tag, tag->Attributes.front().Name).found)
      __builtin_trap();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  sorvik::TAspxForm page("fuzz.htm", sorvik::splitText(text));
  checkObjects(page);
  page.Outline();
  page.GetStyleSheets();
  sorvik::readTag(text);
  sorvik::prepareScriptText(text);
  sorvik::styleSheetSelectors(text);
  return 0;
}
