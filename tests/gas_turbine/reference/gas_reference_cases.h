#pragma once

// The inputs of the reference cases of gas_reference.py, as the evaluation
// sees them: figures in base units and compositions. Shared by the evaluation
// tests and the benchmark.

#include <optional>

#include "gas_turbine/gas_evaluation.h"

namespace corvasine::gas::reference {

struct GasCaseInput {
  GasEvaluationInput input;
  GasMixture mix{};
};

inline double fahrenheitFromCelsius(double c) { return c * 1.8 + 32.0; }

// Pure methane at 15 % O2.
inline GasCaseInput methaneAt15PercentO2() {
  return {.input = {.stored = {.ambientTemp = 59.0,
                               .finalInletPress = 14.34,
                               .fuelTemp = 80.0,
                               .fuelFlow = 1000.0,
                               .exhaustTemp = 1050.0,
                               .compDischTemp = 720.0,
                               .compDischPress = 220.0},
                    .o2Target = 15.0,
                    .waterContent = 0.0064,
                    .mechanicalLosses = 1.5,
                    .generatorEfficiency = std::nullopt},
          .mix = {.fuelComp = {0.0, 100.0}}};  // by component index, 1 methane
}

// Natural gas in Exhaust Flow mode with a generator efficiency.
inline GasCaseInput naturalGasByExhaustFlow() {
  return {.input = {.stored = {.ambientTemp = 95.0,
                               .finalInletPress = 14.12,
                               .fuelTemp = 120.0,
                               .fuelFlow = 1200.0,
                               .exhaustTemp = 1010.0,
                               .exhaustFlow = 38000.0,
                               .compDischTemp = 780.0,
                               .compDischPress = 235.5,
                               .balanceMode = kBalanceExhaustFlow},
                    .waterContent = 0.0213,
                    .mechanicalLosses = 2.0,
                    .generatorEfficiency = 98.3},
          // 1 methane, 2 ethane, 4 propane, 13 CO2, 14 N2, 15 H2S
          .mix = {.fuelComp = {0.0, 85.0, 6.0, 0.0, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0,
                               2.0, 4.5, 0.5}}};
}

// All sixteen fuel components, typed in °C, m, mmWC, bar and lbmol/h and
// stored by the input conversion rules.
inline GasCaseInput sixteenComponentsInMetricUnits() {
  return {.input = {.stored = {.ambientTemp = fahrenheitFromCelsius(12.5),  // "12.5" °C
                               .finalInletPress = 13.93,  // 350 m, 120 mmWC, as the script derives
                               .fuelTemp = fahrenheitFromCelsius(30.0),  // "30" °C
                               .fuelFlow = 1081.5419,  // "2850" lbmol/h, 4 decimals
                               .exhaustTemp = fahrenheitFromCelsius(560.0),    // "560" °C
                               .compDischTemp = fahrenheitFromCelsius(395.0),  // "395" °C
                               .compDischPress = 13.2 * 14.5038},              // "13.2" bar
                    .o2Target = 14.2,
                    .waterContent = 0.0061,
                    .mechanicalLosses = 1.2,
                    .generatorEfficiency = 97.8},
          .mix = {.fuelComp = {0.0, 87.9, 4.0, 0.5, 1.5, 0.3, 0.3, 0.4, 0.1, 0.1, 0.1, 0.1, 0.1,
                               1.5, 2.5, 0.2, 0.4}}};
}

}  // namespace corvasine::gas::reference
