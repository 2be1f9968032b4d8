#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

const std::vector<std::string> kLists = {"  myList: TStringList;", "  Coll: TCollection;",
                                         "  I: Integer;", "  S: string;"};
const std::vector<std::string> kDatasets = {"  Q: TQuery;", "  N: Integer;"};

class LoopChecksTest : public testing::TestWithParam<RoutineCase> {};

TEST_P(LoopChecksTest, ReportsAsExpected) {
  expectRoutineCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, LoopChecksTest,
    testing::Values(
        RoutineCase{"ToCount",
                    kLists,
                    {"  for I := 0 to MYLIST.Count do", "    MyList[I] := '';"},
                    108,
                    "Loop count should only go to Count-1, not myList.Count"},
        RoutineCase{"DownToFromCount",
                    kLists,
                    {"  for I := myList.Count downto 0 do", "    S := myList[I];"},
                    108,
                    "Loop count should only go to Count-1, not myList.Count"},
        RoutineCase{"WhileUpToCount",
                    kLists,
                    {"  while I <= myList.Count do", "  begin", "    S := S + myList[I];",
                     "    Inc(I);", "  end;"},
                    108,
                    "Loop count should only go to Count-1, not myList.Count"},
        RoutineCase{"ToCountMinusOne",
                    kLists,
                    {"  for I := 0 to myList.Count - 1 do", "    myList[I] := '';"},
                    108},
        RoutineCase{"WhileBelowCount",
                    kLists,
                    {"  while I <= myList.Count - 1 do", "    S := myList[I];"},
                    108},
        RoutineCase{
            "NoItemRead", kLists, {"  for I := 0 to myList.Count do", "    S := S + 'x';"}, 108},
        RoutineCase{
            "OtherIndex", kLists, {"  for I := 0 to myList.Count do", "    S := myList[0];"}, 108}),
    routineCaseName);

INSTANTIATE_TEST_SUITE_P(
    Reduction, LoopChecksTest,
    testing::Values(RoutineCase{"DeleteInLoop",
                                kLists,
                                {"  for I := 0 to myList.Count - 1 do",
                                 "    if myList[I] = '' then myList.Delete(I);"},
                                114,
                                "For Loop count is being reduced,perhaps use DownTo"},
                    RoutineCase{"ItemsDelete",
                                kLists,
                                {"  for I := 0 to Coll.Count - 1 do", "  begin",
                                 "    Coll.Items.Delete(I);", "  end;"},
                                114,
                                "For Loop count is being reduced,perhaps use DownTo"},
                    RoutineCase{"DeleteThenBreak",
                                kLists,
                                {"  for I := 0 to myList.Count - 1 do", "  begin",
                                 "    myList.Delete(I);", "    Break;", "  end;"},
                                114},
                    RoutineCase{
                        "DownTo",
                        kLists,
                        {"  for I := myList.Count - 1 downto 0 do", "    myList.Delete(I);"},
                        114},
                    RoutineCase{"DeleteOtherIndex",
                                kLists,
                                {"  for I := 0 to myList.Count - 1 do", "    myList.Delete(0);"},
                                114}),
    routineCaseName);

INSTANTIATE_TEST_SUITE_P(
    Direction, LoopChecksTest,
    testing::Values(RoutineCase{"ToZero",
                                kLists,
                                {"  for I := myList.Count to 0 do", "    S := S + 'x';"},
                                112,
                                "Loop count should should probably use downto instead of to",
                                {"  for I := myList.Count downto 0 do"}},
                    // "TO" twice: where "down" goes is not certain.
                    RoutineCase{"TwoTos",
                                kLists,
                                {"  for I := myList.Count to 0 do Log('GO TO END');"},
                                112,
                                "Loop count should should probably use downto instead of to"},
                    RoutineCase{"AlreadyDownTo",
                                kLists,
                                {"  for I := myList.Count - 1 downto 0 do", "    S := S + 'x';"},
                                112},
                    RoutineCase{"CountMinusOneToZero",
                                kLists,
                                {"  for I := myList.Count - 1 to 0 do", "    S := S + 'x';"},
                                112}),
    routineCaseName);

INSTANTIATE_TEST_SUITE_P(
    Datasets, LoopChecksTest,
    testing::Values(
        RoutineCase{"NeverMoves",
                    kDatasets,
                    {"  while not Q.Eof do", "  begin", "    Inc(N);", "  end;"},
                    116,
                    "Dataset loop condition may not be met"},
        RoutineCase{"NeverMovesParenthesised",
                    kDatasets,
                    {"  while not (Q.Eof) do", "    Inc(N);"},
                    116,
                    "Dataset loop condition may not be met"},
        RoutineCase{"BackwardsNeverMoves",
                    kDatasets,
                    {"  while not Q.Bof do", "  begin", "    Q.Next;", "  end;"},
                    116,
                    "Dataset loop condition may not be met"},
        RoutineCase{
            "Next", kDatasets, {"  while not Q.Eof do", "  begin", "    Q.Next;", "  end;"}, 116},
        RoutineCase{"NextOnSameLine", kDatasets, {"  while not Q.Eof do Q.Next;"}, 116},
        RoutineCase{"Prior", kDatasets, {"  while not Q.Bof do", "    Q.Prior;"}, 116},
        RoutineCase{"Delete", kDatasets, {"  while not Q.Eof do", "    Q.Delete;"}, 116},
        RoutineCase{
            "Break",
            kDatasets,
            {"  while not Q.Eof do", "  begin", "    if N > 3 then", "      Break;", "  end;"},
            116},
        RoutineCase{"NotADataset", kDatasets, {"  while not R.Eof do", "    Inc(N);"}, 116}),
    routineCaseName);

// The Table and Query objects of the unit's form are datasets too, also when the loop names
// them with the form in front.
TEST(DatasetLoopFormTest, FormQueriesAreDatasets) {
  const std::vector<std::string> form = {"object Form1: TForm1", "  Left = 0",
                                         "  object Query1: TQuery", "  end", "end"};
  const auto scanLoop = [&](const std::vector<std::string>& body) {
    CheckFixture fixture;
    fixture.addUnit("Unit1.pas", routineUnit({}, body), form);
    return fixture.scanFor({116});
  };
  const std::vector<Finding> unmoved =
      scanLoop({"  while not Form1.Query1.Eof do", "  begin", "    Beep;", "  end;"});
  ASSERT_EQ(unmoved.size(), 1u);
  EXPECT_EQ(unmoved[0].line, routineBodyLine({}, 0));
  EXPECT_TRUE(scanLoop({"  while not Query1.Eof do", "    Form1.Query1.Next;"}).empty());
}

}  // namespace
}  // namespace sorvik::test
