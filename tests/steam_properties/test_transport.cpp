// Viscosity and thermal conductivity after the IAPS Formulation 1985, with the derivatives of the
// critical enhancement from IAPWS-IF97.
#include <gtest/gtest.h>

#include <cmath>

#include "steam_properties/water_steam.h"

namespace corvasine::steam {
namespace {

// A printed value and the number of its decimals.
struct Printed {
  double value;
  int decimals;
  double halfUnit() const { return 0.5 * std::pow(10.0, -decimals); }
};

// Reference data section 5: viscosity [uPa s] and conductivity [mW/(m K)] computed from the IAPS
// 1985 equations with IF97 densities and derivatives (5b, must match in every printed digit), and
// where given, the grid values published with the IAPS 1985 releases (5a, four significant
// figures, computed there with a scientific equation of state: within one unit).
struct TransportCheck {
  double temperature;  // [K]
  double pressureMpa;
  double density;  // [kg/m3]
  Printed mu, lambda, publishedMu, publishedLambda;
};

TEST(TransportReference, ReproducesTheReferenceValues) {
  const TransportCheck rows[] = {
      {273.15, 0.1, 999.843633, {1791.531, 3}, {561.0759, 4}, {1792, 0}, {561.1, 1}},
      {298.15, 0.1, 997.047435, {890.0825, 4}, {607.1948, 4}, {890.1, 1}, {607.2, 1}},
      {473.15, 1, 4.85428293, {15.89363, 5}, {37.21166, 5}, {15.89, 2}, {37.21, 2}},
      {573.15, 10, 715.289559, {86.46072, 5}, {550.675, 3}, {86.46, 2}, {550.7, 1}},
      {623.15, 20, 600.648662, {69.30946, 5}, {463.199, 3}, {69.31, 2}, {463.2, 1}},
      {673.15, 0.1, 0.322297653, {24.45065, 5}, {54.76049, 5}, {24.45, 2}, {54.76, 2}},
      {773.15, 10, 30.4758534, {28.91106, 5}, {75.60674, 5}, {28.91, 2}, {75.61, 2}},
      {873.15, 50, 163.701866, {39.12127, 5}, {151.9832, 4}, {39.12, 2}, {152.0, 1}},
      {1073.15, 100, 230.653497, {52.1014, 4}, {225.3675, 4}, {52.10, 2}, {225.4, 1}}};
  for (const TransportCheck& c : rows) {
    const double t = c.temperature, p = 10.0 * c.pressureMpa;
    SCOPED_TRACE(::testing::Message() << t << " K, " << c.pressureMpa << " MPa");
    EXPECT_NEAR(densW(t, p), c.density, 1e-6);
    EXPECT_NEAR(viscW(t, p) * 1e6, c.mu.value, c.mu.halfUnit());
    EXPECT_NEAR(thconW(t, p) * 1e3, c.lambda.value, c.lambda.halfUnit());
    EXPECT_NEAR(viscW(t, p) * 1e6, c.publishedMu.value, 2.0 * c.publishedMu.halfUnit());
    EXPECT_NEAR(thconW(t, p) * 1e3, c.publishedLambda.value, 2.0 * c.publishedLambda.halfUnit());
  }
  // Region 3 at the states of IF97 Table 33, from (T, rho) and the IF97 pressure (section 5b).
  const TransportCheck region3[] = {
      {650, 25.5837018, 500, {57.68883, 5}, {407.8711, 4}, {}, {}},
      {650, 22.2930643, 200, {29.94305, 5}, {257.4213, 4}, {}, {}},
      {750, 78.3095639, 500, {61.84107, 5}, {378.8203, 4}, {}, {}},
  };
  for (const TransportCheck& c : region3) {
    const double theta = 647.226 / c.temperature, rhoR = c.density / 317.763;
    EXPECT_NEAR(5.5071e-05 * viscReduced(theta, rhoR) * 1e6, c.mu.value, c.mu.halfUnit());
    EXPECT_NEAR(0.4945 * thconReduced(c.temperature, 10.0 * c.pressureMpa, theta, rhoR) * 1e3,
                c.lambda.value, c.lambda.halfUnit());
  }
}

// The saturated liquid by temperature is the single-phase state at the saturation pressure (the
// members by pressure are checked against these with the other properties).
TEST(TransportSaturated, LiquidByTemperatureIsTheStateAtSaturationPressure) {
  for (double t = 300.0; t <= 620.0; t += 40.0) {
    EXPECT_EQ(thconSatLiqTW(t), thconW(t, pSatW(t)));
    EXPECT_EQ(viscSatLiqTW(t), viscW(t, pSatW(t)));
  }
}

}  // namespace
}  // namespace corvasine::steam
