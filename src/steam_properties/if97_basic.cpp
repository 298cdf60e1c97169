#include "steam_properties/if97_basic.h"

#include <cmath>

#include "steam_properties/if97_equations.h"

namespace corvasine::steam {
namespace {

// Arguments outside an equation's domain (pi <= 0, delta <= 0, infinities) give -1, the
// library's value for a state without properties, instead of NaN or infinity.
double finite(double value) { return std::isfinite(value) ? value : -1.0; }

}  // namespace

using namespace equations;

double gammaReg1(double tau, double pi) { return finite(region1<kValue>(tau, pi).gamma); }
double gammaPiReg1(double tau, double pi) { return finite(region1<kX>(tau, pi).gammaPi); }
double gammaPiPiReg1(double tau, double pi) { return finite(region1<kXX>(tau, pi).gammaPiPi); }
double gammaTauReg1(double tau, double pi) { return finite(region1<kY>(tau, pi).gammaTau); }
double gammaTauTauReg1(double tau, double pi) { return finite(region1<kYY>(tau, pi).gammaTauTau); }
double gammaPiTauReg1(double tau, double pi) { return finite(region1<kXY>(tau, pi).gammaPiTau); }

double gamma0Reg2(double tau, double pi) { return finite(region2Ideal<kValue>(tau, pi).gamma0); }
double gamma0PiReg2(double /*tau*/, double pi) { return finite(1.0 / pi); }
double gamma0PiPiReg2(double /*tau*/, double pi) { return finite(-1.0 / (pi * pi)); }
double gamma0TauReg2(double tau, double pi) { return finite(region2Ideal<kY>(tau, pi).gamma0Tau); }
double gamma0TauTauReg2(double tau, double pi) {
  return finite(region2Ideal<kYY>(tau, pi).gamma0TauTau);
}
double gamma0PiTauReg2(double /*tau*/, double /*pi*/) { return 0.0; }

double gammaRReg2(double tau, double pi) { return finite(region2Residual<kValue>(tau, pi).gammaR); }
double gammaRPiReg2(double tau, double pi) { return finite(region2Residual<kX>(tau, pi).gammaRPi); }
double gammaRPiPiReg2(double tau, double pi) {
  return finite(region2Residual<kXX>(tau, pi).gammaRPiPi);
}
double gammaRTauReg2(double tau, double pi) {
  return finite(region2Residual<kY>(tau, pi).gammaRTau);
}
double gammaRTauTauReg2(double tau, double pi) {
  return finite(region2Residual<kYY>(tau, pi).gammaRTauTau);
}
double gammaRPiTauReg2(double tau, double pi) {
  return finite(region2Residual<kXY>(tau, pi).gammaRPiTau);
}

double phiReg3(double tau, double delta) { return finite(region3<kValue>(tau, delta).phi); }
double phiDeltaReg3(double tau, double delta) { return finite(region3<kX>(tau, delta).phiDelta); }
double phiDeltaDeltaReg3(double tau, double delta) {
  return finite(region3<kXX>(tau, delta).phiDeltaDelta);
}
double phiTauReg3(double tau, double delta) { return finite(region3<kY>(tau, delta).phiTau); }
double phiTauTauReg3(double tau, double delta) {
  return finite(region3<kYY>(tau, delta).phiTauTau);
}
double phiDeltaTauReg3(double tau, double delta) {
  return finite(region3<kXY>(tau, delta).phiDeltaTau);
}

}  // namespace corvasine::steam
