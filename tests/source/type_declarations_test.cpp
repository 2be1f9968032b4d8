// How far declaration lines open and close structured types.
#include "source/type_declarations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sorvik {
namespace {

struct NestingCase {
  std::string name;
  std::vector<std::string> lines;  // compact upper-case text
  std::vector<bool> inside;        // what read() says of each line
  int depth;                       // after the last line
};

void PrintTo(const NestingCase& c, std::ostream* out) {
  *out << c.name;
}

class TypeNestingTest : public ::testing::TestWithParam<NestingCase> {};

TEST_P(TypeNestingTest, FollowsStructuredTypes) {
  const NestingCase& c = GetParam();
  TypeNesting nesting;
  std::vector<bool> inside;
  for (const std::string& line : c.lines) inside.push_back(nesting.read(line));
  EXPECT_EQ(inside, c.inside);
  EXPECT_EQ(nesting.depth(), c.depth);
}

INSTANTIATE_TEST_SUITE_P(
    Declarations, TypeNestingTest,
    ::testing::Values(
        NestingCase{"RecordOnOneLine", {"R:RECORD A:INTEGER;END;", "I:INTEGER;"}, {true, false}, 0},
        NestingCase{
            "VariantRecord",
            {"R:PACKED RECORD", "CASE K:INTEGER OF", "0:(A:RECORD X:BYTE;END);", "END;", "END;"},
            {true, true, true, true, false},
            0},
        NestingCase{"ClassWithMembers",
                    {"TA=CLASS(TOBJECT)", "PROCEDURE X;", "END;"},
                    {true, true, true},
                    0},
        NestingCase{"ClassesWithoutMembers",
                    {"TA=CLASS;", "TB=CLASS(EXCEPTION);", "TC=CLASS OF TA;",
                     "TE=PROCEDURE OF OBJECT;", "TI=INTERFACE;"},
                    {false, false, false, false, false},
                    0},
        NestingCase{"OneLineClass", {"TA=CLASS(TB) END;"}, {true}, 0},
        NestingCase{"OpeningOnTheLineAfterTheEquals",
                    {"TA=", "CLASS SEALED(TB)", "PROCEDURE X;"},
                    {false, true, true},
                    1},
        NestingCase{"GenericConstraintsOpenNothing",
                    {"TL<T:RECORD;C:CLASS>=CLASS(TOBJECT)", "F:T;"},
                    {true, true},
                    1},
        NestingCase{"LiteralsOpenNothing", {"S='=CLASS RECORD';"}, {false}, 0},
        NestingCase{"AStrayEndClosesNothing", {"END;", "I:INTEGER;"}, {false, false}, 0}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace sorvik
