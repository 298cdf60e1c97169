#include "gas_turbine/gas_evaluation.h"

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "shell/unit_factors.h"

namespace corvasine::gas {

using shell::kBtuPerHourPerHp;
using shell::kWattsPerHp;
using shell::kWattsPerMegawatt;

namespace {

using runtime::checked;
using runtime::checkedDiv;
using runtime::checkedLog;
using runtime::NumberText;
using runtime::RoundHalfEven;

// °F to °R in the polytropic exponent: the compression uses 460, not 459.67.
constexpr double kRankineOffset = shell::kRoundRankineAtZeroFahrenheit;
// Molar mass of dry air, lb/lbmol.
constexpr double kAirMolarMass = 28.966;
// Highest O2 target accepted, mole % dry.
constexpr double kMaxO2Target = 21.0;
// The air-flow search raises the air flow by 0.01 % per step.
constexpr double kAirStepFactor = 1.0001;
// Safety net of the search. A moving air flow grows by the factor 1.0001 per
// step and leaves the Double range (an overflow, ending the evaluation) within
// some 14.5 million steps even from the smallest positive Double; a search
// still running after this many steps cannot end.
constexpr long kMaxAirSteps = 15'000'000;
// Molar gas constant, Btu/(lbmol °F).
constexpr double kGasConstant = 1.986;
// Power conversions: Btu/h per hp, W per hp, Btu/hp-hr per MJ/kW-hr.
constexpr double kHeatRatePerMjPerKwHr = 706.83;
// Exhaust tonnage: KSCFH per lbmol/h as the tonnage rounds it, and kg per lb.
constexpr double kExhaustKscfhPerLbmolH = shell::kRoundKscfPerLbMole;
constexpr double kKgPerLb = 0.453592;

double fuelShare(const GasMixture& mix, ComponentIndex i) { return mix.fuelComp[i]; }

// Moles of one stoichiometry column per mole of fuel, summed in component order.
double perMoleOfFuel(const GasMixture& mix, double Stoichiometry::*column) {
  double sum = 0.0;
  for (std::size_t i = kFirstFuelComponent; i <= kLastFuelComponent; ++i) {
    sum = checked(sum + mix.fuelComp[i] * (stoichiometry[i].*column) / 100.0);
  }
  return sum;
}

void computeFuelProducts(const GasMixture& mix, double fuelFlow, GasEvaluation& r) {
  r.o2Demand = checked(perMoleOfFuel(mix, &Stoichiometry::o2Demand) * fuelFlow);
  r.waterCombustion = checked(perMoleOfFuel(mix, &Stoichiometry::h2o) * fuelFlow);
  r.co2Combustion = checked(perMoleOfFuel(mix, &Stoichiometry::co2) * fuelFlow);
  r.n2Fuel = checked(fuelShare(mix, kN2) / 100.0 * fuelFlow);
}

void setStoichiometricAir(const GasMixture& mix, GasEvaluation& r) {
  r.dryAirFlow = checked(checkedDiv(r.o2Demand, mix.airO2) * 100.0);
  r.n2Air = checked(r.dryAirFlow * mix.airN2 / 100.0);
  r.co2Air = checked(r.dryAirFlow * mix.airCO2 / 100.0);
  r.argonFlow = checked(r.dryAirFlow * mix.airAr / 100.0);
  r.o2Excess = 0.0;
  r.o2DryPercent = 0.0;
}

// The flows of air and exhaust at the current dryAirFlow.
void computeFlowSet(const GasMixture& mix, double fuelFlow, GasEvaluation& r) {
  const double air = r.dryAirFlow;
  const double o2Air = checked(air * mix.airO2 / 100.0);
  r.n2Air = checked(air * mix.airN2 / 100.0);
  r.co2Air = checked(air * mix.airCO2 / 100.0);
  r.argonFlow = checked(air * mix.airAr / 100.0);
  r.so2Flow = checked(fuelShare(mix, kH2S) / 100.0 * fuelFlow);
  r.o2Excess = checked(o2Air - r.o2Demand);
  r.humidWater = checked(air * r.waterRatio);
  r.waterTotal = checked(r.humidWater + r.waterCombustion);
  r.exhaustTotal = checked(r.argonFlow + r.n2Air + r.co2Combustion + r.waterTotal + r.co2Air +
                           r.o2Excess + r.n2Fuel + r.so2Flow);
}

void takeAirStep(const GasMixture& mix, double fuelFlow, GasEvaluation& r) {
  r.dryAirFlow = checked(r.dryAirFlow * kAirStepFactor);
  computeFlowSet(mix, fuelFlow, r);
  const double dryExhaust = checked(r.exhaustTotal - r.waterTotal);
  r.o2DryPercent = checked(checkedDiv(r.o2Excess, dryExhaust) * 100.0);
}

// Steps the air flow while keepGoing() holds. False when the search cannot
// end: the air flow no longer moves (zero, or too small for 0.01 % to change
// it), so every later step would repeat this one, or the safety net is hit.
template <typename Condition>
bool searchAir(const GasMixture& mix, double fuelFlow, GasEvaluation& r, Condition keepGoing) {
  for (long steps = 0; keepGoing();) {
    if (++steps > kMaxAirSteps) return false;
    const double before = r.dryAirFlow;
    takeAirStep(mix, fuelFlow, r);
    if (r.dryAirFlow == before && keepGoing()) return false;
  }
  return true;
}

// Whether no air flow can bring the dry exhaust O2 up to the target. With a
// fuel that needs oxygen (D > 0) and brings no negative dry products (P >= 0),
// the dry O2 share (aA - D)/(sA - D + P), a and s the O2 and the whole share of
// the dry air, rises with the air flow A towards a/s, the O2 share of the dry
// air, and in exact arithmetic never reaches it. Rounding touches it only at
// air flows of some 1e18 KSCFH, where the balance means nothing; above it the
// air flow would grow for millions of steps until it overflows. Both are
// refused before the search; every other target is searched step by step.
bool o2TargetUnreachable(const GasMixture& mix, const GasEvaluation& r) {
  const double airShares = mix.airO2 + mix.airN2 + mix.airAr + mix.airCO2;
  const double fuelDryProducts = r.co2Combustion + r.n2Fuel + r.so2Flow;
  const bool rising =
      r.o2Demand > 0.0 && mix.airO2 > 0.0 && airShares > mix.airO2 && fuelDryProducts >= 0.0;
  return rising && r.o2Target >= mix.airO2 / airShares * 100.0;
}

double exhaustMolarMass(const GasEvaluation& r) {
  return checkedDiv(checked(r.argonFlow * kArgonMolarMass + r.n2Air * kN2MolarMass +
                            r.co2Combustion * kCO2MolarMass + r.waterTotal * kH2OMolarMass +
                            r.co2Air * kCO2MolarMass + r.o2Excess * kO2MolarMass +
                            r.n2Fuel * kN2MolarMass + r.so2Flow * kSO2MolarMass),
                    r.exhaustTotal);
}

// The steps of the evaluation in order; RuntimeError escapes to the error exit.
GasEvaluationOutcome evaluate(const GasEvaluationInput& in, const GasMixture& mix,
                              GasEvaluation& r) {
  const GasInputState& state = in.stored;
  const double t1 = checked(state.ambientTemp + kRankineOffset);
  const double t2 = checked(state.compDischTemp + kRankineOffset);
  const double lnT = checkedLog(checkedDiv(t1, t2));
  const double lnP = checkedLog(checkedDiv(state.finalInletPress, state.compDischPress));
  r.polyExponent = checkedDiv(1.0, 1.0 - checkedDiv(lnT, lnP));

  r.o2Target = 0.0;
  if (state.balanceMode == kBalanceExhaustO2) r.o2Target = in.o2Target;
  if (!in.waterContent) return GasEvaluationOutcome::CheckValues;
  r.waterRatio = checked(*in.waterContent * kAirMolarMass / kH2OMolarMass);
  if (r.o2Target > kMaxO2Target) return GasEvaluationOutcome::CheckValues;

  computeFuelProducts(mix, state.fuelFlow, r);
  setStoichiometricAir(mix, r);
  computeFlowSet(mix, state.fuelFlow, r);

  if (state.balanceMode == kBalanceExhaustO2) {
    const auto belowTarget = [&r] { return r.o2DryPercent < r.o2Target; };
    if (belowTarget() && o2TargetUnreachable(mix, r)) return GasEvaluationOutcome::CheckValues;
    if (!searchAir(mix, state.fuelFlow, r, belowTarget)) return GasEvaluationOutcome::CheckValues;
    r.exhaustMolarMass = exhaustMolarMass(r);
  } else {
    if (r.exhaustTotal > state.exhaustFlow) return GasEvaluationOutcome::InsufficientAir;
    const auto belowTarget = [&r, &state] { return r.exhaustTotal < state.exhaustFlow; };
    if (!searchAir(mix, state.fuelFlow, r, belowTarget)) return GasEvaluationOutcome::CheckValues;
  }

  r.inletHeat =
      in_heat(mix, state.ambientTemp, state.fuelTemp, r.dryAirFlow, r.humidWater, state.fuelFlow);
  r.exhaustHeat = ex_heat(state.exhaustTemp, r.n2Air, r.n2Fuel, r.argonFlow, r.co2Combustion,
                          r.co2Air, r.waterTotal, r.o2Excess, r.so2Flow);
  r.compressorHeat =
      compres(mix, state.ambientTemp, state.compDischTemp, r.dryAirFlow, r.humidWater);

  // Only the dry-air moles divide, though compressorHeat includes the humidity.
  const double dryAirMoles = checked(r.dryAirFlow / kKscfhPerLbmolH);
  const double compressionRise = checked(t2 - t1);
  r.airCp = std::fabs(checkedDiv(checkedDiv(r.compressorHeat, dryAirMoles), compressionRise));
  r.airK = checkedDiv(r.airCp, r.airCp - kGasConstant);
  const double polyFactor = checked((r.polyExponent - 1.0) * r.airK);
  r.polyEfficiency =
      checked(checkedDiv(checked((r.airK - 1.0) * r.polyExponent), polyFactor) * 100.0);

  const double combustionHeat = heat_comb(mix, state.fuelFlow);
  r.thermalPower = checked(-(r.exhaustHeat + r.inletHeat + combustionHeat));

  const double losses = in.mechanicalLosses;
  if (!(losses < 100.0)) return GasEvaluationOutcome::CheckValues;
  r.mechPower = checked((100.0 - losses) * r.thermalPower / 100.0);

  double power = r.mechPower;
  if (in.generatorEfficiency) {
    const double generatorEff = *in.generatorEfficiency;
    if (!(generatorEff < 101.0)) return GasEvaluationOutcome::CheckValues;
    r.electricPower = checked(generatorEff * r.mechPower / 100.0);
    power = r.electricPower;
  }

  r.thermalEff = checked(checkedDiv(power, combustionHeat) * -100.0);
  r.heatRate = std::fabs(checkedDiv(combustionHeat * kBtuPerHourPerHp, power));
  return GasEvaluationOutcome::Done;
}

}  // namespace

GasEvaluationResult evaluateGasTurbine(const GasEvaluationInput& input, const GasMixture& mix,
                                       const GasEvaluation& previous) {
  GasEvaluationResult result{GasEvaluationOutcome::Done, previous};
  try {
    result.outcome = evaluate(input, mix, result.record);
  } catch (const runtime::RuntimeError&) {
    result.outcome = GasEvaluationOutcome::CheckValues;
  }
  return result;
}

namespace {

std::string rounded(double x, int decimals) { return NumberText(RoundHalfEven(x, decimals)); }

// A power in Btu/h as "<hp> hp (<MW> MW)".
std::string powerText(double w) {
  return rounded(w / kBtuPerHourPerHp, 0) + " hp (" +
         rounded(w / kBtuPerHourPerHp * kWattsPerHp / kWattsPerMegawatt, 2) + " MW)";
}

std::string exhaustFlowLine(const GasEvaluation& r) {
  const double tonsPerHour =
      r.exhaustTotal / kExhaustKscfhPerLbmolH * r.exhaustMolarMass * kKgPerLb / 1000.0;
  return "Exhaust Flow: " + rounded(r.exhaustTotal, 0) + " KSCFH (" + rounded(tonsPerHour, 2) +
         " Tons/hr)";
}

std::string oxygenLine(const GasEvaluation& r) {
  return "Oxygen in Exhaust: " + rounded(r.o2DryPercent, 2) + " %";
}

}  // namespace

std::string gasResultText(const GasEvaluationInput& input, const GasEvaluation& r) {
  const bool withElectric = input.generatorEfficiency.has_value();
  const std::string balanceLine =
      input.stored.balanceMode == kBalanceExhaustO2 ? exhaustFlowLine(r) : oxygenLine(r);
  std::vector<std::string> lines;
  lines.push_back("Fresh air flow: " + rounded(r.humidWater + r.dryAirFlow, 0) + " KSCFH");
  lines.push_back(balanceLine);
  lines.push_back("Thermal power output: " + powerText(r.thermalPower));
  lines.push_back("Mechanical power output: " + powerText(r.mechPower));
  if (withElectric) lines.push_back("Electric power output: " + powerText(r.electricPower));
  lines.push_back("Thermal Efficiency: " + rounded(r.thermalEff, 2) + " %");
  lines.push_back("Heat-rate: " + rounded(r.heatRate, 0) + " BTU/hp-hr (" +
                  rounded(r.heatRate / kHeatRatePerMjPerKwHr, 2) + " MJ/kW-hr)");
  lines.push_back("Compressor Work: " + powerText(r.compressorHeat));
  lines.push_back("Compressor Polytropic Efficiency: " + rounded(r.polyEfficiency, 2) + " %");
  std::string text;
  for (const std::string& line : lines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

}  // namespace corvasine::gas
