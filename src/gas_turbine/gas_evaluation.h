#pragma once

// The gas turbine evaluation behind the window's "&Evaluate" button: closes
// the combustion mass balance on a given exhaust O2 or exhaust flow, then the
// heat balance, and writes the result text. No window code: the caller passes
// the stored inputs, the texts of the boxes the evaluation reads and the
// shared compositions, and shows the outcome.

#include <string>
#include <string_view>

#include "gas_turbine/gas_input_state.h"
#include "gas_turbine/gas_kernels.h"

namespace corvasine::gas {

// One record per gas window, zero when the window loads, overwritten field by
// field by each evaluation (also by one that fails part way) and never cleared
// otherwise; the export and print read it. Flows KSCFH, heats and powers Btu/h.
struct GasEvaluation {
  double o2Target = 0.0;         // exhaust O2 target, mole % dry; 0 in Exhaust Flow mode
  double waterRatio = 0.0;       // moles of water per mole of dry air
  double o2Demand = 0.0;         // O2 needed to burn the fuel completely
  double co2Combustion = 0.0;    // CO2 from the fuel (burnt carbon and the fuel's CO2)
  double waterCombustion = 0.0;  // water from the fuel (burnt hydrogen and the fuel's H2O)
  double n2Fuel = 0.0;           // N2 of the fuel
  double dryAirFlow = 0.0;       // dry combustion air
  double n2Air = 0.0;            // N2 brought by the dry air
  double co2Air = 0.0;           // CO2 brought by the dry air
  double argonFlow = 0.0;        // argon brought by the dry air
  double o2Excess = 0.0;         // O2 left in the exhaust
  double so2Flow = 0.0;          // SO2 from the fuel's H2S
  double humidWater = 0.0;       // water brought by the humid air
  double waterTotal = 0.0;       // all water in the exhaust
  double exhaustTotal = 0.0;     // wet exhaust flow
  double o2DryPercent = 0.0;     // exhaust O2, mole % dry
  double polyExponent = 0.0;     // polytropic exponent n of the compression
  double airCp = 0.0;            // mean molar heat capacity of the compressed air, Btu/(lbmol °F)
  double airK = 0.0;             // heat capacity ratio
  double polyEfficiency = 0.0;   // compressor polytropic efficiency, %
  double inletHeat = 0.0;        // in_heat
  double exhaustHeat = 0.0;      // ex_heat
  double compressorHeat = 0.0;   // compres
  double thermalPower = 0.0;
  double mechPower = 0.0;
  double electricPower = 0.0;  // written only when a generator efficiency is given
  double thermalEff = 0.0;     // %
  double heatRate = 0.0;       // Btu/hp-hr
};

// The texts of the window's boxes that the evaluation reads, as they stand.
struct GasEvaluationBoxes {
  std::string Text1;           // ambient temperature
  bool cmbtempAtFirst = true;  // cmbtemp shows position 0 (°F); otherwise Text1 is °C
  std::string Text15;          // exhaust O2 target, %; read in Exhaust O2 mode only
  std::string Text5;           // absolute water content, lb/lb as displayed
  std::string Text26;          // mechanical losses, %
  std::string Text25;          // generator efficiency, %; read only when enabled
  bool Text25Enabled = false;  // Check1 "Generator efficiency:" ticked
};

enum class GasEvaluationOutcome {
  Done,             // resultText replaced
  CheckValues,      // show kCheckValuesMessage, error kind, title "Corvasine"
  InsufficientAir,  // show kInsufficientAirMessage, error kind, title "Corvasine"
};

inline constexpr std::string_view kCheckValuesMessage = "Check your values";
inline constexpr std::string_view kInsufficientAirMessage = "Insufficient air.";

// Runs the evaluation. Rewrites state.ambientTemp from Text1 first, then the
// fields of record in the order they are computed; a failure leaves what was
// written before it. Only on Done is resultText replaced: 8 lines, or 9 with
// an enabled Text25, joined by "\r\n" with no line end after the last.
//
// CheckValues covers a box text that is not a number, an arithmetic fault, an
// O2 target above 21 or one the air cannot reach, an air-flow search that
// cannot end, mechanical losses of 100 or more and a generator efficiency of
// 101 or more. InsufficientAir: in Exhaust Flow mode the stoichiometric
// exhaust already exceeds the given exhaust flow.
GasEvaluationOutcome evaluateGasTurbine(GasInputState& state, const GasEvaluationBoxes& boxes,
                                        const GasMixture& mix, GasEvaluation& record,
                                        std::string& resultText);

}  // namespace corvasine::gas
