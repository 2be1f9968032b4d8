// The readable text of the literals of an expression.
#include "spelling/extract_string_text.h"

#include <gtest/gtest.h>

namespace sorvik {
namespace {

TEST(ExtractStringText, KeepsTheLiteralsApartAndDropsTheRest) {
  const struct {
    std::string expression;
    bool doubleQuoted;
    std::string expected;
  } cases[] = {
      {"'Hello world');", false, "Hello world"},
      {"Format('Total: %d', [N])", false, "Total: %d"},
      {"Caption", false, ""},                                     // no literal
      {"'unterminated", false, ""},                               // a lone quote
      {"'Line one'+#13+'line two'", false, "Line one line two"},  // codes below 32 stay apart
      {"'Caf'#233' au lait'", false, "Caf\xE9 au lait"},          // joined by the character
      {"'Caf'+#233+'s'", false, "Caf\xE9s"},
      // Only the first occurrence of each code is joined.
      {"'a'#65'b'#65'c'", false, "aAb c"},
      {"'Don''t stop'", false, "Don t stop"},
      {"'Name: ' + S + 'ends '+'here'", false, "Name: ends here"},
      // An index with a quoted key is skipped, a "]" inside the key included.
      {"'Value ' + List.Values['Key]x'] + ' found'", false, "Value  found"},
      {"List[I] + 'x'", false, "x"},
      {"(\"Are you sure?\", 'it''s')", true, "Are you sure?"},
      {"\"It's \" + name + \" here\"", true, "It's  here"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ExtractStringText(c.expression, c.doubleQuoted), c.expected) << c.expression;
}

}  // namespace
}  // namespace sorvik
