// The messages of a page script's alert, confirm and prompt calls.
#include <gtest/gtest.h>

#include "generic/strings.h"
#include "spelling/page_spelling.h"
#include "spelling_fixture.h"

namespace sorvik {
namespace {

using Rows = std::vector<std::string>;

const Rows kPage = {"<script language=\"javascript\">", "alert(\"Teh mesage\"); var x = 'y';",
                    "if (ok) { confirm(\"Are you shure?\") }",
                    "prompt(\"Enter your nmae\", \"deflt\"); alert (x); alert(\"(\" + x)",
                    "</script>"};

Rows spellScript(const std::string& config) {
  test::SpellingFixture f(config);
  TProject& project = f.emptyProject();
  project.CurrentFile = "/site/index.html";
  const std::string script = join(Rows(kPage.begin() + 1, kPage.end() - 1), "\r\n");
  SpellScriptMessages(project, script, 0, kPage);
  return test::joinedRows(f.spellRun());
}

// Each message is taken from its own call, so the later calls' strings are spelled once,
// under their own calls; the options switch the calls off one by one.
TEST(ScriptMessagesTest, EachCallSpellsItsOwnArguments) {
  const struct {
    std::string config;
    Rows expected;
  } cases[] = {
      {"",
       {"Teh|Code|index.html|2", "mesage|Code|index.html|2", "shure|Code|index.html|3",
        "nmae|Code|index.html|4", "deflt|Code|index.html|4"}},
      {"[SpellJScript]\r\nAlert=0\r\nPrompt=0\r\n", {"shure|Code|index.html|3"}},
  };
  for (const auto& c : cases) EXPECT_EQ(spellScript(c.config), c.expected) << c.config;
}

}  // namespace
}  // namespace sorvik
