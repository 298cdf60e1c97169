#include "gas_turbine/gas_unit_rules.h"

#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::gas {

using runtime::checked;
using runtime::checkedDiv;
using runtime::NumberText;
using runtime::ParseNumber;
using runtime::RoundHalfEven;

std::string psiaDisplayText(double p, int unit) {
  if (unit == 0) return NumberText(p);
  return NumberText(
      RoundHalfEven(shell::kPressureUnits.fromBase(p, unit), kPressureDisplayDecimals));
}

std::string heatingValueDisplayText(const std::string& sourceText, const std::string& molWeightText,
                                    int unit) {
  if (unit == 0) return sourceText;
  const double h = ParseNumber(sourceText);
  const double m = ParseNumber(molWeightText);
  const double btuPerLb = checkedDiv(checked(h * shell::kScfPerLbMole), m);
  return NumberText(
      RoundHalfEven(shell::kHeatingValueUnits.fromBase(btuPerLb, unit), kHeatingValueDecimals));
}

}  // namespace corvasine::gas
