#include <gtest/gtest.h>

#include "check_fixture.h"

namespace sorvik::test {
namespace {

const std::vector<std::string> kVars = {"  Options: TOptions;", "  N: Integer;"};

INSTANTIATE_TEST_SUITE_P(
    Sets, RoutineCaseTest,
    testing::Values(RoutineCase{"AddOne",
                                kVars,
                                {"  Options := Options + [opFast];"},
                                29,
                                "Include is faster for set 'Options' if it is not a property",
                                {"  Include(Options,opFast);"}},
                    RoutineCase{"TakeOne",
                                kVars,
                                {"    Options:=Options-[opFast];"},
                                29,
                                "Exclude is faster for set 'Options' if it is not a property",
                                {"    Exclude(Options,opFast);"}},
                    RoutineCase{"AddSeveral",
                                kVars,
                                {"  Options := Options + [opFast, opSafe];"},
                                29,
                                "Include and exclude are faster"},
                    RoutineCase{"AddAndTake",
                                kVars,
                                {"  Options := Options + [opFast] - [opSafe];"},
                                29,
                                "Include and exclude are faster"},
                    RoutineCase{"AddRange",
                                kVars,
                                {"  Chars := Chars + ['a'..'z'];"},
                                29,
                                "Include and exclude are faster"},
                    RoutineCase{"FontStyle", kVars, {"  Font.Style := Font.Style + [fsBold];"}, 29},
                    RoutineCase{"OtherSet", kVars, {"  Options := Defaults + [opFast];"}, 29},
                    RoutineCase{"SetOnRight", kVars, {"  Options := [opFast] + Options;"}, 29},
                    RoutineCase{"IndexedAddition", kVars, {"  N := N + A[1];"}, 29}),
    routineCaseName);

}  // namespace
}  // namespace sorvik::test
