#include "shell/unit_lists.h"

#include "runtime/runtime_error.h"

namespace corvasine::shell {

using runtime::checked;

std::vector<std::string> temperatureUnitItems() { return {"°F", "°C"}; }

std::vector<std::string> pressureUnitItems() { return {"psia", "atm", "bar", "kg/cm2"}; }

double temperatureToF(double x, int unit) {
  if (unit == 0) return x;
  return checked(x * kFahrenheitPerCelsiusDegree + kFahrenheitAtZeroCelsius);
}

double pressureToPsia(double x, int unit) {
  switch (unit) {
    case 0:
      return x;
    case 1:
      return checked(x * kPsiaPerAtm);
    case 2:
      return checked(x * kPsiaPerBar);
    default:
      return checked(x * kPsiaPerKgPerCm2);
  }
}

}  // namespace corvasine::shell
