#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "generic/compressed_list.h"
#include "generic/paths.h"
#include "project/project.h"
#include "search/search_options.h"
#include "search/search_run.h"
#include "support/test_support.h"

namespace sorvik::test {
namespace {

const char* kUnit =
    "unit Unit1;\r\n"                     // 1
    "interface\r\n"                       // 2
    "implementation\r\n"                  // 3
    "procedure Test;\r\n"                 // 4
    "var\r\n"                             // 5
    "  S, T: string;\r\n"                 // 6
    "  N: Integer;\r\n"                   // 7
    "  List: TStringList;\r\n"            // 8
    "begin\r\n"                           // 9
    "  List.Free; { FREE the list }\r\n"  // 10
    "  S   :=   'Free';\r\n"              // 11
    "  N := N + 1;\r\n"                   // 12
    "  S := IntToStr(N) + 'Hi';\r\n"      // 13
    "  FreeAndNil(List);\r\n"             // 14
    "end;\r\n"                            // 15
    "end.\r\n";
const char* kForm =
    "object Form1: TForm1\r\n  Caption = 'Free form'\r\n  OnClose = FreeAll\r\nend\r\n";

// A project of a unit with its form and a unit without an implementation section (the word
// only in a comment, which no search may take for the section), searched with the options
// of the dialog.
class SearchRun : public testing::Test {
 protected:
  SearchRun() : context_(makeContext(home_, &prompter_, &observer_)) {
    project_ = std::make_unique<TProject>(*context_, home_.path() + "P.svk");
    project_->UnitFiles = {
        home_.write("Broken.pas", "unit Broken;\r\ninterface\r\n{ implementation }\r\nend.\r\n"),
        home_.write("Unit1.pas", kUnit)};
    project_->FormFiles = {home_.write("Unit1.dfm", kForm)};
    project_->UnitCount = 2;
    project_->FormCount = 1;
  }

  // The rows of a search: text, type, file and line.
  std::vector<std::string> search(SearchDialogValues values) {
    SetSearchOptions(*context_, std::make_unique<TSearchOptions>(values, home_.path()));
    StartSearch(*project_);
    std::vector<std::string> rows;
    for (const auto& row : searchRows(*project_))
      rows.push_back(row[0] + "|" + row[1] + "|" + row[2] + "|" + row[3]);
    return rows;
  }
  // Ends the search as the dialog's next OK or Cancel does.
  void closeSearch() { SetSearchOptions(*context_, nullptr); }

  static SearchDialogValues text(std::string searchText) {
    SearchDialogValues values;
    values.Text = std::move(searchText);
    return values;
  }

  TempFolder home_;
  ScriptedPrompter prompter_;
  RecordingObserver observer_;
  std::unique_ptr<AppContext> context_;
  std::unique_ptr<TProject> project_;
};

using Rows = std::vector<std::string>;

TEST_F(SearchRun, OptionCombinations) {
  struct Case {
    std::string name;
    SearchDialogValues values;
    Rows rows;
  };
  SearchDialogValues caseSensitive = text("Free"), spacing = text("S   :="),
                     comments = text("FREE THE"), literals = text("FREE"), words = text("FREE"),
                     code = text("FREE"), forms = text("FREE"),
                     regular = text("INTTOSTR\\(\\w+\\)"),
                     variables = text("<integer1>:=<integer1>+<intvalue1>;"),
                     literal = text("<string1>:=INTTOSTR(<integer1>)+'Hi';");
  caseSensitive.CaseSensitive = true;
  spacing.IgnoreSpacing = false;
  comments.IgnoreComments = false;
  literals.IgnoreLiterals = true;
  words.WholeWords = true;
  code.Scope = kScopeSourceCode;
  forms.Scope = kScopeForms;
  regular.Expressions = kRegularExpressions;
  variables.Expressions = literal.Expressions = kVariableExpressions;
  const Case cases[] = {
      {"plain",
       text("free"),
       {"List.Free;|Code|Unit1.pas|10", "S:='Free';|Code|Unit1.pas|11",
        "FreeAndNil(List);|Code|Unit1.pas|14", "  Caption = 'Free form'|Form|Unit1.dfm|2",
        "  OnClose = FreeAll|Form|Unit1.dfm|3"}},
      {"caseSensitive",
       caseSensitive,
       {"List.Free;|Code|Unit1.pas|10", "S:='Free';|Code|Unit1.pas|11",
        "FreeAndNil(List);|Code|Unit1.pas|14", "  Caption = 'Free form'|Form|Unit1.dfm|2",
        "  OnClose = FreeAll|Form|Unit1.dfm|3"}},
      {"keepSpacing", spacing, {"S:='Free';|Code|Unit1.pas|11"}},
      {"compactedSpacing", text("S   :="), {}},
      {"keepComments", comments, {"List.Free;{FREE the list}|Code|Unit1.pas|10"}},
      {"ignoreComments", text("FREE THE"), {}},
      {"ignoreLiterals",
       literals,
       {"List.Free;|Code|Unit1.pas|10", "FreeAndNil(List);|Code|Unit1.pas|14",
        "  OnClose = FreeAll|Form|Unit1.dfm|3"}},
      {"wholeWords",
       words,
       {"List.Free;|Code|Unit1.pas|10", "S:='Free';|Code|Unit1.pas|11",
        "  Caption = 'Free form'|Form|Unit1.dfm|2"}},
      {"sourceCode",
       code,
       {"List.Free;|Code|Unit1.pas|10", "S:='Free';|Code|Unit1.pas|11",
        "FreeAndNil(List);|Code|Unit1.pas|14"}},
      {"forms",
       forms,
       {"  Caption = 'Free form'|Form|Unit1.dfm|2", "  OnClose = FreeAll|Form|Unit1.dfm|3"}},
      {"regular", regular, {"S:=IntToStr(N)+'Hi';|Code|Unit1.pas|13"}},
      {"variables", variables, {"N:=N+1;|Code|Unit1.pas|12"}},
      // A literal of the expression keeps its case, as the code's literals do.
      {"variablesWithLiteral", literal, {"S:=IntToStr(N)+'Hi';|Code|Unit1.pas|13"}},
  };
  // The walk reads the files itself with one job, and with more takes them from workers
  // that read ahead.
  for (const unsigned jobs : {1u, 3u}) {
    context_->Jobs = jobs;
    for (const Case& c : cases) {
      project_->Errors.clear();
      EXPECT_EQ(search(c.values), c.rows) << c.name << ", jobs: " << jobs;
      // The unit without an implementation section, first in the list, is reported and
      // passed over: the units after it are searched. A search of the forms reads no unit.
      if (c.values.Scope == kScopeForms)
        EXPECT_EQ(project_->Errors, Rows{}) << c.name;
      else
        EXPECT_EQ(project_->Errors.back(), "Error scanning file : " + home_.path() + "Broken.pas")
            << c.name;
    }
  }
  EXPECT_EQ(project_->report().statusText(), "Search results: 1 item");
  const TFrontOutput& hit = *project_->report().Results.front();
  EXPECT_EQ(hit.Kind, 401);
  EXPECT_EQ(hit.Line, 13);
  EXPECT_TRUE(project_->report().OutputLines.empty());
}

TEST_F(SearchRun, Limits) {
  for (const unsigned jobs : {1u, 3u}) {
    context_->Jobs = jobs;
    SearchDialogValues values = text("FREE");
    values.Limit = true;
    values.LimitAmount = "0";
    EXPECT_EQ(search(values), Rows{});
    values.LimitAmount = "2";
    EXPECT_EQ(search(values),
              (Rows{"List.Free;|Code|Unit1.pas|10", "S:='Free';|Code|Unit1.pas|11"}));
    values.LimitAmount = "";
    EXPECT_EQ(search(values).size(), 5u);
  }
}

TEST_F(SearchRun, WithinTheLastResults) {
  const std::string stored = home_.path() + "results.dat";
  SearchDialogValues all = text("FREE");
  search(all);
  closeSearch();  // a search of every file leaves results.dat alone
  EXPECT_FALSE(fileExists(stored));

  SearchDialogValues code = text("LIST");
  code.Scope = kScopeSourceCode;
  EXPECT_EQ(search(code).size(), 3u);  // the declaration, Free and FreeAndNil
  closeSearch();
  EXPECT_EQ(LoadCompressedList(stored).size(), 3u);

  SearchDialogValues within = text("FREE");
  within.WithinLastResults = true;
  EXPECT_EQ(search(within),
            (Rows{"List.Free;|Code|Unit1.pas|10", "FreeAndNil(List);|Code|Unit1.pas|14"}));
  closeSearch();
  EXPECT_EQ(LoadCompressedList(stored).size(), 3u);  // this search was of every file
}

}  // namespace
}  // namespace sorvik::test
