#pragma once

#include <array>

#include "runtime/application.h"
#include "runtime/controls.h"

namespace corvasine::shell {

// The shared state of the windows. It has no initial values of its own: the
// windows set every variable at run time (zero until then).
struct Vari {
  // Fuel composition, mole % on a wet basis, by component index 0..20.
  std::array<double, 21> fuelComp{};
  // Dry-air composition, mole %.
  double airO2 = 0.0;
  double airN2 = 0.0;
  double airAr = 0.0;
  double airCO2 = 0.0;
  // Molar mass of each component, g/mol, by component index.
  std::array<double, 21> compMW{};
  // Default unit-list position of each quantity of the gas turbine window.
  std::array<short, 11> gtUnits{};

  // The text boxes the converter dialogs write into; empty until an opener sets them.
  runtime::ControlRef<runtime::TextBox> tempTarget;
  runtime::ControlRef<runtime::TextBox> pressTarget;
  runtime::ControlRef<runtime::TextBox> moleTarget;
  runtime::ControlRef<runtime::TextBox> altTarget;
  runtime::ControlRef<runtime::TextBox> massTarget;
};

inline Vari& vari(runtime::Application& app) { return app.shared<Vari>(); }

}  // namespace corvasine::shell
