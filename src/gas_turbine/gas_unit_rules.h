#pragma once

// The conversions of the gas window's input boxes between the unit a list
// shows and the field's base unit. A list position is its entry's index, 0
// being the base unit; a position that names no entry of a rule takes its
// last rule. Every conversion raises runtime::RuntimeError on an arithmetic
// fault, like the rest of the handlers' steps.

#include <string>

#include "gas_turbine/gas_tables.h"  // kKscfhPerLbmolH
#include "shell/unit_lists.h"

namespace corvasine::gas {

// The temperature and pressure lists are the ones both calculators show.
using shell::kPsiPerAtm;
using shell::kPsiPerBar;
using shell::kPsiPerKgfPerCm2;
using shell::pressureToPsia;  // psia, atm, bar, kg/cm2
using shell::temperatureToF;  // °F, °C

// Factors of the gas window's own unit lists, each from the named unit to the base unit.
inline constexpr double kFeetPerMetre = 3.28084;
inline constexpr double kFeetPerKilometre = 3280.84;
inline constexpr double kFeetPerMile = 5280.0;
inline constexpr double kInWCPerMmWC = 0.0393701;
inline constexpr double kInWCPerInHg = 13.5951;
inline constexpr double kInWCPerMmHg = 0.535239;
inline constexpr double kInWCPerPsi = 27.6799;
inline constexpr double kHoursPerDay = 24.0;
inline constexpr double kMscfPerMmscf = 1000.0;  // mmscfd / 24 × 1000 = kscfh
inline constexpr double kLbPerKg = 2.20462;
inline constexpr double kScfPerLbmol = 379.4884;  // standard cubic feet per lb-mole
inline constexpr double kKJPerKgPerBtuPerLb = 2.326;
inline constexpr double kKCalPerKgPerBtuPerLb = 0.555556;

// Decimals of the rounded conversions.
inline constexpr int kMolarFlowDecimals = 4;
inline constexpr int kPressureDisplayDecimals = 4;
inline constexpr int kHeatingValueDecimals = 2;

// x in the unit at list position `unit` to the field's base unit.
double heightToFt(double x, int unit);         // ft, m, km, miles
double lowPressureToInWC(double x, int unit);  // inWC, mmWC, inHg, mmHg, psia
double molarFlowToKscfh(double x, int unit);   // kscfh, mmscfd, lbmol/h, kgmol/h

// Text of a pressure p (psia) shown in the unit at list position `unit`.
std::string psiaDisplayText(double p, int unit);

// Text of a heating value shown in the unit at list position `unit` (Btu/scf,
// Btu/lb, kJ/kg, kCal/kg): in Btu/scf the source text unchanged, otherwise
// the value of the source text over the molecular weight text.
std::string heatingValueDisplayText(const std::string& sourceText, const std::string& molWeightText,
                                    int unit);

}  // namespace corvasine::gas
