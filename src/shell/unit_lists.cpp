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
  return entry.toBase != nullptr ? checked(entry.toBase(x)) : x;
}

double UnitList::fromBase(double base, int unit) const {
  const UnitEntry& entry = at(unit);
  return entry.fromBase != nullptr ? checked(entry.fromBase(base)) : base;
}

double temperatureFromF(double x, int unit) { return kTemperatureUnits.fromBase(x, unit); }
double pressureFromPsia(double x, int unit) { return kPressureUnits.fromBase(x, unit); }

namespace {

// Each conversion is written out in the order of operations its figures
// have always had.
constexpr UnitEntry kTemperature[] = {
    {"°F"},
    {"°C", [](double c) { return c * kFahrenheitPerCelsius + kFahrenheitAtZeroCelsius; },
     [](double f) { return (f - kFahrenheitAtZeroCelsius) / kFahrenheitPerCelsius; }},
};

constexpr UnitEntry kPressure[] = {
    {"psia"},
    {"atm", [](double x) { return x * kPsiPerAtm; }, [](double p) { return p / kPsiPerAtm; }},
    {"bar", [](double x) { return x * kPsiPerBar; }, [](double p) { return p / kPsiPerBar; }},
    {"kg/cm2", [](double x) { return x * kPsiPerKgfPerCm2; },
     [](double p) { return p / kPsiPerKgfPerCm2; }},
};

constexpr UnitEntry kLowPressure[] = {
    {"inWC"},
    {"mmWC", [](double x) { return x * kInWCPerMmWC; }},
    {"inHg", [](double x) { return x * kInWCPerInHg; }},
    {"mmHg", [](double x) { return x * kInWCPerMmHg; }},
    {"psia", [](double x) { return x * kInWCPerPsi; }},
};

constexpr UnitEntry kHeight[] = {
    {"ft"},
    {"m", [](double x) { return x * kFeetPerMeter; }},
    {"km", [](double x) { return x * kFeetPerKilometer; }},
    {"miles", [](double x) { return x * kFeetPerMile; }},
};

constexpr UnitEntry kWaterContent[] = {{"lb/lb"}, {"g/g"}, {"kg/kg"}};

double roundedKscfh(double kscfh) { return RoundHalfEven(checked(kscfh), kMolarFlowDecimals); }

constexpr UnitEntry kMolarFlow[] = {
    {"kscfh"},
    {"mmscfd", [](double x) { return roundedKscfh(x / kHoursPerDay * kKscfPerMmscf); }},
    {"lbmol/h", [](double x) { return roundedKscfh(x * kKscfPerLbMole); }},
    {"kgmol/h", [](double x) { return roundedKscfh(x * kPoundsPerKilogram * kKscfPerLbMole); }},
};

constexpr UnitEntry kHeatingValue[] = {
    {"Btu/scf"},
    {"Btu/lb"},
    {"kJ/kg", nullptr, [](double btuPerLb) { return btuPerLb * kKJPerKgPerBtuPerLb; }},
    {"kCal/kg", nullptr, [](double btuPerLb) { return btuPerLb * kKcalPerKgPerBtuPerLb; }},
};

// lb/h scales by exactly 1.
constexpr UnitEntry kMassFlow[] = {
    {"kpph"},
    {"lb/h", [](double v) { return v / kPoundsPerKilopound * 1.0; },
     [](double kpph) { return kpph * kPoundsPerKilopound / 1.0; }},
    {"lb/s", [](double v) { return v / kPoundsPerKilopound * kSecondsPerHour; },
     [](double kpph) { return kpph * kPoundsPerKilopound / kSecondsPerHour; }},
    {"kg/h", [](double v) { return v / kPoundsPerKilopound * kPoundsPerKilogram; },
     [](double kpph) { return kpph * kPoundsPerKilopound / kPoundsPerKilogram; }},
    {"kg/s", [](double v) { return v / kPoundsPerKilopound * kLbPerHourPerKgPerSecond; },
     [](double kpph) { return kpph * kPoundsPerKilopound / kLbPerHourPerKgPerSecond; }},
    {"tons/h", [](double v) { return v / kPoundsPerKilopound * kPoundsPerLongTon; },
     [](double kpph) { return kpph * kPoundsPerKilopound / kPoundsPerLongTon; }},
};

constexpr UnitEntry kEntropy[] = {
    {"Btu/lb.F"},
    {"KJ/kg.K", nullptr,
     [](double s) { return RoundHalfEven(checked(s * kKJPerKgKPerBtuPerLbF), kEntropyDecimals); }},
    {"Kcal/kg.C"},
};

constexpr UnitEntry kEnthalpy[] = {
    {"Btu/lb"},
    {"KJ/kg", [](double shown) { return shown / kKJPerKgPerBtuPerLb; },
     [](double h) { return RoundHalfEven(checked(h * kKJPerKgPerBtuPerLb), kEnthalpyDecimals); }},
    {"Kcal/kg", [](double shown) { return shown / kKcalPerKgPerBtuPerLb; },
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
