#pragma once
// Reals as printf's "%g" and "%.*g" write them in the "C" locale. The
// toolkit sets the numeric locale from the environment, so printf itself
// would write a decimal comma for some users.

#include <string>

namespace kvx {

// The text of "%.*g" with `precision` significant digits: a precision of 0
// counts as 1 and a negative one as 6, as printf has it; "inf", "-inf",
// "nan" and "-nan" for the values that are not finite.
std::string formatGeneral(double value, int precision = 6);

}  // namespace kvx
