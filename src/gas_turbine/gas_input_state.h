#pragma once

// The gas turbine window's stored inputs, each in its base unit. The input
// handlers write them as the user types; Evaluate rewrites ambientTemp from
// Text1 before the evaluation reads them.

namespace corvasine::gas {

struct GasInputState {
  double ambientTemp = 0.0;      // °F, from Text1 by cmbtemp
  double siteAltitude = 0.0;     // ft, from Text2 by cmdsite
  double inletPress = 0.0;       // psia, 2 decimals, interp(siteAltitude)
  double inletDrop = 0.0;        // inWC, from Text6 by Combo2
  double finalInletPress = 0.0;  // psia, 2 decimals, inletPress less inletDrop
  double fuelTemp = 0.0;         // °F, from Text18 by Combo6
  double fuelFlow = 0.0;         // KSCFH, from Text16 by Combo8
  double exhaustTemp = 0.0;      // °F, from Text10 by Combo11
  double exhaustFlow = 0.0;      // KSCFH, from Text15 by Combo13 in Exhaust Flow mode
  double compDischTemp = 0.0;    // °F, from Text19 by Combo9
  double compDischPress = 0.0;   // psia, from Text20 by Combo10
  // 0 = "Exhaust O2", -1 = "Exhaust Flow" (the position of balancetype).
  short balanceMode = 0;
};

inline constexpr short kBalanceExhaustO2 = 0;
inline constexpr short kBalanceExhaustFlow = -1;

}  // namespace corvasine::gas
