#include "shell/unit_lists.h"

#include "runtime/runtime_error.h"

namespace corvasine::shell {

using runtime::checked;

std::vector<std::string> temperatureUnitItems() { return {"°F", "°C"}; }

std::vector<std::string> pressureUnitItems() { return {"psia", "atm", "bar", "kg/cm2"}; }

double temperatureToF(double x, int unit) {
  if (unit == 0) return x;
  return checked(x * kFahrenheitPerCelsius + kFahrenheitAtZeroCelsius);
}

double pressureToPsia(double x, int unit) {
  switch (unit) {
    case 0:
      return x;
    case 1:
      return checked(x * kPsiPerAtm);
    case 2:
      return checked(x * kPsiPerBar);
    default:
      return checked(x * kPsiPerKgfPerCm2);
  }
}

double temperatureFromF(double x, int unit) {
  if (unit == 0) return x;
  return checked((x - kFahrenheitAtZeroCelsius) / kFahrenheitPerCelsius);
}

double pressureFromPsia(double x, int unit) {
  switch (unit) {
    case 0:
      return x;
    case 1:
      return checked(x / kPsiPerAtm);
    case 2:
      return checked(x / kPsiPerBar);
    default:
      return checked(x / kPsiPerKgfPerCm2);
  }
}

}  // namespace corvasine::shell
