#pragma once

// What the gas window shows beyond the unit catalogue's conversions: the
// pressures it computes itself, and the heating values that go through the
// fuel's molecular weight. Both raise runtime::RuntimeError on an
// arithmetic fault.

#include <string>

#include "shell/unit_lists.h"

namespace corvasine::gas {

inline constexpr int kPressureDisplayDecimals = 4;
inline constexpr int kHeatingValueDecimals = 2;

// Text of a pressure p (psia) shown in the unit at list position `unit`:
// psia as it stands, the others rounded to kPressureDisplayDecimals.
std::string psiaDisplayText(double p, int unit);

// Text of a heating value shown in the unit at list position `unit` (Btu/scf,
// Btu/lb, kJ/kg, kCal/kg): in Btu/scf the source text unchanged, otherwise
// the value of the source text over the molecular weight text, rounded to
// kHeatingValueDecimals.
std::string heatingValueDisplayText(const std::string& sourceText, const std::string& molWeightText,
                                    int unit);

}  // namespace corvasine::gas
