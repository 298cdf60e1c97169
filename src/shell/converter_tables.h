#pragma once

#include <span>
#include <string_view>

#include "runtime/controls.h"
#include "shell/unit_factors.h"
#include "shell/vari.h"

namespace corvasine::shell {

// Each conversion is evaluated left to right exactly as written, in double
// arithmetic, so results match the converter's long-standing figures.
constexpr double celsiusToF(double x) {
  return x * kFahrenheitPerCelsius + kFahrenheitAtZeroCelsius;
}
constexpr double kelvinToF(double x) {
  return (x - kKelvinAtZeroCelsius) * kFahrenheitPerCelsius + kFahrenheitAtZeroCelsius;
}
constexpr double rankineToF(double x) { return x - kRoundRankineAtZeroFahrenheit; }

constexpr double kgfPerCm2ToPsia(double x) { return x * kPsiPerKgfPerCm2; }
constexpr double barToPsia(double x) { return x * kPsiPerBar; }
constexpr double kilopascalToPsia(double x) { return x / kKilopascalPerPsi; }
constexpr double atmToPsia(double x) { return x * kPsiPerAtm; }

constexpr double nm3PerHourToKscfh(double x) { return x / kNm3PerKscf; }
constexpr double mmscfdToKscfh(double x) { return x / kHoursPerDay * kKscfPerMmscf; }
constexpr double lbMolePerHourToKscfh(double x) { return x * kRoundKscfPerLbMole; }
constexpr double kgMolePerHourToKscfh(double x) { return x / kKgMolePerKscf; }

constexpr double metersToFeet(double x) { return x * kFeetPerMeter; }
constexpr double kilometersToFeet(double x) { return x * kFeetPerKilometer; }
constexpr double milesToFeet(double x) { return x * kFeetPerMile; }

constexpr double kgPerHourToKpph(double x) { return x * kPoundsPerKilogram / kPoundsPerKilopound; }
constexpr double tonnesPerHourToKpph(double x) { return x * kPoundsPerTonne / kPoundsPerKilopound; }

// One unit a converter dialog converts from: the option button's design name
// and caption, and the conversion of the typed value into the base unit.
struct UnitOption {
  std::string_view name;
  std::string_view caption;
  double (*toBase)(double x);
};

// What sets one converter dialog apart from the others.
struct ConverterTable {
  std::string_view formName;
  std::string_view quantity;            // caption of Label1
  std::span<const UnitOption> options;  // top to bottom as they stand on screen
  std::string_view errorText;
  int clientHeight;   // twips; every dialog is kConverterWidth wide
  bool commandFirst;  // Command1 precedes Text1 in the tab order
  ConverterTarget Vari::*target;
};

inline constexpr int kConverterWidth = 4680;  // twips

inline constexpr UnitOption kTemperatureOptions[] = {
    {"Option1", "Centigrade (C)", celsiusToF},
    {"Option3", "Kelvin (K)", kelvinToF},
    {"Option2", "Rankine (R)", rankineToF},
};
inline constexpr UnitOption kPressureOptions[] = {
    {"Option1", "Kg(f)/cm2 (abs)", kgfPerCm2ToPsia},
    {"Option3", "Bar (abs)", barToPsia},
    {"Option2", "K-Pascal (abs)", kilopascalToPsia},
    {"Option4", "Atm (abs)", atmToPsia},
};
inline constexpr UnitOption kMolarFlowOptions[] = {
    {"Option1", "NMCH ", nm3PerHourToKscfh},
    {"Option3", "MMSCFD", mmscfdToKscfh},
    {"Option2", "lb-mole/hr", lbMolePerHourToKscfh},
    {"Option4", "Kg-mole/hr", kgMolePerHourToKscfh},
};
inline constexpr UnitOption kHeightOptions[] = {
    {"Option1", "Meters", metersToFeet},
    {"Option3", "Kilometers", kilometersToFeet},
    {"Option2", "Miles", milesToFeet},
};
inline constexpr UnitOption kMassFlowOptions[] = {
    {"Option1", "Kg/hr", kgPerHourToKpph},
    {"Option3", "Tons/hr", tonnesPerHourToKpph},
};

// Temperature to °F.
inline constexpr ConverterTable kTemperatureConverter{
    "frmtemp1", "Temperature:", kTemperatureOptions, "Error 4567", 1095, false, &Vari::tempTarget};
// Pressure to psia.
inline constexpr ConverterTable kPressureConverter{
    "frmpress", "Pressure:", kPressureOptions, "Error 8879", 1260, true, &Vari::pressTarget};
// Molar flow to KSCFH.
inline constexpr ConverterTable kMolarFlowConverter{
    "frmMole", "Molar Flow:", kMolarFlowOptions, "Error 5609", 1290, true, &Vari::moleTarget};
// Height to ft.
inline constexpr ConverterTable kHeightConverter{
    "frmAlt", "Height / Altitude:", kHeightOptions, "Error 7887", 1125, true, &Vari::altTarget};
// Mass flow to kpph (thousand lb/h).
inline constexpr ConverterTable kMassFlowConverter{
    "frmMass", "Mass Flow:", kMassFlowOptions, "Error 7441", 1155, false, &Vari::massTarget};

}  // namespace corvasine::shell
