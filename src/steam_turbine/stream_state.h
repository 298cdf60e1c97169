#pragma once

// The steam turbine window's stream record: one value per stream group, each
// in the calculator's base unit (°F, psia, Btu/(lb °F), Btu/lb). The
// field handlers write it as the user types; the evaluation reads it.

#include <array>

namespace corvasine::steam_turbine {

// Stream groups, the index of every per-group field (index 0 is unused).
enum StreamGroup : int { kInlet = 1, kInduction = 2, kExtraction = 3, kExhaust = 4 };
inline constexpr int kStreamGroups = 4;

using PerGroup = std::array<double, kStreamGroups + 1>;

// 16-bit flags as the window keeps them.
inline constexpr short kTrue = -1;
inline constexpr short kFalse = 0;

struct StreamState {
  PerGroup streamTemp{};       // °F
  PerGroup streamPress{};      // psia
  PerGroup streamEntropy{};    // Btu/(lb °F), 4 decimals; 0 unless superheated
  PerGroup streamEnthalpy{};   // Btu/lb, 2 decimals; 0 unless superheated
  double vaporFraction = 0.0;  // %, the condensing exhaust's vapour fraction
  short inductionOn = kFalse;
  short extractionOn = kFalse;
};

}  // namespace corvasine::steam_turbine
