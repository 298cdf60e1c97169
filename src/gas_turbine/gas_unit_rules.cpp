#include "gas_turbine/gas_unit_rules.h"

#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::gas {

using runtime::checked;
using runtime::checkedDiv;
using runtime::NumberText;
using runtime::ParseNumber;
using runtime::RoundHalfEven;

double heightToFt(double x, int unit) {
  switch (unit) {
    case 0:
      return x;
    case 1:
      return checked(x * kFeetPerMetre);
    case 2:
      return checked(x * kFeetPerKilometre);
    default:
      return checked(x * kFeetPerMile);
  }
}

double lowPressureToInWC(double x, int unit) {
  switch (unit) {
    case 0:
      return x;
    case 1:
      return checked(x * kInWCPerMmWC);
    case 2:
      return checked(x * kInWCPerInHg);
    case 3:
      return checked(x * kInWCPerMmHg);
    default:
      return checked(x * kInWCPerPsi);
  }
}

double molarFlowToKscfh(double x, int unit) {
  double kscfh = 0.0;
  switch (unit) {
    case 0:
      return x;  // as typed, unrounded
    case 1:
      kscfh = x / kHoursPerDay * kMscfPerMmscf;
      break;
    case 2:
      kscfh = x * kKscfhPerLbmolH;
      break;
    default:
      kscfh = x * kLbPerKg * kKscfhPerLbmolH;
      break;
  }
  return RoundHalfEven(checked(kscfh), kMolarFlowDecimals);
}

std::string psiaDisplayText(double p, int unit) {
  switch (unit) {
    case 0:
      return NumberText(p);
    case 1:
      return NumberText(RoundHalfEven(p / kPsiPerAtm, kPressureDisplayDecimals));
    case 2:
      return NumberText(RoundHalfEven(p / kPsiPerBar, kPressureDisplayDecimals));
    default:
      return NumberText(RoundHalfEven(p / kPsiPerKgfPerCm2, kPressureDisplayDecimals));
  }
}

std::string heatingValueDisplayText(const std::string& sourceText, const std::string& molWeightText,
                                    int unit) {
  if (unit == 0) return sourceText;
  const double h = ParseNumber(sourceText);
  const double m = ParseNumber(molWeightText);
  const double btuPerLb = checkedDiv(checked(h * kScfPerLbmol), m);
  switch (unit) {
    case 1:
      return NumberText(RoundHalfEven(btuPerLb, kHeatingValueDecimals));
    case 2:
      return NumberText(
          RoundHalfEven(checked(btuPerLb * kKJPerKgPerBtuPerLb), kHeatingValueDecimals));
    default:
      return NumberText(
          RoundHalfEven(checked(btuPerLb * kKCalPerKgPerBtuPerLb), kHeatingValueDecimals));
  }
}

}  // namespace corvasine::gas
