// Helpers shared by the property library's tests.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "steam_properties/if97_basic.h"
#include "steam_properties/literal_if97.h"
#include "steam_properties/water_steam.h"

namespace corvasine::steam::testing {

inline constexpr double kEpsilon = std::numeric_limits<double>::epsilon();

// A value printed to nine significant digits: the computed value must round to it, within half
// a unit of the ninth digit (and a few units of rounding for unit conversions of the value).
inline ::testing::AssertionResult roundsTo(double computed, double printed) {
  const double tolerance = 0.5 * std::pow(10.0, std::floor(std::log10(std::abs(printed))) - 8.0) +
                           4.0 * kEpsilon * std::abs(printed);
  if (std::abs(computed - printed) <= tolerance) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << computed << " does not round to " << printed << " in nine significant digits";
}

// The neighbouring Doubles of a positive x.
inline double below(double x) { return std::nextafter(x, 0.0); }
inline double above(double x) { return std::nextafter(x, 2.0 * x); }

// Density by region, in the shape of the other region property functions: regions 1 and 2
// from (T, p), region 3 from (T, rho).
inline double dens1(double t, double p) { return 1.0 / volumeReg1(t, p); }
inline double dens2(double t, double p) { return 1.0 / volumeReg2(t, p); }
inline double dens3(double /*t*/, double rho) { return rho; }

// One thermodynamic property: its public functions (single-phase, saturated liquid and vapour by
// temperature and by pressure) and its region functions.
struct Property {
  const char* name;
  double (*single)(double, double);
  double (*liqTW)(double);
  double (*vapTW)(double);
  double (*liqPW)(double&);
  double (*vapPW)(double&);
  double (*reg1)(double, double);
  double (*reg2)(double, double);
  double (*reg3)(double, double);
};

inline constexpr Property kProperties[] = {
    {"density", densW, densSatLiqTW, densSatVapTW, densSatLiqPW, densSatVapPW, dens1, dens2, dens3},
    {"energy", energyW, energySatLiqTW, energySatVapTW, energySatLiqPW, energySatVapPW, energyReg1,
     energyReg2, energyReg3},
    {"entropy", entropyW, entropySatLiqTW, entropySatVapTW, entropySatLiqPW, entropySatVapPW,
     entropyReg1, entropyReg2, entropyReg3},
    {"enthalpy", enthalpyW, enthalpySatLiqTW, enthalpySatVapTW, enthalpySatLiqPW, enthalpySatVapPW,
     enthalpyReg1, enthalpyReg2, enthalpyReg3},
    {"cp", cpW, cpSatLiqTW, cpSatVapTW, cpSatLiqPW, cpSatVapPW, cpReg1, cpReg2, cpReg3},
    {"cv", cvW, cvSatLiqTW, cvSatVapTW, cvSatLiqPW, cvSatVapPW, cvReg1, cvReg2, cvReg3},
};

// One basic equation of the library's fast series and its term-by-term counterpart.
struct Series {
  const char* name;
  double (*fast)(double, double);
  literal::Equation equation;
  int orderPi, orderTau;
};

using enum literal::Equation;
inline constexpr Series kSeries[] = {
    {"gammaReg1", gammaReg1, kRegion1, 0, 0},
    {"gammaPiReg1", gammaPiReg1, kRegion1, 1, 0},
    {"gammaPiPiReg1", gammaPiPiReg1, kRegion1, 2, 0},
    {"gammaTauReg1", gammaTauReg1, kRegion1, 0, 1},
    {"gammaTauTauReg1", gammaTauTauReg1, kRegion1, 0, 2},
    {"gammaPiTauReg1", gammaPiTauReg1, kRegion1, 1, 1},
    {"gamma0Reg2", gamma0Reg2, kRegion2Ideal, 0, 0},
    {"gamma0TauReg2", gamma0TauReg2, kRegion2Ideal, 0, 1},
    {"gamma0TauTauReg2", gamma0TauTauReg2, kRegion2Ideal, 0, 2},
    {"gammaRReg2", gammaRReg2, kRegion2Residual, 0, 0},
    {"gammaRPiReg2", gammaRPiReg2, kRegion2Residual, 1, 0},
    {"gammaRPiPiReg2", gammaRPiPiReg2, kRegion2Residual, 2, 0},
    {"gammaRTauReg2", gammaRTauReg2, kRegion2Residual, 0, 1},
    {"gammaRTauTauReg2", gammaRTauTauReg2, kRegion2Residual, 0, 2},
    {"gammaRPiTauReg2", gammaRPiTauReg2, kRegion2Residual, 1, 1},
    {"phiReg3", phiReg3, kRegion3, 0, 0},
    {"phiDeltaReg3", phiDeltaReg3, kRegion3, 1, 0},
    {"phiDeltaDeltaReg3", phiDeltaDeltaReg3, kRegion3, 2, 0},
    {"phiTauReg3", phiTauReg3, kRegion3, 0, 1},
    {"phiTauTauReg3", phiTauTauReg3, kRegion3, 0, 2},
    {"phiDeltaTauReg3", phiDeltaTauReg3, kRegion3, 1, 1},
};

}  // namespace corvasine::steam::testing
