#pragma once

// The methane case of reference/gas_reference.py typed into the gas window,
// and the report cells whose values that script printed. Shared by the report
// tests on the fake spreadsheet and on the real spreadsheet application.

#include <string>
#include <utility>
#include <vector>

#include "gas_turbine/frmgas.h"
#include "gas_turbine/gas_shared.h"
#include "gas_turbine/gas_tables.h"
#include "gas_turbine/gas_test_support.h"
#include "runtime/number.h"

namespace corvasine::gas {

// 59 °F at 0 ft, 60.6 % humidity and 10 inWC give the script's final inlet
// pressure of 14.34 psia and a water content of 0.0064 lb/lb.
inline void typeMethaneCase(frmgas& f, GasShared& shared) {
  shared.fuelComp.fill(0.0);
  shared.fuelComp[kMethane] = 100.0;
  const std::pair<runtime::TextBox*, const char*> texts[] = {
      {&f.Text1, "59"},    {&f.Text2, "0"},    {&f.Text4, "60.6"},  {&f.Text6, "10"},
      {&f.Text18, "80"},   {&f.Text17, "300"}, {&f.Text16, "1000"}, {&f.Text26, "1.5"},
      {&f.Text10, "1050"}, {&f.Text11, "5.5"}, {&f.Text15, "15"},   {&f.Text19, "720"},
      {&f.Text20, "220"}};
  for (auto [box, text] : texts) box->setText(text);
}

// A result cell of the report and the figure the script printed for it,
// rounded as the sheet shows it.
struct ReferenceCell {
  int row;
  int column;
  double value;
  int decimals;  // the cells written unrounded are compared at this rounding
};

// The number that the script's output shows right after key.
inline double referenceFigure(const std::vector<std::string>& lines, const std::string& key) {
  for (const std::string& line : lines) {
    const std::size_t at = line.find(key);
    if (at == std::string::npos) continue;
    const std::string rest = line.substr(at + key.size());
    return runtime::ParseNumber(rest.substr(0, rest.find_first_of(" ;,")));
  }
  ADD_FAILURE() << "no reference line " << key;
  return 0.0;
}

inline std::vector<ReferenceCell> methaneReferenceCells() {
  const std::vector<std::string> lines = referenceLines("gas_reference.txt", "methane_o2");
  return {
      {16, 5, referenceFigure(lines, "Fresh air flow: "), 0},
      {10, 10, referenceFigure(lines, "Exhaust Flow: "), 0},
      {22, 10, referenceFigure(lines, "Thermal power output: "), 0},
      {24, 10, referenceFigure(lines, "Mechanical power output: "), 0},
      {27, 10, referenceFigure(lines, "Thermal Efficiency: "), 2},
      {28, 10, referenceFigure(lines, "Heat-rate: "), 0},
      {33, 10, referenceFigure(lines, "Compressor Work: "), 0},
      {34, 10, referenceFigure(lines, "Compressor Polytropic Efficiency: "), 2},
      {23, 10, 98.5, 2},  // 100 less the typed mechanical losses of 1.5 %
      {25, 5, 100.0, 2},  // methane, %
  };
}

}  // namespace corvasine::gas
