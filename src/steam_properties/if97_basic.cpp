#include "steam_properties/if97_basic.h"

#include <array>
#include <cmath>

#include "steam_properties/if97_series.h"
#include "steam_properties/if97_tables.h"

namespace corvasine::steam {
namespace {

using series::evaluate;

// The ideal-gas rows of region 2 as power-series rows in (1, tau).
constexpr std::array<If97Term, fieldsReg2Ideal.size()> idealRowsAsTerms() {
  std::array<If97Term, fieldsReg2Ideal.size()> rows{};
  for (std::size_t k = 0; k < rows.size(); ++k) {
    rows[k] = If97Term{0, fieldsReg2Ideal[k].J, fieldsReg2Ideal[k].n};
  }
  return rows;
}
inline constexpr auto kReg2IdealTerms = idealRowsAsTerms();

// Region 1 sums run in (7.1 - pi, tau - 1.222); a derivative by pi changes the sign once.
constexpr double kReg1PiShift = 7.1;
constexpr double kReg1TauShift = 1.222;
// Region 2 residual sums run in (pi, tau - 0.5).
constexpr double kReg2TauShift = 0.5;
// Region 3 power sums skip row 1, the coefficient of ln(delta).
constexpr std::size_t kReg3FirstPowerRow = 1;
const double kReg3LogCoefficient = fieldsReg3[0].n;

}  // namespace

double gammaReg1(double tau, double pi) {
  return evaluate<fieldsReg1, 0, 0, 0>(0.0, kReg1PiShift - pi, tau - kReg1TauShift);
}
double gammaPiReg1(double tau, double pi) {
  return -evaluate<fieldsReg1, 0, 1, 0>(0.0, kReg1PiShift - pi, tau - kReg1TauShift);
}
double gammaPiPiReg1(double tau, double pi) {
  return evaluate<fieldsReg1, 0, 2, 0>(0.0, kReg1PiShift - pi, tau - kReg1TauShift);
}
double gammaTauReg1(double tau, double pi) {
  return evaluate<fieldsReg1, 0, 0, 1>(0.0, kReg1PiShift - pi, tau - kReg1TauShift);
}
double gammaTauTauReg1(double tau, double pi) {
  return evaluate<fieldsReg1, 0, 0, 2>(0.0, kReg1PiShift - pi, tau - kReg1TauShift);
}
double gammaPiTauReg1(double tau, double pi) {
  return -evaluate<fieldsReg1, 0, 1, 1>(0.0, kReg1PiShift - pi, tau - kReg1TauShift);
}

double gamma0Reg2(double tau, double pi) {
  return evaluate<kReg2IdealTerms, 0, 0, 0>(std::log(pi), 1.0, tau);
}
double gamma0PiReg2(double /*tau*/, double pi) { return 1.0 / pi; }
double gamma0PiPiReg2(double /*tau*/, double pi) { return -1.0 / (pi * pi); }
double gamma0TauReg2(double tau, double /*pi*/) {
  return evaluate<kReg2IdealTerms, 0, 0, 1>(0.0, 1.0, tau);
}
double gamma0TauTauReg2(double tau, double /*pi*/) {
  return evaluate<kReg2IdealTerms, 0, 0, 2>(0.0, 1.0, tau);
}
double gamma0PiTauReg2(double /*tau*/, double /*pi*/) { return 0.0; }

double gammaRReg2(double tau, double pi) {
  return evaluate<fieldsReg2Residual, 0, 0, 0>(0.0, pi, tau - kReg2TauShift);
}
double gammaRPiReg2(double tau, double pi) {
  return evaluate<fieldsReg2Residual, 0, 1, 0>(0.0, pi, tau - kReg2TauShift);
}
double gammaRPiPiReg2(double tau, double pi) {
  return evaluate<fieldsReg2Residual, 0, 2, 0>(0.0, pi, tau - kReg2TauShift);
}
double gammaRTauReg2(double tau, double pi) {
  return evaluate<fieldsReg2Residual, 0, 0, 1>(0.0, pi, tau - kReg2TauShift);
}
double gammaRTauTauReg2(double tau, double pi) {
  return evaluate<fieldsReg2Residual, 0, 0, 2>(0.0, pi, tau - kReg2TauShift);
}
double gammaRPiTauReg2(double tau, double pi) {
  return evaluate<fieldsReg2Residual, 0, 1, 1>(0.0, pi, tau - kReg2TauShift);
}

double phiReg3(double tau, double delta) {
  return evaluate<fieldsReg3, kReg3FirstPowerRow, 0, 0>(kReg3LogCoefficient * std::log(delta),
                                                        delta, tau);
}
double phiDeltaReg3(double tau, double delta) {
  return evaluate<fieldsReg3, kReg3FirstPowerRow, 1, 0>(kReg3LogCoefficient / delta, delta, tau);
}
double phiDeltaDeltaReg3(double tau, double delta) {
  return evaluate<fieldsReg3, kReg3FirstPowerRow, 2, 0>(-kReg3LogCoefficient / (delta * delta),
                                                        delta, tau);
}
double phiTauReg3(double tau, double delta) {
  return evaluate<fieldsReg3, kReg3FirstPowerRow, 0, 1>(0.0, delta, tau);
}
double phiTauTauReg3(double tau, double delta) {
  return evaluate<fieldsReg3, kReg3FirstPowerRow, 0, 2>(0.0, delta, tau);
}
double phiDeltaTauReg3(double tau, double delta) {
  return evaluate<fieldsReg3, kReg3FirstPowerRow, 1, 1>(0.0, delta, tau);
}

}  // namespace corvasine::steam
