#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gas_turbine/gas_evaluation.h"
#include "gas_turbine/gas_test_support.h"
#include "gas_turbine/reference/gas_reference_cases.h"
#include "runtime/number.h"
#include "runtime/text.h"

namespace corvasine::gas {
namespace {

using Outcome = GasEvaluationOutcome;
using runtime::NumberText;
using runtime::ParseNumber;
using runtime::RoundHalfEven;

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

const Edge kEdges[] = {
    {"O2TargetNegative", [](GasCase& c) { c.input.o2Target = -5.0; }, Outcome::Done},
    {"NoOxygenDemandByO2", inertFuel, Outcome::CheckValues},
    {"NoOxygenDemandByFlow",
     [](GasCase& c) {
       inertFuel(c);
       c.input.stored.balanceMode = kBalanceExhaustFlow;
       c.input.stored.exhaustFlow = 5000.0;
     },
     Outcome::CheckValues},
    {"ZeroFuelFlow", [](GasCase& c) { c.input.stored.fuelFlow = 0.0; }, Outcome::CheckValues},
    {"AirTooSmallToStep", [](GasCase& c) { c.input.stored.fuelFlow = 1e-321; },
     Outcome::CheckValues},
    {"ZeroExhaustFlow", [](GasCase& c) { c.input.stored.balanceMode = kBalanceExhaustFlow; },
     Outcome::InsufficientAir},
    {"Losses100", [](GasCase& c) { c.input.mechanicalLosses = 100.0; }, Outcome::CheckValues},
    {"Losses99p99", [](GasCase& c) { c.input.mechanicalLosses = 99.99; }, Outcome::Done},
    {"GeneratorEff101", [](GasCase& c) { c.input.generatorEfficiency = 101.0; },
     Outcome::CheckValues},
    {"GeneratorEff100p5", [](GasCase& c) { c.input.generatorEfficiency = 100.5; }, Outcome::Done},
    {"DischargeAtAmbientTemp", [](GasCase& c) { c.input.stored.compDischTemp = 59.0; },
     Outcome::CheckValues},
    {"NoFinalInletPressure", [](GasCase& c) { c.input.stored.finalInletPress = 0.0; },
     Outcome::CheckValues},
    {"WaterContentTempOOR", [](GasCase& c) { c.input.waterContent.reset(); }, Outcome::CheckValues},
    {"ExhaustTempBeyondHeatData", [](GasCase& c) { c.input.stored.exhaustTemp = 1e7; },
     Outcome::CheckValues},
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
