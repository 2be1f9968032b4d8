// Any bytes as a page in a site with an image and a style sheet: every HTML check runs and
// reports; never a crash or a hang, and every replacement is one line for a line of the
// page.
#include <cstddef>
#include <cstdint>
#include <string>

#include "generic/text_file.h"
#include "project/project.h"
#include "support/test_support.h"
#include "web/aspx_form.h"
#include "web/page_analysis.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sorvik;
  static const test::TempFolder site;
  static const bool written = [] {
    site.write("a.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x64\0\0\0\x32", 24));
    site.write("s.css", ".a, p.b { color: red }");
    return true;
  }();
  static test::ScriptedPrompter prompter;
  static const std::unique_ptr<AppContext> context = test::makeContext(site, &prompter, nullptr);
  static TProject project(*context, site.path() + "Site.svk");

  (void)written;
  project.ResetProject();
  project.CurrentFile = site.path() + "page.htm";
  TAspxForm page(project.CurrentFile,
                 splitText(std::string(reinterpret_cast<const char*>(data), size)));
  AnalysePage(project, page);
  for (const auto& result : project.report().Results) {
    if (!result->Suggestions) continue;
    if (result->Suggestions->size() != 1 || result->Line < 1 ||
        result->Line > static_cast<int>(page.Lines.size()))
      __builtin_trap();
  }
  return 0;
}
