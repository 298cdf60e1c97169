// ParseNumber, NumberText and RoundHalfEven on any text and any Double: the
// parse agrees with the C library, a number's text reads back to it, and
// rounding agrees with the decimal rounding of the digits.

#include <fuzzer/FuzzedDataProvider.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_services.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::fuzz {
namespace {

// Values from here up show 15 digits beyond the Double range (1.79769313486232E+308),
// which read as an overflow.
constexpr double kLargestReadable = 1.797693134862315e308;

// The text of x keeps to its form and reads back; rounding x to n decimals
// stays finite, near, and unchanged when done twice.
void checkValue(double x, int n) {
  const std::string text = runtime::NumberText(x);
  const auto decimal = decimalText(text);
  if (!decimal || decimal->core != text) finding("NumberText is not a decimal text", text);
  if (decimal->significantDigits > 15) finding("NumberText shows more than 15 digits", text);
  const std::size_t point = text.find('.');
  const std::size_t mantissaEnd = std::min(text.find('E'), text.size());
  if (point != std::string::npos && text[mantissaEnd - 1] == '0')
    finding("NumberText keeps a trailing zero", text);
  if (std::fabs(x) < kLargestReadable) {
    const double back = runtime::ParseNumber(text);
    if (runtime::NumberText(back) != text) finding("NumberText does not read back", text);
    if (std::fabs(back - x) > std::fabs(x) * 1e-14) finding("NumberText is not near", text);
  }
  const double r = runtime::RoundHalfEven(x, n);
  if (!std::isfinite(r)) finding("RoundHalfEven of a finite value is not finite");
  // Off by at most half a unit of the last decimal, and by the 15-digit
  // rounding that decides ties.
  const double unit = std::pow(10.0, -n);
  if (std::fabs(r - x) > 0.5 * unit + std::fabs(x) * 1e-14 + DBL_MIN)
    finding("RoundHalfEven moved too far", runtime::NumberText(x) + " to " + std::to_string(n));
  if (runtime::RoundHalfEven(r, n) != r)
    finding("RoundHalfEven twice differs", runtime::NumberText(x) + " to " + std::to_string(n));
}

// A value of at most 15 digits, digits / 10^scale, rounded to n decimals:
// the expected value comes from the digits in integer arithmetic, half to
// even, and is a quotient of two exact Doubles, as correctly rounded as the
// reading of its decimal text.
void checkDecimalRounding(std::int64_t digits, int scale, int n) {
  const double x = static_cast<double>(digits) / std::pow(10.0, scale);
  checkValue(x, n);
  std::int64_t kept = digits;
  int keptScale = scale;
  if (n < scale) {
    std::int64_t unit = 1;
    for (int k = n; k < scale; ++k) unit *= 10;
    const std::int64_t magnitude = digits < 0 ? -digits : digits;
    std::int64_t q = magnitude / unit;
    const std::int64_t r = magnitude % unit;
    if (2 * r > unit || (2 * r == unit && q % 2 == 1)) ++q;
    kept = digits < 0 ? -q : q;
    keptScale = n;
  }
  const double expected = static_cast<double>(kept) / std::pow(10.0, keptScale);
  const double rounded = runtime::RoundHalfEven(x, n);
  if (rounded != expected && !(rounded == 0.0 && expected == 0.0))
    finding("RoundHalfEven differs from the decimal rounding",
            std::to_string(digits) + "e-" + std::to_string(scale) + " to " + std::to_string(n) +
                " decimals: " + runtime::NumberText(rounded) + " instead of " +
                runtime::NumberText(expected));
}

void checkText(const std::string& text, int decimals) {
  const auto decimal = decimalText(text);
  double parsed = 0.0;
  bool number = true;
  try {
    parsed = runtime::ParseNumber(text);
  } catch (const runtime::RuntimeError&) {
    number = false;
  }
  if (number != runtime::IsNumber(text)) finding("IsNumber disagrees with ParseNumber", text);
  if (!decimal) {
    if (number) finding("ParseNumber read a text that is not a decimal number", text);
    return;
  }
  const double c = std::strtod(decimal->core.c_str(), nullptr);  // the C locale of this process
  if (std::isinf(c)) {
    if (number) finding("ParseNumber read a value beyond the Double range", text);
    return;
  }
  if (!number) finding("ParseNumber refused a decimal number", text);
  // Values below the normal range may read as zero.
  if (parsed != c && !(std::fabs(c) < DBL_MIN && parsed == 0.0))
    finding("ParseNumber differs from the C library", text);
  if (decimal->significantDigits <= 15 && std::fabs(parsed) >= DBL_MIN &&
      runtime::ParseNumber(runtime::NumberText(parsed)) != parsed)
    finding("a number of 15 digits does not read back", text);
  checkValue(parsed, decimals);
}

}  // namespace
}  // namespace corvasine::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvasine::fuzz;
  FuzzedDataProvider input(data, size);
  // The mode is the last byte: a text input ends in its decimals byte and 0.
  switch (input.ConsumeIntegralInRange(0, 2)) {
    case 0: {
      const int decimals = input.ConsumeIntegralInRange(0, 20);
      checkText(input.ConsumeRemainingBytesAsString(), decimals);
      break;
    }
    case 1: {
      const double x = input.ConsumeFloatingPoint<double>();
      if (std::isfinite(x)) checkValue(x, input.ConsumeIntegralInRange(0, 20));
      break;
    }
    default: {
      constexpr std::int64_t kLargest = 999'999'999'999'999;  // 15 digits
      const std::int64_t digits = input.ConsumeIntegralInRange<std::int64_t>(-kLargest, kLargest);
      // Scales up to 10^18, which a 64-bit integer holds.
      checkDecimalRounding(digits, input.ConsumeIntegralInRange(0, 18),
                           input.ConsumeIntegralInRange(0, 20));
      break;
    }
  }
  return 0;
}
