#pragma once

// The inputs of the reference cases of gas_reference.py, as the evaluation
// sees them: figures in base units and compositions. Shared by the evaluation
// tests and the benchmark.

#include <array>
#include <cstddef>

#include "gas_turbine/gas_evaluation.h"

namespace corvasine::gas::reference {

struct GasCaseInput {
  GasEvaluationInput input;
  GasMixture mix;
};

inline double fahrenheitFromCelsius(double c) { return c * 1.8 + 32.0; }

// Pure methane at 15 % O2.
inline GasCaseInput methaneAt15PercentO2() {
  GasCaseInput c;
  c.mix.fuelComp[kMethane] = 100.0;
  c.input.stored.finalInletPress = 14.34;
  c.input.stored.fuelTemp = 80.0;
  c.input.stored.fuelFlow = 1000.0;
  c.input.stored.exhaustTemp = 1050.0;
  c.input.stored.compDischTemp = 720.0;
  c.input.stored.compDischPress = 220.0;
  c.input.stored.ambientTemp = 59.0;
  c.input.o2Target = 15.0;
  c.input.waterContent = 0.0064;
  c.input.mechanicalLosses = 1.5;
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
  c.input.stored.finalInletPress = 14.12;
  c.input.stored.fuelTemp = 120.0;
  c.input.stored.fuelFlow = 1200.0;
  c.input.stored.exhaustTemp = 1010.0;
  c.input.stored.exhaustFlow = 38000.0;
  c.input.stored.compDischTemp = 780.0;
  c.input.stored.compDischPress = 235.5;
  c.input.stored.balanceMode = kBalanceExhaustFlow;
  c.input.stored.ambientTemp = 95.0;
  c.input.waterContent = 0.0213;
  c.input.mechanicalLosses = 2.0;
  c.input.generatorEfficiency = 98.3;
  return c;
}

// All sixteen fuel components, typed in °C, m, mmWC, bar and lbmol/h and
// stored by the input conversion rules.
inline GasCaseInput sixteenComponentsInMetricUnits() {
  GasCaseInput c;
  constexpr std::array<double, 16> kShares = {87.9, 4.0, 0.5, 1.5, 0.3, 0.3, 0.4, 0.1,
                                              0.1,  0.1, 0.1, 0.1, 1.5, 2.5, 0.2, 0.4};
  for (std::size_t i = 0; i < kShares.size(); ++i) c.mix.fuelComp[i + 1] = kShares[i];
  c.input.stored.finalInletPress = 13.93;  // 350 m, 120 mmWC, as the script derives
  c.input.stored.compDischTemp = fahrenheitFromCelsius(395.0);  // "395" °C
  c.input.stored.compDischPress = 13.2 * 14.5038;               // "13.2" bar
  c.input.stored.fuelTemp = fahrenheitFromCelsius(30.0);        // "30" °C
  c.input.stored.fuelFlow = 1081.5419;                          // "2850" lbmol/h, 4 decimals
  c.input.stored.exhaustTemp = fahrenheitFromCelsius(560.0);    // "560" °C
  c.input.stored.ambientTemp = fahrenheitFromCelsius(12.5);     // "12.5" °C
  c.input.o2Target = 14.2;
  c.input.waterContent = 0.0061;
  c.input.mechanicalLosses = 1.2;
  c.input.generatorEfficiency = 97.8;
  return c;
}

}  // namespace corvasine::gas::reference
