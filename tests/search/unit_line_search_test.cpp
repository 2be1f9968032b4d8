#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "search/line_matcher.h"
#include "search/search_options.h"
#include "search/unit_line_search.h"
#include "support/search_reference.h"
#include "support/test_support.h"

namespace sorvik::test {
namespace {

// Units whose reading could go wrong line by line: comments that span lines or hold the
// text, comment markers inside literals, blanks and tabs, letter case, every kind of line
// end, a byte-order mark, uses clauses over several lines, and the implementation section
// missing, hidden in a comment or on the first line.
struct Unit {
  const char* name;
  const char* text;
};
const Unit kUnits[] = {
    {"Comments.pas",
     "unit Comments;\r\ninterface\r\nuses Classes, { SysUtils,\r\n  Format( } Windows,\r\n"
     "  Forms;\r\nimplementation\r\n(* Format(\r\n   still a comment *) X := Format('a', []);\r\n"
     "// Format( in a line comment\r\nS := 'a{b' + Format('//x'); { Format( }\r\n"
     "S := '(* no comment *)'; Y := format ( 1 );\r\n\tZ\t:=\tFORMAT(\t'tab'\t);\r\n"
     "S := 'It''s Format(';\r\nuses\r\n  Late;\r\n{$IFDEF DEBUG} Format(1); {$ENDIF}\r\n"
     "{$I shared.inc} FormatX(2)\r\nend.\r\n"},
    {"Hidden.pas",
     "unit Hidden;\n{ implementation }\nuses A;\nX := Format(1);\n'implementation'\nend.\n"},
    {"Program.dpr", "program Program;\r\nuses Forms;\r\nbegin\r\n  Format(1);\r\nend.\r\n"},
    {"Ends.pas",
     "\xEF\xBB\xBFunit Ends;\rinterface\nimplementation\r\nX := Format(1);\r\r{ a\rb Format( }\n"
     "  Implementation  \r\nY:=Format(2)\r\n  imple MENT\tation \r\n"},
    {"First.pas", "implementation\r\nX := Format(1);\r\n"},
    {"Empty.pas", ""},
    {"Open.pas", "unit Open;\r\nimplementation\r\nX := Format(1); (* Format(\r\nFormat(2);\r\n"},
    {"Blanks.pas", "unit Blanks;\r\nimplementation\r\n   \t \r\n\t\r\nA\t B :=  C ;  \r\n\f\r\n"},
};

// Searches with the dialog's defaults but for the options named.
const SearchDialogValues kSearches[] = {
    {.Text = "Format("},
    {.Text = "Format(", .IgnoreSpacing = false, .IgnoreComments = false},
    {.Text = "format", .CaseSensitive = true, .WholeWords = true, .IgnoreLiterals = true},
    {.Text = "FORMAT(", .CaseSensitive = true, .IgnoreSpacing = false},
    {.Text = "Format", .WholeWords = true, .IgnoreComments = false, .IgnoreLiterals = true},
    {.Text = "'a'"},
    {.Text = "It''s", .WholeWords = true, .IgnoreSpacing = false},
    {.Text = "{$IFDEF", .IgnoreComments = false},
    {.Text = "A B"},
    {.Text = "A\t B", .IgnoreSpacing = false},
    {.Text = "implementation", .WholeWords = true, .IgnoreComments = false},
    {.Text = "FORMAT\\s*\\(", .Expressions = kRegularExpressions},
    {.Text = "(x|y):=F",
     .WholeWords = true,
     .IgnoreSpacing = false,
     .IgnoreComments = false,
     .Expressions = kRegularExpressions},
    {.Text = "^\\S",
     .CaseSensitive = true,
     .IgnoreSpacing = false,
     .Expressions = kRegularExpressions},
};

TEST(UnitLineSearch, ReadsEachUnitAsTheFullPreparationDoes) {
  TempFolder home;
  ScriptedPrompter prompter;
  RecordingObserver observer;
  auto context = makeContext(home, &prompter, &observer);
  for (const bool useIfDefs : {false, true}) {
    context->settings.UseIfDefs = useIfDefs;
    for (const Unit& unit : kUnits) {
      const std::string path = home.write(unit.name, unit.text);
      for (const SearchDialogValues& search : kSearches) {
        const TSearchOptions options(search, home.path());
        LineMatcher matcher(options);
        EXPECT_EQ(lineSearchDifference(searchUnitFile(path, options, useIfDefs, matcher),
                                       searchPreparedUnit(*context, path, options)),
                  "")
            << unit.name << " searched for " << search.Text << (useIfDefs ? " with" : " without")
            << " conditional directives";
      }
    }
  }
}

}  // namespace
}  // namespace sorvik::test
