#pragma once

// The unit lists that both calculators show: temperature and pressure. A
// unit is its position in the list, 0 being the base unit (°F, psia); a
// position that names no entry takes the last rule. The conversions raise
// runtime::RuntimeError on an arithmetic fault.

#include <string>
#include <vector>

#include "shell/unit_factors.h"

namespace corvasine::shell {

std::vector<std::string> temperatureUnitItems();  // "°F", "°C"
std::vector<std::string> pressureUnitItems();     // "psia", "atm", "bar", "kg/cm2"

// x in the unit at list position `unit` to °F or psia.
double temperatureToF(double x, int unit);
double pressureToPsia(double x, int unit);
// A figure in °F or psia in the unit at list position `unit`.
double temperatureFromF(double x, int unit);
double pressureFromPsia(double x, int unit);

}  // namespace corvasine::shell
