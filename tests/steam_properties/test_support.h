// Helpers shared by the property library's tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace corvasine::steam::testing {

inline constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

// Half a unit in the ninth significant digit of a printed value.
inline double halfUnitOfNinthDigit(double printed) {
  return 0.5 * std::pow(10.0, std::floor(std::log10(std::abs(printed))) - 8.0);
}

// A value printed to nine significant digits: the computed value must round to it (with a few
// units of rounding for unit conversions of the printed value).
inline ::testing::AssertionResult roundsTo(double computed, double printed) {
  const double tolerance = halfUnitOfNinthDigit(printed) + 4.0 * kEpsilon * std::abs(printed);
  if (std::abs(computed - printed) <= tolerance) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << computed << " does not round to " << printed << " in nine significant digits";
}

}  // namespace corvasine::steam::testing
