#include "steam_properties/literal_if97.h"

#include <cmath>
#include <cstddef>

#include "steam_properties/if97_tables.h"

namespace corvasine::steam::literal {
namespace {

using std::pow;

// Adds term(row) for the rows from `first` on to `leading`.
template <typename Rows, typename Term>
Sum sumOf(const Rows& rows, Term term, double leading = 0.0, std::size_t first = 0) {
  Sum s{leading, std::abs(leading)};
  for (std::size_t k = first; k < rows.size(); ++k) {
    const double t = term(rows[k]);
    s.value += t;
    s.magnitude += std::abs(t);
  }
  return s;
}

// The minus of gammaPiReg1 and gammaPiTauReg1: each term is subtracted from the running value.
Sum negated(Sum s) { return {-s.value, s.magnitude}; }

using T1 = If97Term;
using T0 = If97IdealTerm;
constexpr std::size_t kReg3PowerRows = 1;  // rows 2 to 40
const double kN1 = fieldsReg3[0].n;

}  // namespace

Sum gammaReg1(double tau, double pi) {
  return sumOf(fieldsReg1,
               [&](const T1& r) { return r.n * pow(7.1 - pi, r.I) * pow(tau - 1.222, r.J); });
}
Sum gammaPiReg1(double tau, double pi) {
  return negated(sumOf(fieldsReg1, [&](const T1& r) {
    return r.n * r.I * pow(7.1 - pi, r.I - 1) * pow(tau - 1.222, r.J);
  }));
}
Sum gammaPiPiReg1(double tau, double pi) {
  return sumOf(fieldsReg1, [&](const T1& r) {
    return r.n * r.I * (r.I - 1) * pow(7.1 - pi, r.I - 2) * pow(tau - 1.222, r.J);
  });
}
Sum gammaTauReg1(double tau, double pi) {
  return sumOf(fieldsReg1, [&](const T1& r) {
    return r.n * pow(7.1 - pi, r.I) * r.J * pow(tau - 1.222, r.J - 1);
  });
}
Sum gammaTauTauReg1(double tau, double pi) {
  return sumOf(fieldsReg1, [&](const T1& r) {
    return r.n * pow(7.1 - pi, r.I) * r.J * (r.J - 1) * pow(tau - 1.222, r.J - 2);
  });
}
Sum gammaPiTauReg1(double tau, double pi) {
  return negated(sumOf(fieldsReg1, [&](const T1& r) {
    return r.n * r.I * pow(7.1 - pi, r.I - 1) * r.J * pow(tau - 1.222, r.J - 1);
  }));
}

Sum gamma0Reg2(double tau, double pi) {
  return sumOf(
      fieldsReg2Ideal, [&](const T0& r) { return r.n * pow(tau, r.J); }, std::log(pi));
}
Sum gamma0TauReg2(double tau, double /*pi*/) {
  return sumOf(fieldsReg2Ideal, [&](const T0& r) { return r.n * r.J * pow(tau, r.J - 1); });
}
Sum gamma0TauTauReg2(double tau, double /*pi*/) {
  return sumOf(fieldsReg2Ideal,
               [&](const T0& r) { return r.n * r.J * (r.J - 1) * pow(tau, r.J - 2); });
}

Sum gammaRReg2(double tau, double pi) {
  return sumOf(fieldsReg2Residual,
               [&](const T1& r) { return r.n * pow(pi, r.I) * pow(tau - 0.5, r.J); });
}
Sum gammaRPiReg2(double tau, double pi) {
  return sumOf(fieldsReg2Residual,
               [&](const T1& r) { return r.n * r.I * pow(pi, r.I - 1) * pow(tau - 0.5, r.J); });
}
Sum gammaRPiPiReg2(double tau, double pi) {
  return sumOf(fieldsReg2Residual, [&](const T1& r) {
    return r.n * r.I * (r.I - 1) * pow(pi, r.I - 2) * pow(tau - 0.5, r.J);
  });
}
Sum gammaRTauReg2(double tau, double pi) {
  return sumOf(fieldsReg2Residual,
               [&](const T1& r) { return r.n * pow(pi, r.I) * r.J * pow(tau - 0.5, r.J - 1); });
}
Sum gammaRTauTauReg2(double tau, double pi) {
  return sumOf(fieldsReg2Residual, [&](const T1& r) {
    return r.n * pow(pi, r.I) * r.J * (r.J - 1) * pow(tau - 0.5, r.J - 2);
  });
}
Sum gammaRPiTauReg2(double tau, double pi) {
  return sumOf(fieldsReg2Residual, [&](const T1& r) {
    return r.n * r.I * pow(pi, r.I - 1) * r.J * pow(tau - 0.5, r.J - 1);
  });
}

Sum phiReg3(double tau, double delta) {
  return sumOf(
      fieldsReg3, [&](const T1& r) { return r.n * pow(delta, r.I) * pow(tau, r.J); },
      kN1 * std::log(delta), kReg3PowerRows);
}
Sum phiDeltaReg3(double tau, double delta) {
  return sumOf(
      fieldsReg3, [&](const T1& r) { return r.n * r.I * pow(delta, r.I - 1) * pow(tau, r.J); },
      kN1 / delta, kReg3PowerRows);
}
Sum phiDeltaDeltaReg3(double tau, double delta) {
  return sumOf(
      fieldsReg3,
      [&](const T1& r) { return r.n * r.I * (r.I - 1) * pow(delta, r.I - 2) * pow(tau, r.J); },
      -kN1 / pow(delta, 2), kReg3PowerRows);
}
Sum phiTauReg3(double tau, double delta) {
  return sumOf(
      fieldsReg3, [&](const T1& r) { return r.n * pow(delta, r.I) * r.J * pow(tau, r.J - 1); }, 0.0,
      kReg3PowerRows);
}
Sum phiTauTauReg3(double tau, double delta) {
  return sumOf(
      fieldsReg3,
      [&](const T1& r) { return r.n * pow(delta, r.I) * r.J * (r.J - 1) * pow(tau, r.J - 2); }, 0.0,
      kReg3PowerRows);
}
Sum phiDeltaTauReg3(double tau, double delta) {
  return sumOf(
      fieldsReg3,
      [&](const T1& r) { return r.n * r.I * pow(delta, r.I - 1) * r.J * pow(tau, r.J - 1); }, 0.0,
      kReg3PowerRows);
}

namespace {
constexpr double kR = 461.526;            // [J/(kg K)]
constexpr double kRkJ = 461.526 * 0.001;  // [kJ/(kg K)]
constexpr double kPaPerBar = 100000.0;
}  // namespace

double enthalpyReg2(double t, double p) {
  const double tau = 540.0 / t, pi = 0.1 * p;
  return kRkJ * t * tau * (gamma0TauReg2(tau, pi).value + gammaRTauReg2(tau, pi).value);
}

double entropyReg2(double t, double p) {
  const double tau = 540.0 / t, pi = 0.1 * p;
  return kRkJ * (tau * (gamma0TauReg2(tau, pi).value + gammaRTauReg2(tau, pi).value) -
                 (gamma0Reg2(tau, pi).value + gammaRReg2(tau, pi).value));
}

double region3Pressure(double t, double rho) {
  const double delta = rho / 322.0;
  return rho * kR * t * delta * phiDeltaReg3(647.096 / t, delta).value / kPaPerBar;
}

double region3PressureSlope(double t, double rho) {
  const double tau = 647.096 / t, delta = rho / 322.0;
  return kR * t *
         (2.0 * delta * phiDeltaReg3(tau, delta).value +
          delta * delta * phiDeltaDeltaReg3(tau, delta).value) /
         kPaPerBar;
}

}  // namespace corvasine::steam::literal
