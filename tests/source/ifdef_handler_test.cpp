// Conditional variants of a unit.
#include "source/ifdef_handler.h"

#include <gtest/gtest.h>

#include "project/results.h"
#include "project/scan_driver.h"
#include "source/routine_analysers.h"
#include "source_fixture.h"

namespace sorvik {
namespace {

using test::SourceFixture;
using Lines = std::vector<std::string>;

// The body of the unit's only routine in every variant the handler walks.
std::vector<Lines> variantBodies(SourceFixture& f, const std::string& unit) {
  auto handler = f.load(unit);
  std::vector<Lines> bodies;
  do {
    const auto routines = f.routines(*handler);
    bodies.push_back(routines.empty() ? Lines{} : routines[0].body);
  } while (!handler->NextVariant());
  return bodies;
}

Lines unitWith(const Lines& body) {
  Lines lines = {"unit U;", "interface", "implementation", "procedure P;", "begin"};
  lines.insert(lines.end(), body.begin(), body.end());
  lines.insert(lines.end(), {"end;", "end."});
  return lines;
}

struct VariantCase {
  std::string name;
  Lines body;
  std::vector<Lines> variants;
};

void PrintTo(const VariantCase& c, std::ostream* out) {
  *out << c.name;
}

class VariantTest : public ::testing::TestWithParam<VariantCase> {};

TEST_P(VariantTest, WalksEveryDistinctVariant) {
  SourceFixture f;
  f.settings().UseIfDefs = true;
  const VariantCase& c = GetParam();
  EXPECT_EQ(variantBodies(f, f.addUnit("U.pas", unitWith(c.body))), c.variants);
}

INSTANTIATE_TEST_SUITE_P(
    Units, VariantTest,
    ::testing::Values(
        VariantCase{"ElseBranch", {"{$IFDEF DEBUG} A; {$ELSE} B; {$ENDIF}"}, {{"B;"}, {"A;"}}},
        VariantCase{"ElseOnLinesOfItsOwn",
                    {"{$IFDEF DEBUG}", "A;", "{$ELSE}", "B;", "{$ENDIF}", "C;"},
                    {{"B;", "C;"}, {"A;", "C;"}}},
        VariantCase{"IfNDef", {"{$IFNDEF X} A; {$ENDIF}"}, {{"A;"}, {}}},
        VariantCase{"NestedOnlyTheOuterDecides",
                    {"{$IFDEF A}{$IFDEF B} X; {$ENDIF}{$ENDIF}", "Y;"},
                    {{"Y;"}, {"X;", "Y;"}}},
        VariantCase{"RepeatedVariantsAreSkipped",
                    {"{$IFDEF A}{$ENDIF}", "{$IFDEF B}{$ENDIF}", "Z;"},
                    {{"Z;"}}}),
    [](const auto& info) { return info.param.name; });

TEST(VariantTest, OnlyTheFirstEightSymbolsBecomeDigits) {
  SourceFixture f;
  f.settings().UseIfDefs = true;
  Lines body;
  for (int n = 1; n <= 9; ++n) body.push_back("{$IFDEF S" + std::to_string(n) + "} X; {$ENDIF}");
  const auto handler = f.load(f.addUnit("U.pas", unitWith(body)));
  EXPECT_EQ(handler->Symbols.size(), 8u);
  EXPECT_EQ(handler->VariantCount, 256);
  EXPECT_EQ(handler->Variants[1], "00000000");
  EXPECT_EQ(handler->Variants[256], "11111111");
}

TEST(VariantTest, LaterVariantsSayUnderSpecificDefines) {
  SourceFixture f;
  f.settings().UseIfDefs = true;
  const std::string unit = f.addUnit("U.pas", unitWith({"{$IFDEF DEBUG} A; {$ENDIF}"}));
  f.project().context().service<RoutineAnalysers>().onRoutine.push_back(
      [](TProject& project, TProcedureItem& routine) {
        AddResult(project, 7, routine.BeginLine + 1, "Found", &routine);
      });
  f.project().UnitFiles = {unit};
  Start(f.project());
  EXPECT_EQ(
      f.project().report().OutputLines,
      (Lines{"\"U.pas\"(7):[Hint] Found", "\"U.pas\"(6):[Hint] Under specific defines, Found"}));
}

}  // namespace
}  // namespace sorvik
