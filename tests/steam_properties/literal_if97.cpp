#include "steam_properties/literal_if97.h"

#include <cmath>
#include <cstddef>

#include "steam_properties/if97_tables.h"

namespace corvasine::steam::literal {
namespace {

// Integer factor of the derivative of order `order` of x^k.
int factor(int k, int order) { return order == 0 ? 1 : (order == 1 ? k : k * (k - 1)); }

// leading + sum over rows from `first` of n fI x^(I - orderX) fJ y^(J - orderY).
template <typename Rows>
Sum powerSum(const Rows& rows, std::size_t first, double x, double y, int orderX, int orderY,
             double leading) {
  Sum s{leading, std::abs(leading)};
  for (std::size_t k = first; k < rows.size(); ++k) {
    const If97Term& r = rows[k];
    const double term = r.n * factor(r.I, orderX) * std::pow(x, r.I - orderX) *
                        factor(r.J, orderY) * std::pow(y, r.J - orderY);
    s.value += term;
    s.magnitude += std::abs(term);
  }
  return s;
}

Sum idealSum(double tau, int orderTau, double leading) {
  Sum s{leading, std::abs(leading)};
  for (const If97IdealTerm& r : fieldsReg2Ideal) {
    const double term = r.n * factor(r.J, orderTau) * std::pow(tau, r.J - orderTau);
    s.value += term;
    s.magnitude += std::abs(term);
  }
  return s;
}

}  // namespace

Sum basic(Equation equation, int orderPi, int orderTau, double tau, double second) {
  switch (equation) {
    case Equation::kRegion1: {
      // Each derivative by pi of (7.1 - pi)^I changes the sign.
      const Sum s = powerSum(fieldsReg1, 0, 7.1 - second, tau - 1.222, orderPi, orderTau, 0.0);
      return orderPi == 1 ? Sum{-s.value, s.magnitude} : s;
    }
    case Equation::kRegion2Ideal:
      return idealSum(tau, orderTau, orderTau == 0 ? std::log(second) : 0.0);
    case Equation::kRegion2Residual:
      return powerSum(fieldsReg2Residual, 0, second, tau - 0.5, orderPi, orderTau, 0.0);
    case Equation::kRegion3: {
      const double n1 = fieldsReg3[0].n;
      const double leading = orderTau != 0  ? 0.0
                             : orderPi == 0 ? n1 * std::log(second)
                             : orderPi == 1 ? n1 / second
                                            : -n1 / std::pow(second, 2);
      return powerSum(fieldsReg3, 1, second, tau, orderPi, orderTau, leading);
    }
  }
  return {};
}

namespace {
constexpr double kR = 461.526;            // [J/(kg K)]
constexpr double kRkJ = 461.526 * 0.001;  // [kJ/(kg K)]
constexpr double kPaPerBar = 100000.0;
double reg2(int orderPi, int orderTau, double tau, double pi) {
  return basic(Equation::kRegion2Ideal, orderPi, orderTau, tau, pi).value +
         basic(Equation::kRegion2Residual, orderPi, orderTau, tau, pi).value;
}
}  // namespace

double enthalpyReg2(double t, double p) {
  const double tau = 540.0 / t, pi = 0.1 * p;
  return kRkJ * t * tau * reg2(0, 1, tau, pi);
}

double entropyReg2(double t, double p) {
  const double tau = 540.0 / t, pi = 0.1 * p;
  return kRkJ * (tau * reg2(0, 1, tau, pi) - reg2(0, 0, tau, pi));
}

double region3Pressure(double t, double rho) {
  const double delta = rho / 322.0;
  return rho * kR * t * delta * basic(Equation::kRegion3, 1, 0, 647.096 / t, delta).value /
         kPaPerBar;
}

double region3PressureSlope(double t, double rho) {
  const double tau = 647.096 / t, delta = rho / 322.0;
  return kR * t *
         (2.0 * delta * basic(Equation::kRegion3, 1, 0, tau, delta).value +
          delta * delta * basic(Equation::kRegion3, 2, 0, tau, delta).value) /
         kPaPerBar;
}

}  // namespace corvasine::steam::literal
