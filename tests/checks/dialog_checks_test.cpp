#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

const std::vector<std::string> kVars = {"  R: Integer;", "  S: string;"};

class DialogChecksTest : public testing::TestWithParam<RoutineCase> {};

TEST_P(DialogChecksTest, ReportsAsExpected) {
  expectRoutineCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, DialogChecksTest,
    testing::Values(
        RoutineCase{
            "OneButtonCompared",
            kVars,
            {"  if MessageDlg('Save', mtConfirmation, [mbOK], 0) = mrYes then", "    S := '';"},
            102,
            "User can only make one selection of dialog buttons"},
        RoutineCase{"EmptySetAssigned",
                    kVars,
                    {"  R := MessageDlg('x', mtError, [], 0);"},
                    102,
                    "User can only make one selection of dialog buttons"},
        RoutineCase{"AssignedOnLineBefore",
                    kVars,
                    {"  R :=", "    MessageDlg('Saved', mtInformation, [mbOK], 0);"},
                    102,
                    "User can only make one selection of dialog buttons",
                    {},
                    1},
        RoutineCase{"TwoButtonsIgnored",
                    kVars,
                    {"  MessageDlg('Really?', mtConfirmation, [mbYes, mbNo], 0);"},
                    102,
                    "User selection of dialog buttons ignored"},
        RoutineCase{"CallSpreadOverLines",
                    kVars,
                    {"  MessageDlg('Really?',", "    mtConfirmation, [mbYes, mbNo], 0);"},
                    102,
                    "User selection of dialog buttons ignored"},
        RoutineCase{"PositionedDialog",
                    kVars,
                    {"  MessageDlgPos('Go', mtConfirmation, [mbYes, mbNo], 0, 10, 10);"},
                    102,
                    "User selection of dialog buttons ignored"},
        RoutineCase{"QuestionWithOneButton",
                    kVars,
                    {"  MessageDlg('Done?', mtInformation, [mbOK], 0);"},
                    102,
                    "A question is asked but only one button selection available"},
        // Help does not count as a choice.
        RoutineCase{"HelpIsNoChoice",
                    kVars,
                    {"  MessageDlg('Done', mtInformation, [mbYes, mbHelp], 0);"},
                    102},
        RoutineCase{"HelpButtonCompared",
                    kVars,
                    {"  if MessageDlg('Done', mtInformation, [mbYes, mbHelp], 0) = mrYes then",
                     "    S := '';"},
                    102,
                    "User can only make one selection of dialog buttons"},
        RoutineCase{"TwoButtonsAssigned",
                    kVars,
                    {"  R := MessageDlg('Sure?', mtConfirmation, [mbYes, mbNo], 0);"},
                    102},
        RoutineCase{"TwoButtonsCompared",
                    kVars,
                    {"  if MessageDlg('Quit?', mtConfirmation, [mbYes, mbNo], 0) = mrYes then",
                     "    Close;"},
                    102},
        RoutineCase{
            "TwoButtonsComparedUnequal",
            kVars,
            {"  if MessageDlg('Quit?', mtConfirmation, [mbYes, mbNo], 0) <> mrYes then Exit;"},
            102},
        RoutineCase{
            "OneButtonInfo", kVars, {"  MessageDlg('Done', mtInformation, [mbOK], 0);"}, 102}),
    routineCaseName);

INSTANTIATE_TEST_SUITE_P(
    Ampersands, DialogChecksTest,
    testing::Values(RoutineCase{"ShowMessage",
                                kVars,
                                {"  ShowMessage('Save & exit');"},
                                103,
                                "Single ampersand will appear as _ in message box",
                                {"  ShowMessage('Save && exit');"}},
                    RoutineCase{
                        "MessageDlg",
                        kVars,
                        {"  MessageDlg('Save & exit?', mtConfirmation, [mbYes, mbNo], 0);"},
                        103,
                        "Single ampersand will appear as _ in message box",
                        {"  MessageDlg('Save && exit?', mtConfirmation, [mbYes, mbNo], 0);"}},
                    RoutineCase{"AfterThen",
                                kVars,
                                {"  if S = '' then ShowMessage('A & B');"},
                                103,
                                "Single ampersand will appear as _ in message box",
                                {"  if S = '' then ShowMessage('A && B');"}},
                    RoutineCase{"Doubled", kVars, {"  ShowMessage('Save && exit');"}, 103},
                    RoutineCase{"InsideNestedCall",
                                kVars,
                                {"  MessageDlg(Format('A & %s', [S]), mtInformation, [mbOK], 0);"},
                                103},
                    RoutineCase{"LiteralAfterVariable",
                                kVars,
                                {"  ShowMessage(S + ' & ');"},
                                103,
                                "Single ampersand will appear as _ in message box",
                                {"  ShowMessage(S + ' && ');"}}),
    routineCaseName);

INSTANTIATE_TEST_SUITE_P(
    BusyCursor, DialogChecksTest,
    testing::Values(
        RoutineCase{"ExitWhileBusy",
                    kVars,
                    {"  Screen.Cursor := crHourGlass;", "  if S = '' then", "    Exit;",
                     "  Screen.Cursor := crDefault;"},
                    9,
                    "Cursor may be left as busy",
                    {},
                    2},
        RoutineCase{
            "SetCursor",
            kVars,
            {"  SetCursor(crHourGlass);", "  if S = '' then Exit;", "  SetCursor(crDefault);"},
            9,
            "Cursor may be left as busy",
            {},
            1},
        RoutineCase{"TryFinally",
                    kVars,
                    {"  Screen.Cursor := crHourGlass;", "  try", "    if S = '' then Exit;",
                     "  finally", "    Screen.Cursor := crDefault;", "  end;"},
                    9},
        RoutineCase{"ExitAfterReset",
                    kVars,
                    {"  Screen.Cursor := crHourGlass;", "  Screen.Cursor := crDefault;",
                     "  if S = '' then Exit;"},
                    9},
        RoutineCase{
            "NeverReset", kVars, {"  Screen.Cursor := crHourGlass;", "  if S = '' then Exit;"}, 9},
        RoutineCase{"SecondBusySpell",
                    kVars,
                    {"  Screen.Cursor := crHourGlass;", "  Screen.Cursor := crDefault;",
                     "  Screen.Cursor := crHourGlass;", "  if S = '' then Exit;",
                     "  Screen.Cursor := crDefault;"},
                    9,
                    "Cursor may be left as busy",
                    {},
                    3}),
    routineCaseName);

// The modal form owner needs the project's forms.
struct ModalCase {
  std::string name;
  std::vector<std::string> body;
  std::vector<std::string> suggestion = {};  // empty: nothing reported
};

class ModalFormOwnerTest : public testing::TestWithParam<ModalCase> {};

TEST_P(ModalFormOwnerTest, ReportsAsExpected) {
  const ModalCase& modal = GetParam();
  CheckFixture fixture;
  fixture.addUnit("Unit1.pas", routineUnit({}, modal.body),
                  {"object Form2: TForm2", "  Caption = 'Settings'", "end"});
  const std::vector<Finding> findings = fixture.scanFor({34});
  EXPECT_TRUE(fixture.errors().empty());
  if (modal.suggestion.empty()) {
    EXPECT_TRUE(findings.empty());
    return;
  }
  ASSERT_EQ(findings.size(), 1u);
  EXPECT_EQ(findings[0].line, routineBodyLine({}, 0));
  EXPECT_EQ(findings[0].text, "Use nil for parent creating modal form");
  EXPECT_EQ(findings[0].suggestions, modal.suggestion);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModalFormOwnerTest,
    testing::Values(
        ModalCase{"ApplicationOwner",
                  {"  Form2 := TForm2.Create(Application);", "  try", "      Form2.ShowModal;",
                   "  finally", "    Form2.Free;", "  end;"},
                  {"      Form2:=TForm2.Create(nil);"}},
        ModalCase{"FreeAndNil",
                  {"  form2 := TForm2.Create(application);", "  form2.ShowModal;",
                   "  FreeAndNil(form2);"},
                  {"  form2:=TForm2.Create(nil);"}},
        ModalCase{"NilOwner",
                  {"  Form2 := TForm2.Create(nil);", "  Form2.ShowModal;", "  Form2.Free;"}},
        ModalCase{"NotFreed", {"  Form2 := TForm2.Create(Application);", "  Form2.ShowModal;"}},
        ModalCase{"NotModal", {"  Form2 := TForm2.Create(Application);", "  Form2.Free;"}},
        ModalCase{
            "ShownBefore",
            {"  Form2.ShowModal;", "  Form2.Free;", "  Form2 := TForm2.Create(Application);"}},
        ModalCase{
            "NotAProjectForm",
            {"  Form3 := TForm3.Create(Application);", "  Form3.ShowModal;", "  Form3.Free;"}}),
    [](const testing::TestParamInfo<ModalCase>& info) { return info.param.name; });

}  // namespace
}  // namespace sorvik::test
