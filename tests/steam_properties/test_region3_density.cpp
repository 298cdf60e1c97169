// densReg3 must return the physical density everywhere in region 3: one whose pressure is the
// asked pressure, on a branch where pressure rises with density, and of the asked phase (below
// the critical temperature, liquid from the saturation pressure up, vapour below it). Below the
// critical temperature the region-3 equation has a loop whose falling part holds the critical
// density 322 kg/m3, so vapour roots lie below it and liquid roots above it.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

#include "steam_properties/literal_if97.h"
#include "steam_properties/water_steam.h"

namespace corvasine::steam {
namespace {

constexpr double kCriticalTemperature = 647.096;  // [K]
constexpr double kCriticalDensity = 322.0;        // [kg/m3]

::testing::AssertionResult isPhysicalDensity(double t, double p, double rho) {
  const double pressure = literal::region3Pressure(t, rho);
  auto failure = [&] {
    return ::testing::AssertionFailure() << "densReg3(" << t << ", " << p << ") = " << rho << ": ";
  };
  if (!(std::abs(pressure - p) <= 1e-9 * p)) return failure() << "its pressure is " << pressure;
  if (!(literal::region3PressureSlope(t, rho) > 0.0)) return failure() << "p falls with rho";
  if (t < kCriticalTemperature) {
    const bool liquid = p >= pSatW(t);
    if (liquid != (rho > kCriticalDensity)) return failure() << "wrong phase";
  }
  return ::testing::AssertionSuccess();
}

// Lattices of states (T, p); pressures start at the 2-3 boundary where `fromBoundary` is set.
TEST(Region3Density, FindsThePhysicalDensity) {
  const struct {
    double t0, t1, dt;  // [K]
    double p0, p1, dp;  // [bar]
    bool fromBoundary;
  } areas[] = {
      {623.5, 863.15, 8.0, 0.0, 1000.0, 20.0, true},  // the whole region
      // Compressed liquid above about 665 bar (623 K) to 1000 bar (642 K): Newton from the
      // liquid start density runs to a second root near 950 kg/m3 or to a negative density.
      {623.15, 645.0, 1.0, 600.0, 1000.0, 10.0, false},
      // Just above the critical temperature the flat isotherm sends Newton to a negative
      // density between the 2-3 boundary and about 207 to 220 bar.
      {647.1, 650.0, 0.1, 0.0, 222.0, 0.5, true}};
  for (const auto& a : areas) {
    for (double t = a.t0; t <= a.t1; t += a.dt) {
      for (double p = a.fromBoundary ? pBound23(t) : a.p0; p <= a.p1; p += a.dp)
        EXPECT_TRUE(isPhysicalDensity(t, p, densReg3(t, p)));
    }
  }
}

// The near-critical saturated states: liquid at pSatW(T), vapour 0.00001 bar below it.
TEST(Region3DensitySaturation, BothPhasesUpToTheCriticalPoint) {
  for (double t = 623.16; t <= kCriticalTemperature; t += 0.02) {
    const double p = pSatW(t);
    EXPECT_TRUE(isPhysicalDensity(t, p, densReg3(t, p)));
    EXPECT_TRUE(isPhysicalDensity(t, p - 0.00001, densReg3(t, p - 0.00001)));
  }
  const double tc = kCriticalTemperature;
  EXPECT_TRUE(isPhysicalDensity(tc, pSatW(tc), densReg3(tc, pSatW(tc))));
}

TEST(Region3DensityFailure, ArgumentsWithoutAStateGiveMinusTwo) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (auto [t, p] : {std::pair{nan, 300.0}, {700.0, nan}, {700.0, HUGE_VAL}, {-700.0, 300.0}})
    EXPECT_EQ(densReg3(t, p), -2.0) << t << " K, " << p << " bar";
}

}  // namespace
}  // namespace corvasine::steam
