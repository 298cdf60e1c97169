// Viscosity and thermal conductivity after the IAPS Formulation 1985, with the derivatives of the
// critical enhancement from IAPWS-IF97.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "steam_properties/water_steam.h"

namespace corvasine::steam {
namespace {

constexpr double kViscosityScale = 5.5071e-05;  // [Pa s]
constexpr double kConductivityScale = 0.4945;   // [W/(m K)]
constexpr double kMicroPaS = 1e-6;              // [Pa s]
constexpr double kMilliWPerMK = 1e-3;           // [W/(m K)]

// A printed value with its number of decimals: the computed one must round to it.
struct Printed {
  double value;
  int decimals;
  double halfUnit() const { return 0.5 * std::pow(10.0, -decimals); }
};

// Values computed from the IAPS 1985 equations with IF97 densities and derivatives, printed to
// six or seven significant digits (reference data, section 5b).
struct ComputedCheck {
  double temperature;  // [K]
  double pressureMpa;
  double density;        // [kg/m3]; used directly in region 3
  Printed viscosity;     // [uPa s]
  Printed conductivity;  // [mW/(m K)]
  bool region3;
};

void PrintTo(const ComputedCheck& c, std::ostream* os) {
  *os << c.temperature << " K, " << c.pressureMpa << " MPa";
}

class TransportComputedValues : public ::testing::TestWithParam<ComputedCheck> {};

TEST_P(TransportComputedValues, MatchInAllPrintedDigits) {
  const ComputedCheck c = GetParam();
  const double t = c.temperature, p = 10.0 * c.pressureMpa;
  double mu = 0.0, lambda = 0.0;
  if (c.region3) {
    const double theta = 647.226 / t, rhoR = c.density / 317.763;
    mu = kViscosityScale * viscReduced(theta, rhoR);
    lambda = kConductivityScale * thconReduced(t, p, theta, rhoR);
  } else {
    EXPECT_NEAR(densW(t, p), c.density, 1e-6);
    mu = viscW(t, p);
    lambda = thconW(t, p);
  }
  EXPECT_NEAR(mu / kMicroPaS, c.viscosity.value, c.viscosity.halfUnit());
  EXPECT_NEAR(lambda / kMilliWPerMK, c.conductivity.value, c.conductivity.halfUnit());
}

INSTANTIATE_TEST_SUITE_P(
    ReferenceSection5b, TransportComputedValues,
    ::testing::Values(ComputedCheck{273.15, 0.1, 999.843633, {1791.531, 3}, {561.0759, 4}, false},
                      ComputedCheck{298.15, 0.1, 997.047435, {890.0825, 4}, {607.1948, 4}, false},
                      ComputedCheck{473.15, 1, 4.85428293, {15.89363, 5}, {37.21166, 5}, false},
                      ComputedCheck{573.15, 10, 715.289559, {86.46072, 5}, {550.675, 3}, false},
                      ComputedCheck{623.15, 20, 600.648662, {69.30946, 5}, {463.199, 3}, false},
                      ComputedCheck{673.15, 0.1, 0.322297653, {24.45065, 5}, {54.76049, 5}, false},
                      ComputedCheck{773.15, 10, 30.4758534, {28.91106, 5}, {75.60674, 5}, false},
                      ComputedCheck{873.15, 50, 163.701866, {39.12127, 5}, {151.9832, 4}, false},
                      ComputedCheck{1073.15, 100, 230.653497, {52.1014, 4}, {225.3675, 4}, false},
                      ComputedCheck{650, 25.5837018, 500, {57.68883, 5}, {407.8711, 4}, true},
                      ComputedCheck{650, 22.2930643, 200, {29.94305, 5}, {257.4213, 4}, true},
                      ComputedCheck{750, 78.3095639, 500, {61.84107, 5}, {378.8203, 4}, true}));

// Grid values published with the IAPS 1985 releases to four significant figures (reference data,
// section 5a); the releases used a scientific equation of state, so one unit in the last digit
// separates them from IF97.
TEST(TransportPublishedGrid, WithinOneUnitOfTheLastDigit) {
  struct Row {
    double temperature, pressureMpa;
    Printed viscosity, conductivity;
  };
  const Row rows[] = {
      {273.15, 0.1, {1792, 0}, {561.1, 1}},   {298.15, 0.1, {890.1, 1}, {607.2, 1}},
      {473.15, 1, {15.89, 2}, {37.21, 2}},    {573.15, 10, {86.46, 2}, {550.7, 1}},
      {623.15, 20, {69.31, 2}, {463.2, 1}},   {673.15, 0.1, {24.45, 2}, {54.76, 2}},
      {773.15, 10, {28.91, 2}, {75.61, 2}},   {873.15, 50, {39.12, 2}, {152.0, 1}},
      {1073.15, 100, {52.10, 2}, {225.4, 1}},
  };
  for (const Row& r : rows) {
    const double p = 10.0 * r.pressureMpa;
    EXPECT_NEAR(viscW(r.temperature, p) / kMicroPaS, r.viscosity.value,
                2.0 * r.viscosity.halfUnit());
    EXPECT_NEAR(thconW(r.temperature, p) / kMilliWPerMK, r.conductivity.value,
                2.0 * r.conductivity.halfUnit());
  }
}

TEST(TransportRange, BoundsAreInclusiveAndOutsideIsMinusOne) {
  for (auto f : {viscW, thconW}) {
    EXPECT_GT(f(273.15, 1.0), 0.0);
    EXPECT_GT(f(1073.15, 1000.0), 0.0);
    EXPECT_EQ(f(273.1, 1.0), -1.0);
    EXPECT_EQ(f(500.0, 0.0), -1.0);
    EXPECT_EQ(f(500.0, 1000.01), -1.0);
    // Inside the range but in no IF97 region (just above 623.15 K, below 165.292 bar).
    EXPECT_EQ(f(623.1501, 0.5 * (pBound23(623.1501) + 165.292)), -1.0);
  }
}

// The vapour conductivity in the low branch is taken at 0.9999 p, and the by-pressure member
// leaves that pressure in the caller's variable.
TEST(TransportSaturated, VapourConductivityLowersTheCallersPressure) {
  double p = 10.0;
  EXPECT_GT(thconSatVapPW(p), 0.0);
  EXPECT_DOUBLE_EQ(p, 9.999);
  thconSatVapPW(p);
  EXPECT_DOUBLE_EQ(p, 9.999 * 0.9999);
}

TEST(TransportSaturated, NearCriticalShiftLikeTheOtherMembers) {
  for (double p0 : {10.0, 200.0}) {
    const double shift = p0 > pSatW(623.15) ? 0.00001 : 0.0;
    double liquidMu = p0, liquidLambda = p0, vapourMu = p0;
    EXPECT_GT(viscSatLiqPW(liquidMu), 0.0);
    EXPECT_GT(thconSatLiqPW(liquidLambda), 0.0);
    EXPECT_GT(viscSatVapPW(vapourMu), 0.0);
    EXPECT_EQ(liquidMu, p0 + shift);
    EXPECT_EQ(liquidLambda, p0 + shift);
    EXPECT_EQ(vapourMu, p0 - shift);
  }
  double vapourLambda = 200.0;
  EXPECT_GT(thconSatVapPW(vapourLambda), 0.0);
  EXPECT_EQ(vapourLambda, 200.0 - 0.00001);
}

// The saturated liquid by pressure and by temperature is one state, and both take the critical
// enhancement from region 1: on the saturation line a region test at (tSatW(p), p) would fall
// on either side of pSatW by the last bit.
TEST(TransportSaturated, LiquidByPressureAndByTemperatureAgree) {
  for (double p = 0.01; p < 165.0; p *= 1.07) {
    double q = p;
    const double t = tSatW(p);
    EXPECT_NEAR(thconSatLiqPW(q), thconSatLiqTW(t), 1e-9 * thconSatLiqTW(t)) << p << " bar";
    EXPECT_NEAR(viscSatLiqPW(q), viscSatLiqTW(t), 1e-9 * viscSatLiqTW(t)) << p << " bar";
  }
  for (double t = 300.0; t <= 620.0; t += 40.0) {
    EXPECT_EQ(thconSatLiqTW(t), thconW(t, pSatW(t)));
    EXPECT_EQ(viscSatLiqTW(t), viscW(t, pSatW(t)));
  }
}

}  // namespace
}  // namespace corvasine::steam
