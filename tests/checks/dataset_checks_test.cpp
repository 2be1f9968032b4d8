#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

// A form with a table, a single-selection list box and a multi-selection one.
const std::vector<std::string> kForm = {"object Form1: TForm1",
                                        "  object Table1: TTable",
                                        "  end",
                                        "  object ListBox1: TListBox",
                                        "    MultiSelect = False",
                                        "  end",
                                        "  object ListBox2: TListBox",
                                        "    MultiSelect = True",
                                        "  end",
                                        "end"};

const std::vector<std::string> kVars = {"  Query: TQuery;", "  N: Integer;"};

class DatasetChecksTest : public testing::TestWithParam<RoutineCase> {};

TEST_P(DatasetChecksTest, ReportsAsExpected) {
  expectRoutineCase(GetParam(), kForm);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DatasetChecksTest,
    testing::Values(
        // Open and Close of the form's tables and of Table and Query variables.
        RoutineCase{"OpenFormTable",
                    kVars,
                    {"  table1.Open;"},
                    23,
                    "Use \"Table1.Active:=True;\" instead",
                    {"  Table1.Active:=True;"}},
        RoutineCase{"CloseQueryVariable",
                    kVars,
                    {"    QUERY.Close;"},
                    23,
                    "Use \"Query.Active:=False;\" instead",
                    {"    Query.Active:=False;"}},
        RoutineCase{"OpenWithArgument", kVars, {"  Table1.Open(1);"}, 23},
        RoutineCase{"OpenOfOtherObject", kVars, {"  File1.Open;"}, 23},
        RoutineCase{"OpenInCondition",
                    kVars,
                    {"  if N > 0 then Table1.Open;"},
                    23,
                    "Use \"Table1.Active:=True;\" instead",
                    {"  if N > 0 then Table1.Active:=True;"}},
        // SelCount of a list box that allows one selection only.
        RoutineCase{"SelCountOfSingleSelection",
                    kVars,
                    {"  N := ListBox1.SelCount;"},
                    115,
                    "The result of Listbox1.SelCount will always be -1 when MultiSelect=False"},
        RoutineCase{"SelCountOfMultiSelection", kVars, {"  N := ListBox2.SelCount;"}, 115},
        RoutineCase{"SelCountInCondition", kVars, {"  if ListBox1.SelCount > 0 then N := 1;"}, 115},
        RoutineCase{"ItemIndexOfSingleSelection", kVars, {"  N := ListBox1.ItemIndex;"}, 115}),
    routineCaseName);

TEST(DatasetWithoutFormTest, FormObjectsAreUnknown) {
  expectRoutineCase({"NoForm", kVars, {"  N := ListBox1.SelCount;"}, 115});
  expectRoutineCase({"NoFormTable", kVars, {"  Table1.Open;"}, 23});
}

}  // namespace
}  // namespace sorvik::test
