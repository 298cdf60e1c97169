#pragma once

#include <string>
#include <string_view>

namespace corvasine::runtime {

// Double from a decimal text: optional blanks around, optional sign, digits
// with an optional point, optional exponent (e or E, optional sign, digits).
// Empty or non-numeric text, or a value beyond the Double range, raises
// RuntimeError. Independent of the process locale.
double ParseNumber(std::string_view text);

// Whether ParseNumber would succeed.
bool IsNumber(std::string_view text);

// Shortest decimal text of x with at most 15 significant digits, no trailing
// zeros, no point for whole values, "." as decimal separator, "-" for negatives
// ("0" for -0). Very large or small magnitudes use an exponent ("1E+20").
std::string NumberText(double x);

// x rounded to n decimals (n >= 0), a tie going to the even digit. The tie is
// judged on the decimal value of x to 15 significant digits, the digits the
// user sees: 33.125 gives 33.12, 2.675 gives 2.68 and -459.67 stays -459.67.
double RoundHalfEven(double x, int n);

}  // namespace corvasine::runtime
