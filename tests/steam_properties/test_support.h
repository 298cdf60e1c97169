// Helpers shared by the property library's tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "steam_properties/if97_regions.h"

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

// Density by region, in the shape of the other region property functions: regions 1 and 2
// from (T, p), region 3 from (T, rho).
inline double dens1(double t, double p) { return 1.0 / volumeReg1(t, p); }
inline double dens2(double t, double p) { return 1.0 / volumeReg2(t, p); }
inline double dens3(double /*t*/, double rho) { return rho; }

}  // namespace corvasine::steam::testing
