#include "steam_properties/transport.h"

#include <cmath>
#include <cstddef>

#include "steam_properties/if97_basic.h"
#include "steam_properties/if97_constants.h"
#include "steam_properties/if97_regions.h"
#include "steam_properties/state_selection.h"
#include "steam_properties/transport_tables.h"
#include "steam_properties/water_steam.h"

namespace corvasine::steam {
namespace {

constexpr double kOutOfRange = -1.0;

// IAPS 1985 reference values.
constexpr double kRefTemperature = 647.226;    // [K]
constexpr double kRefDensity = 317.763;        // [kg/m3]
constexpr double kRefPressurePa = 22115000.0;  // [Pa]
constexpr double kRefPressureBar = 221.15;     // [bar]
constexpr double kRefViscosity = 5.5071e-05;   // [Pa s]
constexpr double kRefConductivity = 0.4945;    // [W/(m K)]

// Critical enhancement of the conductivity (dimensionless).
constexpr double kEnhancementC = 0.0013848;
constexpr double kEnhancementOmega = 0.4678;
constexpr double kEnhancementA = -18.66;
// Products of reference values as the derivative terms use them.
constexpr double kTrefTimesReg1Pstar = 106986.4578;   // 647.226 K x 165.3 bar
constexpr double kTrefTimesReg2Pstar = 6472.26;       // 647.226 K x 10 bar
constexpr double kTrefTimesR = 298711.626876;         // 647.226 K x 461.526 J/(kg K)
constexpr double kPrefTimesRhoStar3 = 7121030000.0;   // 22115000 Pa x 322 kg/m3
constexpr double kRhoRefTimesR = 146655.88633799998;  // 317.763 kg/m3 x 461.526 J/(kg K)
static_assert(kRhoRefTimesR == kRefDensity * if97::kGasConstant);
// Reducing pressures of the IF97 derivatives [bar]: region 1 (16.53 MPa), region 2 (1 MPa).
constexpr double kReg1PstarBar = 165.3;
constexpr double kReg2PstarBar = 10.0;

// In the low branch the saturated vapour's conductivity is taken 0.01 % below the saturation
// pressure, on the vapour side of the region test.
constexpr double kVapourConductivityPressureFactor = 0.0001;

double finiteOr(double value) { return std::isfinite(value) ? value : kOutOfRange; }

double theta(double t) { return kRefTemperature / t; }
double rhoReduced(double rho) { return rho / kRefDensity; }

// The two derivative terms of the critical enhancement: D = (T*/p*)(dp/dT) at constant density
// and X = (p*/rho*)(drho/dp) at constant temperature.
struct Derivatives {
  double d = 0.0;
  double x = 0.0;
};

Derivatives region1Derivatives(double t, double p) {
  const double tau = if97::kReg1Temperature / t;
  const double pi = p / kReg1PstarBar;
  const double gp = gammaPiReg1(tau, pi);
  const double gpp = gammaPiPiReg1(tau, pi);
  const double gpt = gammaPiTauReg1(tau, pi);
  return {kTrefTimesReg1Pstar * (if97::kReg1Temperature * gpt - t * gp) /
              (kRefPressureBar * t * t * gpp),
          -(kRefPressurePa * gpp) / (kRhoRefTimesR * t * gp * gp)};
}

Derivatives region2Derivatives(double t, double p) {
  const double tau = if97::kReg2Temperature / t;
  const double pi = p / kReg2PstarBar;
  const double gp = gamma0PiReg2(tau, pi) + gammaRPiReg2(tau, pi);
  const double gpp = gamma0PiPiReg2(tau, pi) + gammaRPiPiReg2(tau, pi);
  const double gpt = gamma0PiTauReg2(tau, pi) + gammaRPiTauReg2(tau, pi);
  return {kTrefTimesReg2Pstar * (if97::kReg2Temperature * gpt - t * gp) /
              (kRefPressureBar * t * t * gpp),
          -(kRefPressurePa * gpp) / (kRhoRefTimesR * t * gp * gp)};
}

Derivatives region3Derivatives(double t, double rhoR) {
  const double tau = if97::kReg3Temperature / t;
  const double rho = rhoR * kRefDensity;
  const double delta = rho / if97::kReg3Density;
  const double fd = phiDeltaReg3(tau, delta);
  const double fdd = phiDeltaDeltaReg3(tau, delta);
  const double fdt = phiDeltaTauReg3(tau, delta);
  return {kTrefTimesR * rho * rho * (fd - tau * fdt) / kPrefTimesRhoStar3,
          kPrefTimesRhoStar3 / (kRefDensity * rhoR * kRefDensity * if97::kGasConstant * t *
                                (2.0 * fd + delta * fdd))};
}

Derivatives derivativesIn(Region region, double t, double p, double rhoR) {
  switch (region) {
    case Region::kOne:
      return region1Derivatives(t, p);
    case Region::kTwo:
      return region2Derivatives(t, p);
    case Region::kThree:
      return region3Derivatives(t, rhoR);
    case Region::kNone:
      break;
  }
  return {};
}

// lambda0 lambda1 + lambda2 with the derivatives of `region`; -1 where lambda2 has no real
// value.
double thconReducedIn(Region region, double t, double p, double th, double rhoR) {
  double ideal = 0.0;
  for (std::size_t k = 0; k < L0thcon.size(); ++k) ideal += L0thcon[k] * std::pow(th, k);
  const double lambda0 = 1.0 / (std::sqrt(th) * ideal);

  double residual = 0.0;
  double thetaPower = 1.0;  // (theta - 1)^i
  for (std::size_t i = 0; i < Lijthcon.size(); ++i) {
    double rhoPower = 1.0;  // (rhoR - 1)^j
    for (std::size_t j = 0; j < Lijthcon[i].size(); ++j) {
      residual += Lijthcon[i][j] * thetaPower * rhoPower;
      rhoPower *= rhoR - 1.0;
    }
    thetaPower *= th - 1.0;
  }
  const double lambda1 = std::exp(rhoR * residual);

  const Derivatives dx = derivativesIn(region, t, p, rhoR);
  const double chi = rhoR * dx.x;
  if (!(chi >= 0.0) || !std::isfinite(dx.d)) return kOutOfRange;
  const double mu = viscReduced(th, rhoR);
  if (!(mu > 0.0)) return kOutOfRange;
  const double thetaRho = th * rhoR;
  const double lambda2 =
      kEnhancementC / mu / (thetaRho * thetaRho) * dx.d * dx.d * std::pow(chi, kEnhancementOmega) *
      std::sqrt(rhoR) *
      std::exp(kEnhancementA * (1.0 / th - 1.0) * (1.0 / th - 1.0) - std::pow(rhoR - 1.0, 4));
  return finiteOr(lambda0 * lambda1 + lambda2);
}

double viscosityAt(double t, double rho) {
  if (!(rho > 0.0)) return kOutOfRange;
  return finiteOr(kRefViscosity * viscReduced(theta(t), rhoReduced(rho)));
}

double conductivityIn(Region region, double t, double p, double rho) {
  if (!(rho > 0.0)) return kOutOfRange;
  const double reduced = thconReducedIn(region, t, p, theta(t), rhoReduced(rho));
  return reduced < 0.0 ? kOutOfRange : finiteOr(kRefConductivity * reduced);
}

bool inTransportRange(double t, double p) {
  return t >= if97::kTripleTemperature && t <= if97::kTopTemperature && p > 0.0 &&
         p <= if97::kTopPressure;
}

// Density of a saturated state: region 1 or 2 in the low branch, the region-3 search near the
// critical point.
double saturatedDensity(const SaturatedState& s, SatSide side) {
  if (s.branch == SaturatedState::Branch::kNearCritical) {
    return densReg3(s.temperature, s.pressure);
  }
  return side == SatSide::kLiquid ? 1.0 / volumeReg1(s.temperature, s.pressure)
                                  : 1.0 / volumeReg2(s.temperature, s.pressure);
}

double saturatedViscosity(const SaturatedState& s, SatSide side) {
  if (s.branch == SaturatedState::Branch::kNone) return kOutOfRange;
  return viscosityAt(s.temperature, saturatedDensity(s, side));
}

// The conductivity of a saturated state takes its derivative terms from the equation of the
// state's own branch; a region test at a pressure on the saturation line would be decided by
// the last bit of pSatW(tSatW(p)). In the low branch the vapour is evaluated at 0.9999 p, and
// `conductivityPressure` receives that pressure.
double saturatedConductivity(const SaturatedState& s, SatSide side, double& conductivityPressure) {
  if (s.branch == SaturatedState::Branch::kNone) return kOutOfRange;
  const double rho = saturatedDensity(s, side);
  if (s.branch == SaturatedState::Branch::kNearCritical) {
    return conductivityIn(Region::kThree, s.temperature, s.pressure, rho);
  }
  if (side == SatSide::kLiquid) return conductivityIn(Region::kOne, s.temperature, s.pressure, rho);
  conductivityPressure = s.pressure - kVapourConductivityPressureFactor * s.pressure;
  return conductivityIn(Region::kTwo, s.temperature, conductivityPressure, rho);
}

}  // namespace

double viscReduced(double theta, double rhoR) {
  double ideal = 0.0;
  for (std::size_t k = 0; k < H0visc.size(); ++k) ideal += H0visc[k] * std::pow(theta, k);
  const double mu0 = 1.0 / (std::sqrt(theta) * ideal);
  double residual = 0.0;
  for (std::size_t k = 0; k < Hijvisc.size(); ++k) {
    residual += Hijvisc[k] * std::pow(rhoR - 1.0, Hjvisc[k]) * std::pow(theta - 1.0, Hivisc[k]);
  }
  return finiteOr(mu0 * std::exp(rhoR * residual));
}

double thconReduced(double temperature, double pressure, double theta, double rhoR) {
  return thconReducedIn(singlePhaseRegion(temperature, pressure), temperature, pressure, theta,
                        rhoR);
}

double viscW(double temperature, double pressure) {
  if (!inTransportRange(temperature, pressure)) return kOutOfRange;
  return viscosityAt(temperature, densW(temperature, pressure));
}

double thconW(double temperature, double pressure) {
  if (!inTransportRange(temperature, pressure)) return kOutOfRange;
  return conductivityIn(singlePhaseRegion(temperature, pressure), temperature, pressure,
                        densW(temperature, pressure));
}

double viscSatLiqTW(double temperature) {
  return saturatedViscosity(saturatedByTemperature(temperature, SatSide::kLiquid),
                            SatSide::kLiquid);
}
double viscSatVapTW(double temperature) {
  return saturatedViscosity(saturatedByTemperature(temperature, SatSide::kVapour),
                            SatSide::kVapour);
}
double viscSatLiqPW(double& pressure) {
  return saturatedViscosity(saturatedByPressure(pressure, SatSide::kLiquid), SatSide::kLiquid);
}
double viscSatVapPW(double& pressure) {
  return saturatedViscosity(saturatedByPressure(pressure, SatSide::kVapour), SatSide::kVapour);
}

double thconSatLiqTW(double temperature) {
  double unused = 0.0;
  return saturatedConductivity(saturatedByTemperature(temperature, SatSide::kLiquid),
                               SatSide::kLiquid, unused);
}
double thconSatVapTW(double temperature) {
  double local = 0.0;
  return saturatedConductivity(saturatedByTemperature(temperature, SatSide::kVapour),
                               SatSide::kVapour, local);
}
double thconSatLiqPW(double& pressure) {
  double unused = 0.0;
  return saturatedConductivity(saturatedByPressure(pressure, SatSide::kLiquid), SatSide::kLiquid,
                               unused);
}
double thconSatVapPW(double& pressure) {
  return saturatedConductivity(saturatedByPressure(pressure, SatSide::kVapour), SatSide::kVapour,
                               pressure);
}

}  // namespace corvasine::steam
