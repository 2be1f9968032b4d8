#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

const std::vector<std::string> kObjects = {"  Sender: TObject;", "  Items: TStringList;",
                                           "  Data: TItemData;", "  I: Integer;"};

class CastChecksTest : public testing::TestWithParam<RoutineCase> {};

TEST_P(CastChecksTest, ReportsAsExpected) {
  expectRoutineCase(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    IsAndAs, CastChecksTest,
    testing::Values(
        RoutineCase{"CastOnNextLine",
                    kObjects,
                    {"  if Sender is TButton then", "    (Sender as TButton).Caption := 'x';"},
                    1,
                    "Say TButton(Sender), not Is and As",
                    {"    (TButton(Sender)).Caption := 'x';"},
                    1},
        // Split from one file line: the suggestion is the whole line again.
        RoutineCase{"CastOnSameLine",
                    kObjects,
                    {"  if sender IS TButton then (SENDER as tbutton).Caption := 'x';"},
                    1,
                    "Say TButton(sender), not Is and As",
                    {"  if sender IS TButton then (TButton(sender)).Caption := 'x';"}},
        RoutineCase{
            "EveryOccurrence",
            kObjects,
            {"  if Sender is TEdit then", "    (Sender as TEdit).Text := (Sender as TEdit).Hint;"},
            1,
            "Say TEdit(Sender), not Is and As",
            {"    (TEdit(Sender)).Text := (TEdit(Sender)).Hint;"},
            1},
        // Only whole names are cast: a longer name that ends the same is left alone.
        RoutineCase{"WholeNamesOnly",
                    kObjects,
                    {"  if Sender is TEdit then",
                     "    (Sender as TEdit).Text := (MySender as TEdit).Hint;"},
                    1,
                    "Say TEdit(Sender), not Is and As",
                    {"    (TEdit(Sender)).Text := (MySender as TEdit).Hint;"},
                    1},
        RoutineCase{"QualifiedObject",
                    kObjects,
                    {"  if Data.Owner is TForm then", "    (Data.Owner as TForm).Close;"},
                    1,
                    "Cast as TForm instead of using As",
                    {},
                    1},
        RoutineCase{"OtherClass",
                    kObjects,
                    {"  if Sender is TButton then", "    (Sender as TEdit).Text := 'x';"},
                    1},
        RoutineCase{"NotTheNextStatement",
                    kObjects,
                    {"  if Sender is TButton then", "    I := 0;", "  (Sender as TButton).Click;"},
                    1},
        RoutineCase{
            "BlockAfterIf",
            kObjects,
            {"  if Sender is TButton then", "  begin", "    (Sender as TButton).Click;", "  end;"},
            1}),
    routineCaseName);

INSTANTIATE_TEST_SUITE_P(
    StringListItems, CastChecksTest,
    testing::Values(
        RoutineCase{"ItemCast",
                    kObjects,
                    {"  Data := TItemData(items[I]);"},
                    107,
                    "String of stringlist Items cast as object",
                    {"  Data := TItemData(Items.Objects[I]);"}},
        RoutineCase{"StringsCast",
                    kObjects,
                    {"  Data := TItemData(Items.Strings[I]);"},
                    107,
                    "String of stringlist Items cast as object",
                    {"  Data := TItemData(Items.Objects[I]);"}},
        // Blanks the compact text does not have: reported without a suggestion.
        RoutineCase{"WrittenWithBlanks",
                    kObjects,
                    {"  Data := TItemData (Items[I]);"},
                    107,
                    "String of stringlist Items cast as object"},
        RoutineCase{"ObjectsAlready", kObjects, {"  Data := TItemData(Items.Objects[I]);"}, 107},
        RoutineCase{"UndeclaredType", kObjects, {"  Data := TOther(Items[I]);"}, 107},
        RoutineCase{"NoAssignment", kObjects, {"  Show(TItemData(Items[I]));"}, 107}),
    routineCaseName);

}  // namespace
}  // namespace sorvik::test
