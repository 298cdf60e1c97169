#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "gas_turbine/gas_evaluation.h"
#include "gas_turbine/gas_kernels.h"
#include "gas_turbine/gas_tables.h"
#include "gas_turbine/gas_test_support.h"
#include "gas_turbine/reference/gas_reference_cases.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "runtime/text.h"

namespace corvasine::gas {
namespace {

using Outcome = GasEvaluationOutcome;
using runtime::NumberText;
using runtime::ParseNumber;
using runtime::RoundHalfEven;
using runtime::RuntimeError;

// A figure that reference/gas_reference.py printed in its kernels section.
double printed(const std::string& key) {
  static const std::vector<std::string> lines = referenceLines("gas_reference.txt", "kernels");
  return ParseNumber(figure(lines, key));
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
  const GasMixture argon{.airO2 = 0.0, .airN2 = 0.0, .airAr = 100.0, .airCO2 = 0.0};
  EXPECT_NEAR(compres(argon, 60.0, 700.0, 1000.0, 0.0), 8380010.833, 0.001);
  // Inert fuel burns to nothing; methane gives its 909.355 Btu/scf.
  GasMixture inert;
  inert.fuelComp[kCO2] = 30.0;
  inert.fuelComp[kN2] = 60.0;
  inert.fuelComp[kH2O] = 10.0;
  EXPECT_EQ(heat_comb(inert, 1000.0), 0.0);
  const GasMixture methane{.fuelComp = {0.0, 100.0}};  // by component index
  EXPECT_DOUBLE_EQ(heat_comb(methane, 100.0), -90935500.0);
}

struct GasCase : reference::GasCaseInput {
  GasEvaluation record{};

  Outcome evaluate() {
    const GasEvaluationResult result = evaluateGasTurbine(input, mix, record);
    record = result.record;
    return result.outcome;
  }
  std::vector<std::string> lines() const {
    return runtime::SplitText(gasResultText(input, record), "\r\n");
  }
};

GasCase methane() { return {reference::methaneAt15PercentO2()}; }

// The stored inputs of the metric case as the window derives them from what was
// typed: the inlet pressure at 350 m, the final one after 120 mmWC, the water
// content at 12.5 °C and 65 %, and 2850 lbmol/h.
TEST(GasReferenceInputs, MetricCaseDerivedFields) {
  const std::vector<std::string> printed = {referenceLines("gas_reference.txt", "kernels").back()};
  const double inletPress = RoundHalfEven(interp(350.0 * 3.28084), 2);
  EXPECT_EQ(NumberText(inletPress), figure(printed, "inletPress "));
  const double finalPress = RoundHalfEven(inletPress - 120.0 * 0.0393701 / 27.6799, 2);
  EXPECT_EQ(NumberText(finalPress), figure(printed, "finalInletPress "));
  EXPECT_EQ(finalPress, reference::sixteenComponentsInMetricUnits().input.stored.finalInletPress);
  const double ratio = HumidRatio(reference::fahrenheitFromCelsius(12.5), inletPress, 0.65);
  EXPECT_EQ(NumberText(RoundHalfEven(ratio, 4)), figure(printed, "Text5 "));
  EXPECT_EQ(RoundHalfEven(2850.0 * 0.3794884, 4), 1081.5419);
}

struct ReferenceCase {
  const char* name;
  reference::GasCaseInput (*make)();
  const char* section;  // of reference/gas_reference.txt
  double o2Target;      // in place of the case's own, or 0
};

const ReferenceCase kReferenceCases[] = {
    {"MethaneAt15PercentO2", reference::methaneAt15PercentO2, "methane_o2", 0.0},
    {"NaturalGasByExhaustFlow", reference::naturalGasByExhaustFlow, "natural_gas_flow", 0.0},
    {"SixteenComponentsInMetricUnits", reference::sixteenComponentsInMetricUnits, "units_o2", 0.0},
    // Close to the O2 share of the air, yet reachable: the whole literal search.
    {"MethaneAt20p9PercentO2", reference::methaneAt15PercentO2, "methane_o2_20.9", 20.9},
};

TEST(GasReference, ResultTextLineByLine) {
  for (const ReferenceCase& ref : kReferenceCases) {
    SCOPED_TRACE(ref.name);
    // The search's figures, then the result lines.
    std::vector<std::string> expected = referenceLines("gas_reference.txt", ref.section);
    ASSERT_GE(expected.size(), 9u);
    GasCase c{ref.make()};
    if (ref.o2Target != 0.0) c.input.o2Target = ref.o2Target;
    ASSERT_EQ(c.evaluate(), Outcome::Done);
    // The exact air flow shows that the search took the same number of steps.
    EXPECT_EQ(c.record.dryAirFlow, ParseNumber(figure(expected, ", dryAirFlow ")));
    EXPECT_EQ(c.record.o2DryPercent, ParseNumber(figure(expected, "o2DryPercent ")));
    expected.erase(expected.begin());
    EXPECT_EQ(c.lines(), expected);
  }
}

TEST(GasEvaluation, ExhaustFlowAtTheStoichiometricFlowTakesNoStep) {
  GasCase stoich = methane();
  stoich.input.o2Target = -2.0;
  ASSERT_EQ(stoich.evaluate(), Outcome::Done);

  GasCase c = methane();
  c.input.stored.balanceMode = kBalanceExhaustFlow;
  c.input.o2Target = 99.0;  // not read in this mode
  c.input.stored.exhaustFlow = stoich.record.exhaustTotal;
  ASSERT_EQ(c.evaluate(), Outcome::Done);
  EXPECT_EQ(c.lines().at(1), "Oxygen in Exhaust: 0 %");
  EXPECT_EQ(c.record.dryAirFlow, stoich.record.dryAirFlow);

  c.input.stored.exhaustFlow = std::nextafter(c.input.stored.exhaustFlow, 0.0);
  EXPECT_EQ(c.evaluate(), Outcome::InsufficientAir);
}

TEST(GasEvaluation, FailureKeepsEarlierFieldsAndLaterOnesOfThePreviousRecord) {
  GasCase c = methane();
  c.record.mechPower = 7.0;
  c.input.mechanicalLosses = 100.0;
  ASSERT_EQ(c.evaluate(), Outcome::CheckValues);
  EXPECT_NE(c.record.thermalPower, 0.0);
  EXPECT_EQ(c.record.mechPower, 7.0);
}

TEST(GasEvaluation, ElectricPowerKeptWhenTheGeneratorEfficiencyIsOff) {
  GasCase c{reference::naturalGasByExhaustFlow()};
  ASSERT_EQ(c.evaluate(), Outcome::Done);
  const double electric = c.record.electricPower;
  c.input.generatorEfficiency.reset();
  ASSERT_EQ(c.evaluate(), Outcome::Done);
  EXPECT_EQ(c.lines().size(), 8u);
  EXPECT_EQ(c.record.electricPower, electric);
}

// Targets the air cannot reach end before the search: the record holds the
// stoichiometric flow, not millions of steps later; above 21 nothing is computed.
TEST(GasEvaluation, UnreachableO2TargetsStopAtTheStoichiometricAir) {
  for (double target : {21.0, 20.95, 21.01}) {
    GasCase c = methane();
    c.input.o2Target = target;
    ASSERT_EQ(c.evaluate(), Outcome::CheckValues);
    EXPECT_EQ(c.record.o2Target, target);
    const bool refused = c.record.o2Target > 21.0;
    EXPECT_EQ(c.record.dryAirFlow, refused ? 0.0 : 2000.0 / 20.95 * 100.0) << target;
  }
}

struct Edge {
  const char* name;
  void (*change)(GasCase&);
  Outcome outcome;
};

void inertFuel(GasCase& c) {
  c.mix.fuelComp = {};
  c.mix.fuelComp[kN2] = 60.0;
  c.mix.fuelComp[kCO2] = 40.0;
}

constexpr Outcome kDone = Outcome::Done, kCheck = Outcome::CheckValues,
                  kNoAir = Outcome::InsufficientAir;

const Edge kEdges[] = {
    {"O2TargetNegative", [](GasCase& c) { c.input.o2Target = -5.0; }, kDone},
    {"NoOxygenDemandByO2", inertFuel, kCheck},
    {"NoOxygenDemandByFlow",
     [](GasCase& c) {
       inertFuel(c);
       c.input.stored.balanceMode = kBalanceExhaustFlow;
       c.input.stored.exhaustFlow = 5000.0;
     },
     kCheck},
    {"ZeroFuelFlow", [](GasCase& c) { c.input.stored.fuelFlow = 0.0; }, kCheck},
    {"AirTooSmallToStep", [](GasCase& c) { c.input.stored.fuelFlow = 1e-321; }, kCheck},
    {"NoExhaustFlow", [](GasCase& c) { c.input.stored.balanceMode = kBalanceExhaustFlow; }, kNoAir},
    {"Losses99p99", [](GasCase& c) { c.input.mechanicalLosses = 99.99; }, kDone},
    {"GeneratorEff101", [](GasCase& c) { c.input.generatorEfficiency = 101.0; }, kCheck},
    {"GeneratorEff100p5", [](GasCase& c) { c.input.generatorEfficiency = 100.5; }, kDone},
    {"DischargeAtAmbientTemp", [](GasCase& c) { c.input.stored.compDischTemp = 59.0; }, kCheck},
    {"NoFinalInletPressure", [](GasCase& c) { c.input.stored.finalInletPress = 0.0; }, kCheck},
    {"WaterContentTempOOR", [](GasCase& c) { c.input.waterContent.reset(); }, kCheck},
    {"ExhaustTempBeyondHeatData", [](GasCase& c) { c.input.stored.exhaustTemp = 1e7; }, kCheck},
};

TEST(GasEvaluation, EdgesOfTheMethaneCase) {
  for (const Edge& edge : kEdges) {
    GasCase c = methane();
    edge.change(c);
    EXPECT_EQ(c.evaluate(), edge.outcome) << edge.name;
  }
}

}  // namespace
}  // namespace corvasine::gas
