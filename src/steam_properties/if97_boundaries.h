// The saturation line (IAPWS-IF97 equations 30 and 31) and the boundary between regions 2 and 3
// (equations 5 and 6), inline for the region selection; pSatW, tSatW, pBound23 and tBound23 are
// these functions. Temperatures in K, pressures in bar; -1 outside the range, bounds inclusive.
#pragma once

#include <cmath>

#include "steam_properties/if97_constants.h"
#include "steam_properties/if97_tables.h"

namespace corvasine::steam::boundaries {

inline constexpr double kOutOfRange = -1.0;

// n_k of IAPWS-IF97 Table 34 and Table 1, numbered from 1 as in the standard.
constexpr double n4(int k) { return fieldsReg4[static_cast<unsigned>(k - 1)]; }
constexpr double nB(int k) { return fieldsBound[static_cast<unsigned>(k - 1)]; }

inline bool within(double x, double lo, double hi) { return x >= lo && x <= hi; }

// Equation 30; 273.15 K <= T <= 647.096 K. The fourth power is taken by two squarings (and the
// fourth root in equation 31 by two square roots): several times faster than std::pow, within
// two units in the last place of it.
inline double saturationPressure(double t) {
  using namespace if97;
  if (!within(t, kTripleTemperature, kCriticalTemperature)) return kOutOfRange;
  const double theta = t + n4(9) / (t - n4(10));
  const double theta2 = theta * theta;
  const double a = theta2 + n4(1) * theta + n4(2);
  const double b = n4(3) * theta2 + n4(4) * theta + n4(5);
  const double c = n4(6) * theta2 + n4(7) * theta + n4(8);
  const double x = 2.0 * c / (-b + std::sqrt(b * b - 4.0 * a * c));
  return kBarPerMpa * (x * x) * (x * x);
}

// Equation 31; 0.00611213 bar <= p <= 220.64 bar.
inline double saturationTemperature(double p) {
  using namespace if97;
  if (!within(p, kLowestSatPressure, kCriticalPressure)) return kOutOfRange;
  const double beta = std::sqrt(std::sqrt(kMpaPerBar * p));
  const double beta2 = beta * beta;
  const double e = beta2 + n4(3) * beta + n4(6);
  const double f = n4(1) * beta2 + n4(4) * beta + n4(7);
  const double g = n4(2) * beta2 + n4(5) * beta + n4(8);
  const double d = 2.0 * g / (-f - std::sqrt(f * f - 4.0 * e * g));
  const double s = n4(10) + d;
  return 0.5 * (s - std::sqrt(s * s - 4.0 * (n4(9) + n4(10) * d)));
}

// Equation 5; 623.15 K <= T <= 863.15 K.
inline double boundary23Pressure(double t) {
  using namespace if97;
  if (!within(t, kBound13Temperature, kBound23TopTemperature)) return kOutOfRange;
  return kBarPerMpa * ((nB(1) + nB(2) * t) + nB(3) * (t * t));
}

// Equation 6; 165.292 bar <= p <= 1000 bar.
inline double boundary23Temperature(double p) {
  using namespace if97;
  if (!within(p, kBound23LowPressure, kTopPressure)) return kOutOfRange;
  return nB(4) + std::sqrt((kMpaPerBar * p - nB(5)) / nB(3));
}

}  // namespace corvasine::steam::boundaries
