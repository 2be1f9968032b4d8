// Numbers as the form text writes them: "." as the decimal separator whatever the
// locale.
#pragma once

#include <string>

namespace sorvik {

// The shortest text of at most 15 significant digits, as the IDE writes a float into a
// form: "50", "12.5", "0.0001"; in scientific notation below 0.0001 and from 1E15 on
// ("1.5E-7", "-2.5E300").
std::string generalFloatText(long double value);

}  // namespace sorvik
