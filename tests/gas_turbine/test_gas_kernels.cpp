#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "gas_turbine/gas_kernels.h"
#include "gas_turbine/gas_tables.h"
#include "gas_turbine/gas_test_support.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::gas {
namespace {

using runtime::RuntimeError;

// A figure that reference/gas_reference.py printed in its kernels section.
double printed(const std::string& key) {
  static const std::vector<std::string> lines = referenceLines("gas_reference.txt", "kernels");
  return runtime::ParseNumber(figure(lines, key));
}

// Atom balance: CxHy burns with x + y/4 O2 to x CO2 and y/2 H2O; H2S with 1.5
// O2 to SO2 and H2O. Catches a mistyped stoichiometry entry.
TEST(GasTables, OxygenDemandBalancesTheProducts) {
  for (std::size_t i = kFirstFuelComponent; i <= kLastFuelComponent; ++i) {
    const Stoichiometry& s = stoichiometry[i];
    const double sulphur = i == kH2S ? 1.0 : 0.0;
    const double oxygenInFuel = i == kCO2 ? 1.0 : (i == kH2O ? 0.5 : 0.0);
    EXPECT_EQ(s.o2Demand, s.co2 + s.h2o / 2.0 + sulphur - oxygenInFuel) << "component " << i;
  }
}

TEST(GasKernels, BarometricPressureFollowsTheStandardAtmosphere) {
  EXPECT_EQ(interp(0.0), 14.6965450413525);
  // Standard atmosphere, p = 14.696 (1 - 6.8756e-6 h)^5.2559 psia; the fit within 0.5 %.
  for (double h : {1000.0, 5000.0, 10000.0, 16000.0}) {
    const double standard = 14.696 * std::pow(1.0 - 6.8756e-6 * h, 5.2559);
    EXPECT_NEAR(interp(h), standard, 0.005 * standard) << h << " ft";
  }
}

TEST(GasKernels, SaturationPressureBranchesAtTheIcePoint) {
  EXPECT_NEAR(SatPressure(32.0), printed("SatPressure(32) = "), 1e-16);
  EXPECT_NEAR(SatPressure(32.01), printed("(ice), SatPressure(32.01) = "), 1e-16);
  // Steam tables, psia, within 0.2 %.
  for (auto [t, p] : {std::pair{-40.0, 0.001862}, {68.0, 0.33889}, {212.0, 14.696}}) {
    EXPECT_NEAR(SatPressure(t), p, 0.002 * p) << t << " °F";
  }
}

TEST(GasKernels, HumidityRatio) {
  EXPECT_EQ(HumidRatio(59.0, 14.7, 0.0), 0.0);
  // Saturated air at 68 °F and 14.696 psia: 0.62198 pw / (p - pw) with the
  // tabulated pw = 0.33889 psia gives 0.014681 lb/lb.
  EXPECT_NEAR(HumidRatio(68.0, 14.696, 1.0), 0.014681, 0.00003);
  // The vapour pressure equal to the air pressure divides by zero.
  EXPECT_THROW(HumidRatio(100.0, SatPressure(100.0), 1.0), RuntimeError);
}

TEST(GasKernels, ComponentsWithoutHeatCapacityRowsRaise) {
  for (std::size_t i : {0, 18, 20}) {
    EXPECT_THROW(componentCp(static_cast<ComponentIndex>(i), 300.0), RuntimeError) << i;
  }
}

TEST(CpIntegral, ReferenceSums) {
  for (double t : {-100.0, 77.0, 1234.5}) EXPECT_EQ(cpIntegral(kMethane, t, t), 0.0);
  EXPECT_NEAR(cpIntegral(kN2, 77.0, 77.1), printed("cpIntegral(14, 77, 77.1) = "), 1e-15);
  // One step more or less would move the sum by about 1.5 Btu/lbmol.
  const double up = printed("cpIntegral(14, 77, 1000) = ");
  EXPECT_DOUBLE_EQ(cpIntegral(kN2, 77.0, 1000.0), up);
  // Going down takes Cp at the upper end of each step: not the exact negative.
  const double down = printed("cpIntegral(14, 1000, 77) = ");
  EXPECT_DOUBLE_EQ(cpIntegral(kN2, 1000.0, 77.0), down);
  EXPECT_GT(-down - up, 0.0);
  EXPECT_LT(-down - up, 0.1);
}

TEST(CpIntegral, EndlessSpansAndAbsoluteZeroRaise) {
  EXPECT_NO_THROW(cpIntegral(kO2, 77.0, 5000.0));
  EXPECT_THROW(cpIntegral(kO2, 77.0, 40000.0), RuntimeError);     // 22000 K
  EXPECT_THROW(cpIntegral(kO2, 1e17, 1e17 + 1e4), RuntimeError);  // 0.1 K no longer moves T
  EXPECT_THROW(cpIntegral(kO2, 77.0, -500.0), RuntimeError);      // passes 0 K
}

TEST(HeatKernels, AirSharesAndFuelComeFromTheMixture) {
  // Argon only: 640 °F × 4.968932661 Btu/(lbmol °F) × 1000 KSCFH / 0.3794884 KSCFH per lbmol/h.
  GasMixture argon;
  argon.airO2 = argon.airN2 = argon.airCO2 = 0.0;
  argon.airAr = 100.0;
  EXPECT_NEAR(compres(argon, 60.0, 700.0, 1000.0, 0.0), 8380010.833, 0.001);
  // Inert fuel burns to nothing; methane gives its 909.355 Btu/scf.
  GasMixture inert;
  inert.fuelComp[kCO2] = 30.0;
  inert.fuelComp[kN2] = 60.0;
  inert.fuelComp[kH2O] = 10.0;
  EXPECT_EQ(heat_comb(inert, 1000.0), 0.0);
  GasMixture methane;
  methane.fuelComp[kMethane] = 100.0;
  EXPECT_DOUBLE_EQ(heat_comb(methane, 100.0), -90935500.0);
}

}  // namespace
}  // namespace corvasine::gas
