#pragma once

// The gas turbine evaluation behind the window's "&Evaluate" button: closes
// the combustion mass balance on a given exhaust O2 or exhaust flow, then the
// heat balance. No window code: the window reads and checks its inputs into a
// GasEvaluationInput, and formats and shows what comes back.

#include <optional>
#include <string>
#include <string_view>

#include "gas_turbine/gas_input_state.h"
#include "gas_turbine/gas_kernels.h"

namespace corvasine::gas {

// One record per gas window, zero when the window loads, overwritten field by
// field by each evaluation (also by one that fails part way) and never cleared
// otherwise; the export and print read it. Flows KSCFH, heats and powers Btu/h.
struct GasEvaluation {
  double o2Target = 0.0;          // exhaust O2 target, mole % dry; 0 in Exhaust Flow mode
  double waterRatio = 0.0;        // moles of water per mole of dry air
  double o2Demand = 0.0;          // O2 needed to burn the fuel completely
  double co2Combustion = 0.0;     // CO2 from the fuel (burnt carbon and the fuel's CO2)
  double waterCombustion = 0.0;   // water from the fuel (burnt hydrogen and the fuel's H2O)
  double n2Fuel = 0.0;            // N2 of the fuel
  double dryAirFlow = 0.0;        // dry combustion air
  double n2Air = 0.0;             // N2 brought by the dry air
  double co2Air = 0.0;            // CO2 brought by the dry air
  double argonFlow = 0.0;         // argon brought by the dry air
  double o2Excess = 0.0;          // O2 left in the exhaust
  double so2Flow = 0.0;           // SO2 from the fuel's H2S
  double humidWater = 0.0;        // water brought by the humid air
  double waterTotal = 0.0;        // all water in the exhaust
  double exhaustTotal = 0.0;      // wet exhaust flow
  double o2DryPercent = 0.0;      // exhaust O2, mole % dry
  double exhaustMolarMass = 0.0;  // lb/lbmol; in Exhaust O2 mode, for the tonnage
  double polyExponent = 0.0;      // polytropic exponent n of the compression
  double airCp = 0.0;             // mean molar heat capacity of the compressed air, Btu/(lbmol °F)
  double airK = 0.0;              // heat capacity ratio
  double polyEfficiency = 0.0;    // compressor polytropic efficiency, %
  double inletHeat = 0.0;         // in_heat
  double exhaustHeat = 0.0;       // ex_heat
  double compressorHeat = 0.0;    // compres
  double thermalPower = 0.0;
  double mechPower = 0.0;
  double electricPower = 0.0;  // written only when a generator efficiency is given
  double thermalEff = 0.0;     // %
  double heatRate = 0.0;       // Btu/hp-hr
};

// What the evaluation computes with, each figure as the window shows it. A
// figure stays a number of the record, never a text: the window has checked
// the boxes before.
struct GasEvaluationInput {
  GasInputState stored;   // the window's stored inputs; ambientTemp read afresh at Evaluate, °F
  double o2Target = 0.0;  // exhaust O2 target, mole % dry; used in Exhaust O2 mode only
  // Absolute water content, lb/lb as shown; none while the box shows no
  // number (its "Temp OOR"), which ends the evaluation where it is used.
  std::optional<double> waterContent;
  double mechanicalLosses = 0.0;              // %
  std::optional<double> generatorEfficiency;  // %, while a generator is ticked
};

enum class GasEvaluationOutcome {
  Done,             // show the result text
  CheckValues,      // show kCheckValuesMessage, error kind, title "Corvasine"
  InsufficientAir,  // show kInsufficientAirMessage, error kind, title "Corvasine"
};

inline constexpr std::string_view kCheckValuesMessage = "Check your values";
inline constexpr std::string_view kInsufficientAirMessage = "Insufficient air.";

struct GasEvaluationResult {
  GasEvaluationOutcome outcome = GasEvaluationOutcome::Done;
  // The previous record with its fields overwritten in the order they are
  // computed: a failure leaves what was there after the point it reached.
  GasEvaluation record;
};

// CheckValues covers an arithmetic fault, a water content that is no number,
// an O2 target above 21 or one the air cannot reach, an air-flow search that
// cannot end, mechanical losses of 100 or more and a generator efficiency of
// 101 or more. InsufficientAir: in Exhaust Flow mode the stoichiometric
// exhaust already exceeds the given exhaust flow.
GasEvaluationResult evaluateGasTurbine(const GasEvaluationInput& input, const GasMixture& mix,
                                       const GasEvaluation& previous);

// The result box's text of a Done evaluation: 8 lines, or 9 with a generator
// efficiency, joined by "\r\n" with no line end after the last.
std::string gasResultText(const GasEvaluationInput& input, const GasEvaluation& record);

}  // namespace corvasine::gas
