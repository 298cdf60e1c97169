#include "steam_properties/water_steam.h"

#include <cmath>

#include "steam_properties/if97_regions.h"
#include "steam_properties/state_selection.h"

namespace corvasine::steam {
namespace {

constexpr double kOutOfRange = -1.0;

// One thermodynamic property in the three regions: regions 1 and 2 at (T, p), region 3 at
// (T, rho).
struct Property {
  double (*reg1)(double, double);
  double (*reg2)(double, double);
  double (*reg3)(double, double);
  bool isDensity = false;
};

constexpr Property kDensity{[](double t, double p) { return 1.0 / volumeReg1(t, p); },
                            [](double t, double p) { return 1.0 / volumeReg2(t, p); },
                            [](double /*t*/, double rho) { return rho; }, true};
constexpr Property kEnergy{energyReg1, energyReg2, energyReg3};
constexpr Property kEntropy{entropyReg1, entropyReg2, entropyReg3};
constexpr Property kEnthalpy{enthalpyReg1, enthalpyReg2, enthalpyReg3};
constexpr Property kCp{cpReg1, cpReg2, cpReg3};
constexpr Property kCv{cvReg1, cvReg2, cvReg3};

// Every result leaves the library finite: -1 stands for a value the equations cannot give
// (such as cp at the critical point itself).
double finiteOr(double value) { return std::isfinite(value) ? value : kOutOfRange; }

// Region 3 at (T, p). The density search reports failure as -2; the density functions pass it
// on, the others have no state to evaluate.
template <const Property& P>
double region3(double t, double p) {
  const double rho = densReg3(t, p);
  if (!(rho > 0.0)) return P.isDensity ? rho : kOutOfRange;
  return finiteOr(P.reg3(t, rho));
}

template <const Property& P>
double singlePhase(double t, double p) {
  switch (singlePhaseRegion(t, p)) {
    case Region::kOne:
      return finiteOr(P.reg1(t, p));
    case Region::kTwo:
      return finiteOr(P.reg2(t, p));
    case Region::kThree:
      return region3<P>(t, p);
    case Region::kNone:
      break;
  }
  return kOutOfRange;
}

template <const Property& P>
double saturated(const SaturatedState& s, SatSide side) {
  switch (s.branch) {
    case SaturatedState::Branch::kLow:
      return finiteOr(side == SatSide::kLiquid ? P.reg1(s.temperature, s.pressure)
                                               : P.reg2(s.temperature, s.pressure));
    case SaturatedState::Branch::kNearCritical:
      return region3<P>(s.temperature, s.pressure);
    case SaturatedState::Branch::kNone:
      break;
  }
  return kOutOfRange;
}

template <const Property& P, SatSide Side>
double byTemperature(double t) {
  return saturated<P>(saturatedByTemperature(t, Side), Side);
}

template <const Property& P, SatSide Side>
double byPressure(double& p) {
  return saturated<P>(saturatedByPressure(p, Side), Side);
}

constexpr SatSide kLiq = SatSide::kLiquid;
constexpr SatSide kVap = SatSide::kVapour;

}  // namespace

double densW(double temperature, double pressure) {
  return singlePhase<kDensity>(temperature, pressure);
}
double energyW(double temperature, double pressure) {
  return singlePhase<kEnergy>(temperature, pressure);
}
double entropyW(double temperature, double pressure) {
  return singlePhase<kEntropy>(temperature, pressure);
}
double enthalpyW(double temperature, double pressure) {
  return singlePhase<kEnthalpy>(temperature, pressure);
}
double cpW(double temperature, double pressure) { return singlePhase<kCp>(temperature, pressure); }
double cvW(double temperature, double pressure) { return singlePhase<kCv>(temperature, pressure); }

double densSatLiqTW(double temperature) { return byTemperature<kDensity, kLiq>(temperature); }
double densSatVapTW(double temperature) { return byTemperature<kDensity, kVap>(temperature); }
double densSatLiqPW(double& pressure) { return byPressure<kDensity, kLiq>(pressure); }
double densSatVapPW(double& pressure) { return byPressure<kDensity, kVap>(pressure); }

double energySatLiqTW(double temperature) { return byTemperature<kEnergy, kLiq>(temperature); }
double energySatVapTW(double temperature) { return byTemperature<kEnergy, kVap>(temperature); }
double energySatLiqPW(double& pressure) { return byPressure<kEnergy, kLiq>(pressure); }
double energySatVapPW(double& pressure) { return byPressure<kEnergy, kVap>(pressure); }

double entropySatLiqTW(double temperature) { return byTemperature<kEntropy, kLiq>(temperature); }
double entropySatVapTW(double temperature) { return byTemperature<kEntropy, kVap>(temperature); }
double entropySatLiqPW(double& pressure) { return byPressure<kEntropy, kLiq>(pressure); }
double entropySatVapPW(double& pressure) { return byPressure<kEntropy, kVap>(pressure); }

double enthalpySatLiqTW(double temperature) { return byTemperature<kEnthalpy, kLiq>(temperature); }
double enthalpySatVapTW(double temperature) { return byTemperature<kEnthalpy, kVap>(temperature); }
double enthalpySatLiqPW(double& pressure) { return byPressure<kEnthalpy, kLiq>(pressure); }
double enthalpySatVapPW(double& pressure) { return byPressure<kEnthalpy, kVap>(pressure); }

double cpSatLiqTW(double temperature) { return byTemperature<kCp, kLiq>(temperature); }
double cpSatVapTW(double temperature) { return byTemperature<kCp, kVap>(temperature); }
double cpSatLiqPW(double& pressure) { return byPressure<kCp, kLiq>(pressure); }
double cpSatVapPW(double& pressure) { return byPressure<kCp, kVap>(pressure); }

double cvSatLiqTW(double temperature) { return byTemperature<kCv, kLiq>(temperature); }
double cvSatVapTW(double temperature) { return byTemperature<kCv, kVap>(temperature); }
double cvSatLiqPW(double& pressure) { return byPressure<kCv, kLiq>(pressure); }
double cvSatVapPW(double& pressure) { return byPressure<kCv, kVap>(pressure); }

}  // namespace corvasine::steam
