#include "shell/unit_lists.h"

#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::shell {

using runtime::checked;
using runtime::RoundHalfEven;

const UnitEntry& UnitList::at(int unit) const {
  return has(unit) ? entries[static_cast<std::size_t>(unit)] : entries.back();
}

std::vector<std::string> UnitList::items() const {
  std::vector<std::string> texts;
  for (const UnitEntry& entry : entries) texts.emplace_back(entry.text);
  return texts;
}

double UnitList::toBase(double x, int unit) const {
  const UnitEntry& entry = at(unit);
  if (entry.toBase != nullptr) return checked(entry.toBase(x));
  return entry.factor != 0.0 ? checked(x * entry.factor) : x;
}

double UnitList::fromBase(double base, int unit) const {
  const UnitEntry& entry = at(unit);
  if (entry.fromBase != nullptr) return checked(entry.fromBase(base));
  return entry.factor != 0.0 ? checked(base / entry.factor) : base;
}

double temperatureFromF(double x, int unit) { return kTemperatureUnits.fromBase(x, unit); }
double pressureFromPsia(double x, int unit) { return kPressureUnits.fromBase(x, unit); }

namespace {

// Each conversion is written out in the order of operations its figures
// have always had.
constexpr UnitEntry kTemperature[] = {
    {"°F"},
    {"°C", 0.0, [](double c) { return c * kFahrenheitPerCelsius + kFahrenheitAtZeroCelsius; },
     [](double f) { return (f - kFahrenheitAtZeroCelsius) / kFahrenheitPerCelsius; }},
};

constexpr UnitEntry kPressure[] = {
    {"psia"}, {"atm", 14.6959}, {"bar", 14.5038}, {"kg/cm2", 14.2233}};

constexpr UnitEntry kLowPressure[] = {
    {"inWC"}, {"mmWC", 0.0393701}, {"inHg", 13.5951}, {"mmHg", 0.535239}, {"psia", kInWCPerPsi}};

constexpr UnitEntry kHeight[] = {{"ft"}, {"m", 3.28084}, {"km", 3280.84}, {"miles", 5280.0}};

constexpr UnitEntry kWaterContent[] = {{"lb/lb"}, {"g/g"}, {"kg/kg"}};

double roundedKscfh(double kscfh) { return RoundHalfEven(checked(kscfh), kMolarFlowDecimals); }

constexpr UnitEntry kMolarFlow[] = {
    {"kscfh"},
    {"mmscfd", 0.0, [](double x) { return roundedKscfh(x / kHoursPerDay * kKscfPerMmscf); }},
    {"lbmol/h", 0.0, [](double x) { return roundedKscfh(x * kKscfPerLbMole); }},
    {"kgmol/h", 0.0,
     [](double x) { return roundedKscfh(x * kPoundsPerKilogram * kKscfPerLbMole); }},
};

constexpr UnitEntry kHeatingValue[] = {
    {"Btu/scf"},
    {"Btu/lb"},
    {"kJ/kg", 0.0, nullptr, [](double btuPerLb) { return btuPerLb * kKJPerKgPerBtuPerLb; }},
    {"kCal/kg", 0.0, nullptr, [](double btuPerLb) { return btuPerLb * kKcalPerKgPerBtuPerLb; }},
};

// Mass flow units in lb/h. lb/h scales by exactly 1; kg/s has always been
// 7936.64 lb/h, not kPoundsPerKilogram × 3600.
constexpr double kLbPerHourPerLbPerHour = 1.0;
constexpr double kLbPerHourPerLbPerSecond = 3600.0;
constexpr double kLbPerHourPerKgPerSecond = 7936.64;
constexpr double kLbPerHourPerLongTonPerHour = 2240.0;
// The factor is a reference: a floating-point value is no template argument
// in every compiler we build with.
template <const double& LbPerHour>
constexpr UnitEntry massFlow(std::string_view text) {
  return {text, 0.0, [](double v) { return v / kPoundsPerKilopound * LbPerHour; },
          [](double kpph) { return kpph * kPoundsPerKilopound / LbPerHour; }};
}
constexpr UnitEntry kMassFlow[] = {
    {"kpph"},
    massFlow<kLbPerHourPerLbPerHour>("lb/h"),
    massFlow<kLbPerHourPerLbPerSecond>("lb/s"),
    massFlow<kPoundsPerKilogram>("kg/h"),
    massFlow<kLbPerHourPerKgPerSecond>("kg/s"),
    massFlow<kLbPerHourPerLongTonPerHour>("tons/h"),
};

constexpr UnitEntry kEntropy[] = {
    {"Btu/lb.F"},
    {"KJ/kg.K", 0.0, nullptr,
     [](double s) { return RoundHalfEven(checked(s * 4.1868), kEntropyDecimals); }},
    {"Kcal/kg.C"},
};

constexpr UnitEntry kEnthalpy[] = {
    {"Btu/lb"},
    {"KJ/kg", 0.0, [](double shown) { return shown / kKJPerKgPerBtuPerLb; },
     [](double h) { return RoundHalfEven(checked(h * kKJPerKgPerBtuPerLb), kEnthalpyDecimals); }},
    {"Kcal/kg", 0.0, [](double shown) { return shown / kKcalPerKgPerBtuPerLb; },
     [](double h) { return RoundHalfEven(checked(h * kKcalPerKgPerBtuPerLb), kEnthalpyDecimals); }},
};

constexpr UnitEntry kPower[] = {{"hp"}, {"Watts"}, {"kW"}, {"MW"}, {"Btu/hr"}};
constexpr UnitEntry kHeatRate[] = {{"Btu/hp.hr"}, {"Btu/kWh"}, {"kJ/kWh"}};

}  // namespace

constexpr UnitList kTemperatureUnits{kTemperature};
constexpr UnitList kPressureUnits{kPressure};
constexpr UnitList kLowPressureUnits{kLowPressure};
constexpr UnitList kHeightUnits{kHeight};
constexpr UnitList kWaterContentUnits{kWaterContent};
constexpr UnitList kMolarFlowUnits{kMolarFlow};
constexpr UnitList kHeatingValueUnits{kHeatingValue};
constexpr UnitList kMassFlowUnits{kMassFlow};
constexpr UnitList kEntropyUnits{kEntropy};
constexpr UnitList kEnthalpyUnits{kEnthalpy};
constexpr UnitList kPowerUnits{kPower};
constexpr UnitList kHeatRateUnits{kHeatRate};

}  // namespace corvasine::shell
