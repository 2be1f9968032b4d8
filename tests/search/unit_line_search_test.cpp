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
     "  Implementation  \r\nY:=Format(2)"},
    {"First.pas", "implementation\r\nX := Format(1);\r\n"},
    {"Empty.pas", ""},
    {"Open.pas", "unit Open;\r\nimplementation\r\nX := Format(1); (* Format(\r\nFormat(2);\r\n"},
    {"Blanks.pas", "unit Blanks;\r\nimplementation\r\n   \t \r\n\t\r\nA\t B :=  C ;  \r\n\f\r\n"},
};

struct Search {
  const char* text;
  bool caseSensitive, wholeWords, ignoreSpacing, ignoreComments, ignoreLiterals, regex;
};
const Search kSearches[] = {
    {"Format(", false, false, true, true, false, false},
    {"Format(", false, false, false, false, false, false},
    {"format", true, true, true, true, true, false},
    {"FORMAT(", true, false, false, true, false, false},
    {"Format", false, true, false, false, true, false},
    {"'a'", false, false, true, true, false, false},
    {"It''s", false, true, false, true, false, false},
    {"{$IFDEF", false, false, true, false, false, false},
    {"A B", false, false, true, true, false, false},
    {"A\t B", false, false, false, true, false, false},
    {"implementation", false, true, true, false, false, false},
    {"FORMAT\\s*\\(", false, false, true, true, false, true},
    {"(x|y):=F", false, true, false, false, false, true},
    {"^\\S", true, false, false, true, false, true},
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
      for (const Search& search : kSearches) {
        SearchDialogValues values;
        values.Text = search.text;
        values.CaseSensitive = search.caseSensitive;
        values.WholeWords = search.wholeWords;
        values.IgnoreSpacing = search.ignoreSpacing;
        values.IgnoreComments = search.ignoreComments;
        values.IgnoreLiterals = search.ignoreLiterals;
        values.Expressions = search.regex ? kRegularExpressions : kNoExpressions;
        const TSearchOptions options(values, home.path());
        LineMatcher matcher(options, true);
        EXPECT_EQ(lineSearchDifference(searchUnitFile(path, options, useIfDefs, matcher),
                                       searchPreparedUnit(*context, path, options)),
                  "")
            << unit.name << " searched for " << search.text << (useIfDefs ? " with" : " without")
            << " conditional directives";
      }
    }
  }
}

}  // namespace
}  // namespace sorvik::test
