#pragma once

// The inputs of the reference cases of gas_reference.py, as the evaluation
// sees them: stored inputs in base units, box texts and compositions. Shared
// by the evaluation tests and the benchmark.

#include <array>
#include <cstddef>

#include "gas_turbine/gas_evaluation.h"

namespace corvasine::gas::reference {

struct GasCaseInput {
  GasInputState state;
  GasEvaluationBoxes boxes;
  GasMixture mix;
};

inline double fahrenheitFromCelsius(double c) { return c * 1.8 + 32.0; }

// Pure methane at 15 % O2.
inline GasCaseInput methaneAt15PercentO2() {
  GasCaseInput c;
  c.mix.fuelComp[kMethane] = 100.0;
  c.state.finalInletPress = 14.34;
  c.state.fuelTemp = 80.0;
  c.state.fuelFlow = 1000.0;
  c.state.exhaustTemp = 1050.0;
  c.state.compDischTemp = 720.0;
  c.state.compDischPress = 220.0;
  c.boxes = {.Text1 = "59",
             .cmbtempAtFirst = true,
             .Text15 = "15",
             .Text5 = "0.0064",
             .Text26 = "1.5",
             .Text25 = "",
             .Text25Enabled = false};
  return c;
}

// Natural gas in Exhaust Flow mode with a generator efficiency.
inline GasCaseInput naturalGasByExhaustFlow() {
  GasCaseInput c;
  c.mix.fuelComp[kMethane] = 85.0;
  c.mix.fuelComp[kEthane] = 6.0;
  c.mix.fuelComp[kPropane] = 2.0;
  c.mix.fuelComp[kCO2] = 2.0;
  c.mix.fuelComp[kN2] = 4.5;
  c.mix.fuelComp[kH2S] = 0.5;
  c.state.finalInletPress = 14.12;
  c.state.fuelTemp = 120.0;
  c.state.fuelFlow = 1200.0;
  c.state.exhaustTemp = 1010.0;
  c.state.exhaustFlow = 38000.0;
  c.state.compDischTemp = 780.0;
  c.state.compDischPress = 235.5;
  c.state.balanceMode = kBalanceExhaustFlow;
  c.boxes = {.Text1 = "95",
             .cmbtempAtFirst = true,
             .Text15 = "38000",
             .Text5 = "0.0213",
             .Text26 = "2",
             .Text25 = "98.3",
             .Text25Enabled = true};
  return c;
}

// All sixteen fuel components, typed in °C, m, mmWC, bar and lbmol/h and
// stored by the input conversion rules; Text1 stays in °C.
inline GasCaseInput sixteenComponentsInMetricUnits() {
  GasCaseInput c;
  constexpr std::array<double, 16> kShares = {87.9, 4.0, 0.5, 1.5, 0.3, 0.3, 0.4, 0.1,
                                              0.1,  0.1, 0.1, 0.1, 1.5, 2.5, 0.2, 0.4};
  for (std::size_t i = 0; i < kShares.size(); ++i) c.mix.fuelComp[i + 1] = kShares[i];
  c.state.finalInletPress = 13.93;                       // 350 m, 120 mmWC, as the script derives
  c.state.compDischTemp = fahrenheitFromCelsius(395.0);  // "395" °C
  c.state.compDischPress = 13.2 * 14.5038;               // "13.2" bar
  c.state.fuelTemp = fahrenheitFromCelsius(30.0);        // "30" °C
  c.state.fuelFlow = 1081.5419;                          // "2850" lbmol/h, 4 decimals
  c.state.exhaustTemp = fahrenheitFromCelsius(560.0);    // "560" °C
  c.boxes = {.Text1 = "12.5",
             .cmbtempAtFirst = false,
             .Text15 = "14.2",
             .Text5 = "0.0061",
             .Text26 = "1.2",
             .Text25 = "97.8",
             .Text25Enabled = true};
  return c;
}

}  // namespace corvasine::gas::reference
