#pragma once

// The gas calculator's state shared by its windows (the gas window, the fuel
// composition and default units dialogs). It has no initial values of its
// own: the windows set every variable at run time (zero until then).

#include <array>

#include "runtime/application.h"

namespace corvasine::gas {

struct GasShared {
  // Fuel composition, mole % on a wet basis, by component index 0..20.
  std::array<double, 21> fuelComp{};
  // Dry-air composition, mole %.
  double airO2 = 0.0;
  double airN2 = 0.0;
  double airAr = 0.0;
  double airCO2 = 0.0;
  // Molar mass of each component, g/mol, by component index.
  std::array<double, 21> compMW{};
  // Default unit-list position of each quantity of the gas turbine window,
  // by the slots below.
  std::array<short, 11> gtUnits{};
};

// The gtUnits slot of each quantity; the units file stores them in this order.
enum DefaultUnitsSlot : int {
  kTemperatureSlot = 0,
  kPressureSlot = 1,
  kHeightSlot = 2,
  kDeltaPressureSlot = 3,
  kHeatingValueSlot = 4,
  kMolarFlowSlot = 5,
  kLowPressureSlot = 6,
  kPowerSlot = 7,
  kHeatRateSlot = 8,
};

inline GasShared& gasShared(runtime::Application& app) { return app.shared<GasShared>(); }

}  // namespace corvasine::gas
