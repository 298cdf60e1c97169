#pragma once

// The methane case of reference/gas_reference.py typed into the gas window,
// and the report cells whose values that script printed. Shared by the report
// tests on the fake spreadsheet and on the real spreadsheet application.

#include <string>
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
  typeInto(f,
           "Text1=59 Text2=0 Text4=60.6 Text6=10 Text18=80 Text17=300 Text16=1000 "
           "Text26=1.5 Text10=1050 Text11=5.5 Text15=15 Text19=720 Text20=220");
}

// A result cell of the report and the figure the script printed for it,
// rounded as the sheet shows it.
struct ReferenceCell {
  int row;
  int column;
  double value;
  int decimals;  // the cells written unrounded are compared at this rounding
};

inline std::vector<ReferenceCell> methaneReferenceCells() {
  const std::vector<std::string> lines = referenceLines("gas_reference.txt", "methane_o2");
  auto printed = [&](const char* key) { return runtime::ParseNumber(figure(lines, key)); };
  return {
      {16, 5, printed("Fresh air flow: "), 0},
      {10, 10, printed("Exhaust Flow: "), 0},
      {22, 10, printed("Thermal power output: "), 0},
      {24, 10, printed("Mechanical power output: "), 0},
      {27, 10, printed("Thermal Efficiency: "), 2},
      {28, 10, printed("Heat-rate: "), 0},
      {33, 10, printed("Compressor Work: "), 0},
      {34, 10, printed("Compressor Polytropic Efficiency: "), 2},
      {23, 10, 98.5, 2},  // 100 less the typed mechanical losses of 1.5 %
      {25, 5, 100.0, 2},  // methane, %
  };
}

}  // namespace corvasine::gas
