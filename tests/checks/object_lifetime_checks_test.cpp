#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

const std::vector<std::string> kList = {"  myList: TStringList;", "  Other: TStringList;"};

class ObjectLifetimeTest : public testing::TestWithParam<RoutineCase> {};

TEST_P(ObjectLifetimeTest, ReportsAsExpected) {
  expectRoutineCase(GetParam());
}

// An object not freed is reported on the routine's "end;", the line after the body.
INSTANTIATE_TEST_SUITE_P(
    NotFreed, ObjectLifetimeTest,
    testing::Values(
        RoutineCase{"Created",
                    kList,
                    {"  MYLIST := TStringList.Create;", "  MyList.Add('a');"},
                    101,
                    "myList (TStringList) not being freed",
                    {},
                    2},
        RoutineCase{"CreatedWithOwner",
                    kList,
                    {"  myList := TStringList.Create(nil);"},
                    101,
                    "myList (TStringList) not being freed",
                    {},
                    1},
        RoutineCase{"Freed", kList, {"  myList := TStringList.Create;", "  myList.Free;"}, 101},
        // The free calls are recognised as written, without parentheses.
        RoutineCase{"FreedWithParentheses",
                    kList,
                    {"  myList := TStringList.Create;", "  myList.Free();"},
                    101,
                    "myList (TStringList) not being freed",
                    {},
                    2},
        RoutineCase{
            "FreeAndNil", kList, {"  myList := TStringList.Create;", "  FreeAndNil(myList);"}, 101},
        RoutineCase{
            "Destroyed", kList, {"  myList := TStringList.Create;", "  myList.Destroy;"}, 101},
        RoutineCase{"FreedInFinally",
                    kList,
                    {"  myList := TStringList.Create;", "  try", "    myList.Add('a');",
                     "  finally", "    myList.Free;", "  end;"},
                    101},
        RoutineCase{"FreedInsideWith",
                    kList,
                    {"  myList := TStringList.Create;", "  with myList do", "  begin",
                     "    Add('a');", "    Free;", "  end;"},
                    101},
        RoutineCase{
            "PassedOn", kList, {"  myList := TStringList.Create;", "  Items.Assign(myList);"}, 101},
        RoutineCase{"PassedAmongOthers",
                    kList,
                    {"  myList := TStringList.Create;", "  Keep(1, myList, 2);"},
                    101},
        RoutineCase{
            "AssignedOn", kList, {"  myList := TStringList.Create;", "  FItems := myList;"}, 101},
        RoutineCase{
            "CreatedInBranch", kList, {"  if Ready then myList := TStringList.Create;"}, 101},
        RoutineCase{"CreatedInBlock",
                    kList,
                    {"  if Ready then", "  begin", "    myList := TStringList.Create;", "  end;"},
                    101},
        RoutineCase{"AssignedOtherwise", kList, {"  myList := Other;"}, 101},
        // A property read does not free the object.
        RoutineCase{"PropertyRead",
                    kList,
                    {"  myList := TStringList.Create;", "  Count := myList.Count;"},
                    101,
                    "myList (TStringList) not being freed",
                    {},
                    2},
        // Forms and components have owners of their own.
        RoutineCase{"FormNotFollowed", {"  F: TMyForm;"}, {"  F := TMyForm.Create(nil);"}, 101},
        RoutineCase{
            "ComponentNotFollowed", {"  B: TButton;"}, {"  B := TButton.Create(Self);"}, 101}),
    routineCaseName);

INSTANTIATE_TEST_SUITE_P(
    ExitBeforeFree, ObjectLifetimeTest,
    testing::Values(
        RoutineCase{"ExitLine",
                    kList,
                    {"  myList := TStringList.Create;", "  if myList.Count = 0 then", "    Exit;",
                     "  myList.Free;"},
                    100,
                    "Exit before myList (TStringList) is freed",
                    {},
                    2},
        RoutineCase{
            "ExitAfterThen",
            kList,
            {"  myList := TStringList.Create;", "  if Done then Exit(False);", "  myList.Free;"},
            100,
            "Exit before myList (TStringList) is freed",
            {},
            1},
        RoutineCase{"ExitInsideTryFinally",
                    kList,
                    {"  myList := TStringList.Create;", "  try", "    if Done then Exit;",
                     "  finally", "    myList.Free;", "  end;"},
                    100},
        RoutineCase{"ExitAfterFree",
                    kList,
                    {"  myList := TStringList.Create;", "  myList.Free;", "  if Done then Exit;"},
                    100},
        RoutineCase{"ExitBeforeCreate",
                    kList,
                    {"  if Done then Exit;", "  myList := TStringList.Create;", "  myList.Free;"},
                    100}),
    routineCaseName);

// Kind 106 is off unless switched on.
struct ConstructorCase {
  std::string name;
  std::string statement;
  std::string message;  // empty: nothing
};

class ConstructorNotAssignedTest : public testing::TestWithParam<ConstructorCase> {};

TEST_P(ConstructorNotAssignedTest, ReportsWhenSwitchedOn) {
  const ConstructorCase& constructorCase = GetParam();
  const std::vector<std::string> vars = {"  X: TFoo;"};
  for (const bool on : {false, true}) {
    CheckFixture fixture;
    fixture.settings().WarningEnabled[106 - 100] = on;
    fixture.addUnit("Unit1.pas", routineUnit(vars, {constructorCase.statement}));
    const std::vector<Finding> findings = fixture.scanFor({106});
    if (!on || constructorCase.message.empty()) {
      EXPECT_TRUE(findings.empty()) << on;
      continue;
    }
    ASSERT_EQ(findings.size(), 1u);
    EXPECT_EQ(findings[0].text, constructorCase.message);
    EXPECT_EQ(findings[0].line, routineBodyLine(vars, 0));
    EXPECT_FALSE(findings[0].hasSuggestion);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConstructorNotAssignedTest,
    testing::Values(
        ConstructorCase{"WithOwner", "  TFoo.Create(Self);",
                        "Constructor not assigned, might be \"Foo:=TFoo.Create(Self);\""},
        ConstructorCase{"WithoutArguments", "  TStringList.Create;",
                        "Constructor not assigned, might be \"StringList:=TStringList.Create;\""},
        ConstructorCase{"NestedArguments", "  TFoo.Create(Bar(1), 'a)');",
                        "Constructor not assigned, might be \"Foo:=TFoo.Create(Bar(1),'a)');\""},
        ConstructorCase{"Assigned", "  X := TFoo.Create(Self);", ""},
        ConstructorCase{"Raised", "  raise EFoo.Create('x');", ""},
        ConstructorCase{"Qualified", "  Units.TFoo.Create;", ""},
        ConstructorCase{"OtherConstructorName", "  TFoo.CreateNew(nil);", ""},
        ConstructorCase{"Unbalanced", "  TFoo.Create(Bar(1);", ""}),
    [](const testing::TestParamInfo<ConstructorCase>& info) { return info.param.name; });

}  // namespace
}  // namespace sorvik::test
