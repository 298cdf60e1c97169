// The IAPWS-IF97 basic equations in bundles: several derivatives of one region's equation from
// one pair of power tables. Each bundle member equals the basic function of the same name
// (if97_basic.h), which is the one-member bundle.
#pragma once

#include <cmath>

#include "steam_properties/if97_series.h"
#include "steam_properties/if97_tables.h"

namespace corvasine::steam::equations {

using series::kValue;
using series::kX;
using series::kXX;
using series::kXY;
using series::kY;
using series::kYY;

// Region 1: the series runs in x = 7.1 - pi and y = tau - 1.222, so every derivative by pi
// changes the sign once.
struct Gamma1 {
  double gamma, gammaPi, gammaPiPi, gammaTau, gammaTauTau, gammaPiTau;
};
template <unsigned Which>
[[gnu::always_inline]] inline Gamma1 region1(double tau, double pi) {
  const series::Sums s = series::Series<fieldsReg1, 0>::evaluate<Which>(7.1 - pi, tau - 1.222);
  return {s.value, -s.x, s.xx, s.y, s.yy, -s.xy};
}

// Region 2, ideal-gas part: a series in tau alone after ln(pi).
struct Gamma0 {
  double gamma0, gamma0Tau, gamma0TauTau;
};
inline constexpr auto kIdealRows = [] {
  std::array<If97Term, fieldsReg2Ideal.size()> rows{};
  for (std::size_t k = 0; k < rows.size(); ++k) {
    rows[k] = If97Term{0, fieldsReg2Ideal[k].J, fieldsReg2Ideal[k].n};
  }
  return rows;
}();
template <unsigned Which>
[[gnu::always_inline]] inline Gamma0 region2Ideal(double tau, double pi) {
  series::Sums start;
  if constexpr ((Which & kValue) != 0) start.value = std::log(pi);
  const series::Sums s = series::Series<kIdealRows, 0>::evaluate<Which>(1.0, tau, start);
  return {s.value, s.y, s.yy};
}

// Region 2, residual part: the series runs in pi and tau - 0.5.
struct GammaR {
  double gammaR, gammaRPi, gammaRPiPi, gammaRTau, gammaRTauTau, gammaRPiTau;
};
template <unsigned Which>
[[gnu::always_inline]] inline GammaR region2Residual(double tau, double pi) {
  const series::Sums s = series::Series<fieldsReg2Residual, 0>::evaluate<Which>(pi, tau - 0.5);
  return {s.value, s.x, s.xx, s.y, s.yy, s.xy};
}

// Region 3: the series runs in delta and tau over rows 2 to 40, after the terms of
// n_1 ln(delta).
struct Phi {
  double phi, phiDelta, phiDeltaDelta, phiTau, phiTauTau, phiDeltaTau;
};
template <unsigned Which>
[[gnu::always_inline]] inline Phi region3(double tau, double delta) {
  const double n1 = fieldsReg3[0].n;
  series::Sums start;
  if constexpr ((Which & kValue) != 0) start.value = n1 * std::log(delta);
  if constexpr ((Which & kX) != 0) start.x = n1 / delta;
  if constexpr ((Which & kXX) != 0) start.xx = -n1 / (delta * delta);
  const series::Sums s = series::Series<fieldsReg3, 1>::evaluate<Which>(delta, tau, start);
  return {s.value, s.x, s.xx, s.y, s.yy, s.xy};
}

}  // namespace corvasine::steam::equations
