#pragma once

#include <span>
#include <string_view>

#include "runtime/controls.h"
#include "shell/unit_factors.h"
#include "shell/unit_lists.h"
#include "shell/vari.h"

namespace corvasine::shell {

// The converters' own units; the others are entries of the unit catalogue.
inline constexpr double kKilopascalPerPsi = 6.89476;
inline constexpr double kNm3PerKscf = 26.78964143;                      // (Nm3/h) per KSCFH
inline constexpr double kKgMolePerKscf = 1.196310935;                   // kg-mole per thousand scf
inline constexpr double kPoundsPerTonne = kPoundsPerKilogram * 1000.0;  // metric ton
// Each conversion is evaluated left to right exactly as written, in double
// arithmetic, so results match the converter's long-standing figures.
constexpr double kelvinToF(double x) {
  return (x - kKelvinAtZeroCelsius) * kFahrenheitPerCelsius + kFahrenheitAtZeroCelsius;
}
constexpr double rankineToF(double x) { return x - kRoundRankineAtZeroFahrenheit; }
constexpr double kilopascalToPsia(double x) { return x / kKilopascalPerPsi; }
constexpr double nm3PerHourToKscfh(double x) { return x / kNm3PerKscf; }
constexpr double mmscfdToKscfh(double x) { return x / kHoursPerDay * kKscfPerMmscf; }
constexpr double lbMolePerHourToKscfh(double x) { return x * kRoundKscfPerLbMole; }
constexpr double kgMolePerHourToKscfh(double x) { return x / kKgMolePerKscf; }
constexpr double kgPerHourToKpph(double x) { return x * kPoundsPerKilogram / kPoundsPerKilopound; }
constexpr double tonnesPerHourToKpph(double x) { return x * kPoundsPerTonne / kPoundsPerKilopound; }

// One unit a converter dialog converts from: the option button's design name
// and caption, and the conversion of the typed value into the base unit: its
// own, or that of the catalogue entry at `position` of `units`.
struct UnitOption {
  std::string_view name;
  std::string_view caption;
  double (*toBase)(double x);
  const UnitList* units = nullptr;
  int position = 0;
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
    {"Option1", "Centigrade (C)", nullptr, &kTemperatureUnits, 1},
    {"Option3", "Kelvin (K)", kelvinToF},
    {"Option2", "Rankine (R)", rankineToF},
};
inline constexpr UnitOption kPressureOptions[] = {
    {"Option1", "Kg(f)/cm2 (abs)", nullptr, &kPressureUnits, 3},
    {"Option3", "Bar (abs)", nullptr, &kPressureUnits, 2},
    {"Option2", "K-Pascal (abs)", kilopascalToPsia},
    {"Option4", "Atm (abs)", nullptr, &kPressureUnits, 1},
};
inline constexpr UnitOption kMolarFlowOptions[] = {
    {"Option1", "NMCH ", nm3PerHourToKscfh},
    {"Option3", "MMSCFD", mmscfdToKscfh},
    {"Option2", "lb-mole/hr", lbMolePerHourToKscfh},
    {"Option4", "Kg-mole/hr", kgMolePerHourToKscfh},
};
inline constexpr UnitOption kHeightOptions[] = {
    {"Option1", "Meters", nullptr, &kHeightUnits, 1},
    {"Option3", "Kilometers", nullptr, &kHeightUnits, 2},
    {"Option2", "Miles", nullptr, &kHeightUnits, 3},
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
