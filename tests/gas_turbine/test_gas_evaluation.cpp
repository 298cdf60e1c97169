#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gas_turbine/gas_evaluation.h"
#include "gas_turbine/reference/gas_reference_cases.h"
#include "runtime/number.h"

namespace corvasine::gas {
namespace {

using Outcome = GasEvaluationOutcome;

constexpr const char* kPreviousResult = "previous result";

struct GasCase : reference::GasCaseInput {
  GasEvaluation record;
  std::string result = kPreviousResult;

  Outcome evaluate() { return evaluateGasTurbine(state, boxes, mix, record, result); }
};

GasCase from(reference::GasCaseInput input) { return {input, {}, kPreviousResult}; }
GasCase methaneAt15PercentO2() { return from(reference::methaneAt15PercentO2()); }
GasCase naturalGasByExhaustFlow() { return from(reference::naturalGasByExhaustFlow()); }
GasCase sixteenComponentsInMetricUnits() {
  return from(reference::sixteenComponentsInMetricUnits());
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    out.push_back(text.substr(start, end - start));
  }
  out.push_back(text.substr(start));
  return out;
}

// The air flow after a given number of 0.01 % steps from the stoichiometric flow.
double airAfterSteps(double stoichiometric, int steps) {
  double air = stoichiometric;
  for (int k = 0; k < steps; ++k) air = air * 1.0001;
  return air;
}

// The derived inputs of the metric case: inlet pressure at 350 m, and the
// water content at 12.5 °C and 65 % relative humidity, as the window forms them.
TEST(GasReferenceInputs, MetricCaseDerivedFields) {
  const double inletPress = runtime::RoundHalfEven(interp(350.0 * 3.28084), 2);
  EXPECT_EQ(inletPress, 14.1);
  EXPECT_EQ(runtime::RoundHalfEven(inletPress - 120.0 * 0.0393701 / 27.6799, 2), 13.93);
  const double ratio = HumidRatio(reference::fahrenheitFromCelsius(12.5), inletPress, 0.65);
  EXPECT_EQ(runtime::NumberText(runtime::RoundHalfEven(ratio, 4)), "0.0061");
  EXPECT_EQ(runtime::RoundHalfEven(2850.0 * 0.3794884, 4), 1081.5419);
}

struct ReferenceCase {
  const char* name;
  GasCase (*make)();
  const char* o2Target;  // Text15 override in Exhaust O2 mode, or nullptr
  double ambientTemp;    // °F, from Text1
  double stoichiometricAir;
  int steps;
  std::vector<std::string> expected;
};

// Expected figures: reference/gas_reference.txt.
const ReferenceCase kReferenceCases[] = {
    {"MethaneAt15PercentO2",
     methaneAt15PercentO2,
     nullptr,
     59.0,
     9546.53937947494,
     11809,
     {"Fresh air flow: 31414 KSCFH", "Exhaust Flow: 32414 KSCFH (1102.58 Tons/hr)",
      "Thermal power output: 110298 hp (82.28 MW)", "Mechanical power output: 108643 hp (81.05 MW)",
      "Thermal Efficiency: 30.4 %", "Heat-rate: 8370 BTU/hp-hr (11.84 MJ/kW-hr)",
      "Compressor Work: 153176 hp (114.27 MW)", "Compressor Polytropic Efficiency: 91.75 %"}},
    {"NaturalGasByExhaustFlow",
     naturalGasByExhaustFlow,
     nullptr,
     95.0,
     11556.085918854413,
     11232,
     {"Fresh air flow: 36746 KSCFH", "Oxygen in Exhaust: 14.59 %",
      "Thermal power output: 164841 hp (122.97 MW)",
      "Mechanical power output: 161544 hp (120.51 MW)",
      "Electric power output: 158798 hp (118.46 MW)", "Thermal Efficiency: 36.63 %",
      "Heat-rate: 6947 BTU/hp-hr (9.83 MJ/kW-hr)", "Compressor Work: 187293 hp (139.72 MW)",
      "Compressor Polytropic Efficiency: 93.56 %"}},
    {"SixteenComponentsInMetricUnits",
     sixteenComponentsInMetricUnits,
     nullptr,
     54.5,
     10776.700316229115,
     10644,
     {"Fresh air flow: 31547 KSCFH", "Exhaust Flow: 32688 KSCFH (1112.09 Tons/hr)",
      "Thermal power output: 156734 hp (116.92 MW)",
      "Mechanical power output: 154853 hp (115.52 MW)",
      "Electric power output: 151447 hp (112.98 MW)", "Thermal Efficiency: 37.4 %",
      "Heat-rate: 6803 BTU/hp-hr (9.63 MJ/kW-hr)", "Compressor Work: 160352 hp (119.62 MW)",
      "Compressor Polytropic Efficiency: 85.12 %"}},
    // Close to the O2 share of the air, yet reachable: the literal search result.
    {"MethaneAt20p9PercentO2",
     methaneAt15PercentO2,
     "20.9",
     59.0,
     9546.53937947494,
     59278,
     {"Fresh air flow: 3618879 KSCFH", "Exhaust Flow: 3619879 KSCFH (124826.58 Tons/hr)",
      "Thermal power output: -26608549 hp (-19849.98 MW)",
      "Mechanical power output: -26209420 hp (-19552.23 MW)", "Thermal Efficiency: -7333.55 %",
      "Heat-rate: 35 BTU/hp-hr (0.05 MJ/kW-hr)", "Compressor Work: 17645745 hp (13163.73 MW)",
      "Compressor Polytropic Efficiency: 91.75 %"}},
};

class GasReference : public testing::TestWithParam<ReferenceCase> {};

TEST_P(GasReference, ResultTextLineByLine) {
  const ReferenceCase& ref = GetParam();
  GasCase c = ref.make();
  if (ref.o2Target != nullptr) c.boxes.Text15 = ref.o2Target;
  ASSERT_EQ(c.evaluate(), Outcome::Done);
  EXPECT_EQ(c.state.ambientTemp, ref.ambientTemp);
  EXPECT_EQ(lines(c.result), ref.expected);
  EXPECT_EQ(c.record.dryAirFlow, airAfterSteps(ref.stoichiometricAir, ref.steps));
}

INSTANTIATE_TEST_SUITE_P(Cases, GasReference, testing::ValuesIn(kReferenceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GasEvaluation, PureMethaneStoichiometry) {
  GasCase c = methaneAt15PercentO2();
  c.state.fuelFlow = 100.0;
  c.boxes.Text15 = "0";
  ASSERT_EQ(c.evaluate(), Outcome::Done);
  EXPECT_EQ(c.record.o2Demand, 200.0);
  EXPECT_EQ(c.record.waterCombustion, 200.0);
  EXPECT_EQ(c.record.co2Combustion, 100.0);
  EXPECT_EQ(c.record.dryAirFlow, 200.0 / 20.95 * 100.0);
  EXPECT_EQ(c.record.o2Excess, 0.0);
  EXPECT_EQ(c.record.o2DryPercent, 0.0);
}

TEST(GasEvaluation, ExhaustFlowAtTheStoichiometricFlowTakesNoStep) {
  GasCase stoich = methaneAt15PercentO2();
  stoich.boxes.Text15 = "-2";
  ASSERT_EQ(stoich.evaluate(), Outcome::Done);

  GasCase c = methaneAt15PercentO2();
  c.state.balanceMode = kBalanceExhaustFlow;
  c.boxes.Text15 = "not read in this mode";
  c.state.exhaustFlow = stoich.record.exhaustTotal;
  ASSERT_EQ(c.evaluate(), Outcome::Done);
  EXPECT_EQ(lines(c.result).at(1), "Oxygen in Exhaust: 0 %");
  EXPECT_EQ(c.record.dryAirFlow, stoich.record.dryAirFlow);

  c.state.exhaustFlow = std::nextafter(c.state.exhaustFlow, 0.0);
  EXPECT_EQ(c.evaluate(), Outcome::InsufficientAir);
}

TEST(GasEvaluation, FailureKeepsEarlierFieldsAndTheResultText) {
  GasCase c = methaneAt15PercentO2();
  c.boxes.Text1 = "50";
  c.boxes.Text26 = "100";
  ASSERT_EQ(c.evaluate(), Outcome::CheckValues);
  EXPECT_EQ(c.state.ambientTemp, 50.0);
  EXPECT_NE(c.record.thermalPower, 0.0);
  EXPECT_EQ(c.record.mechPower, 0.0);
  EXPECT_EQ(c.result, kPreviousResult);
}

TEST(GasEvaluation, ElectricPowerKeptWhenTheGeneratorEfficiencyIsOff) {
  GasCase c = naturalGasByExhaustFlow();
  ASSERT_EQ(c.evaluate(), Outcome::Done);
  const double electric = c.record.electricPower;
  c.boxes.Text25Enabled = false;
  c.boxes.Text25 = "not read when disabled";
  ASSERT_EQ(c.evaluate(), Outcome::Done);
  EXPECT_EQ(lines(c.result).size(), 8u);
  EXPECT_EQ(c.record.electricPower, electric);
}

struct FailureEdge {
  const char* name;
  void (*change)(GasCase&);
  Outcome outcome;
};

void noFuelOxygenDemand(GasCase& c) {
  c.mix.fuelComp = {};
  c.mix.fuelComp[kN2] = 60.0;
  c.mix.fuelComp[kCO2] = 40.0;
}

const FailureEdge kFailureEdges[] = {
    {"O2TargetNegative", [](GasCase& c) { c.boxes.Text15 = "-5"; }, Outcome::Done},
    {"NoOxygenDemandByO2", noFuelOxygenDemand, Outcome::CheckValues},
    {"NoOxygenDemandByFlow",
     [](GasCase& c) {
       noFuelOxygenDemand(c);
       c.state.balanceMode = kBalanceExhaustFlow;
       c.state.exhaustFlow = 5000.0;
     },
     Outcome::CheckValues},
    {"ZeroFuelFlow", [](GasCase& c) { c.state.fuelFlow = 0.0; }, Outcome::CheckValues},
    {"AirTooSmallToStep", [](GasCase& c) { c.state.fuelFlow = 1e-321; }, Outcome::CheckValues},
    {"ZeroExhaustFlow", [](GasCase& c) { c.state.balanceMode = kBalanceExhaustFlow; },
     Outcome::InsufficientAir},
    {"Losses100", [](GasCase& c) { c.boxes.Text26 = "100"; }, Outcome::CheckValues},
    {"Losses99p99", [](GasCase& c) { c.boxes.Text26 = "99.99"; }, Outcome::Done},
    {"GeneratorEff101",
     [](GasCase& c) {
       c.boxes.Text25Enabled = true;
       c.boxes.Text25 = "101";
     },
     Outcome::CheckValues},
    {"GeneratorEff100p5",
     [](GasCase& c) {
       c.boxes.Text25Enabled = true;
       c.boxes.Text25 = "100.5";
     },
     Outcome::Done},
    {"DischargeAtAmbientTemp", [](GasCase& c) { c.state.compDischTemp = 59.0; },
     Outcome::CheckValues},
    {"NoFinalInletPressure", [](GasCase& c) { c.state.finalInletPress = 0.0; },
     Outcome::CheckValues},
    {"WaterContentTempOOR", [](GasCase& c) { c.boxes.Text5 = "Temp OOR"; }, Outcome::CheckValues},
    {"AmbientNotANumber", [](GasCase& c) { c.boxes.Text1 = ""; }, Outcome::CheckValues},
    {"ExhaustTempBeyondHeatData", [](GasCase& c) { c.state.exhaustTemp = 1e7; },
     Outcome::CheckValues},
};

class GasFailureEdges : public testing::TestWithParam<FailureEdge> {};

TEST_P(GasFailureEdges, Outcome) {
  GasCase c = methaneAt15PercentO2();
  GetParam().change(c);
  EXPECT_EQ(c.evaluate(), GetParam().outcome);
  if (GetParam().outcome != Outcome::Done) {
    EXPECT_EQ(c.result, kPreviousResult);
  }
}

INSTANTIATE_TEST_SUITE_P(Edges, GasFailureEdges, testing::ValuesIn(kFailureEdges),
                         [](const auto& info) { return std::string(info.param.name); });

// Targets the air cannot reach end before the search: the record holds the
// stoichiometric flow, not millions of steps later.
TEST(GasEvaluation, UnreachableO2TargetsStopAtTheStoichiometricAir) {
  for (const char* target : {"21", "20.95"}) {
    GasCase c = methaneAt15PercentO2();
    c.boxes.Text15 = target;
    ASSERT_EQ(c.evaluate(), Outcome::CheckValues);
    EXPECT_EQ(c.record.o2Target, runtime::ParseNumber(target));
    EXPECT_EQ(c.record.dryAirFlow, 2000.0 / 20.95 * 100.0) << target;
  }
  GasCase refused = methaneAt15PercentO2();
  refused.boxes.Text15 = "21.01";
  ASSERT_EQ(refused.evaluate(), Outcome::CheckValues);
  EXPECT_EQ(refused.record.o2Target, 21.01);
  EXPECT_EQ(refused.record.o2Demand, 0.0);  // refused before the fuel products
}

}  // namespace
}  // namespace corvasine::gas
