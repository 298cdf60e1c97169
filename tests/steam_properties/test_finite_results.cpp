// No function of the library returns NaN or infinity, whatever Double it is given: special
// values, random bit patterns (every exponent, denormals included) and values around the ranges
// of the formulation all go through every public function.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <random>
#include <vector>

#include "steam_properties/if97_basic.h"
#include "steam_properties/water_steam.h"

namespace corvasine::steam {
namespace {

using Limits = std::numeric_limits<double>;
constexpr int kRandomSamples = 300;

// Special values and bounds of the formulation, each with both signs.
std::vector<double> specialValues() {
  const double limits[] = {Limits::quiet_NaN(), Limits::infinity(), Limits::denorm_min(),
                           Limits::min(), Limits::max()};
  const double bounds[] = {0.0,     1e-300,  1e300,  1.0,           273.15,
                           623.15,  647.096, 863.15, 1073.15,       0.00611213,
                           165.292, 220.64,  1000.0, pSatW(273.15), pSatW(623.15)};
  std::vector<double> v(std::begin(limits), std::end(limits));
  v.insert(v.end(), std::begin(bounds), std::end(bounds));
  const std::size_t n = v.size();
  for (std::size_t k = 0; k < n; ++k) v.push_back(-v[k]);
  return v;
}

// Random bit patterns, temperatures from 200 K to 1200 K, pressures from 3e-7 bar to 2000 bar,
// and near-critical states.
class ArgumentSampler {
 public:
  double bits() { return std::bit_cast<double>(static_cast<std::uint64_t>(random_())); }
  double temperature() { return flip() ? uniform(200.0, 1200.0) : uniform(640.0, 650.0); }
  double pressure() { return flip() ? std::exp(uniform(-15.0, 7.6)) : uniform(190.0, 230.0); }

 private:
  double uniform(double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(random_);
  }
  bool flip() { return (random_() & 1u) != 0; }
  std::mt19937_64 random_{97};
};

TEST(FiniteResults, FunctionsOfTemperatureAndPressure) {
  std::vector<std::pair<double, double>> pairs;
  for (double a : specialValues()) {
    for (double b : specialValues()) pairs.emplace_back(a, b);
  }
  ArgumentSampler sample;
  for (int k = 0; k < kRandomSamples; ++k) {
    pairs.emplace_back(sample.bits(), sample.bits());
    pairs.emplace_back(sample.temperature(), sample.pressure());
  }
  for (const auto& [t, p] : pairs) {
    for (auto f :
         {densW, energyW, entropyW, enthalpyW, cpW, cvW, viscW, thconW, densReg3, viscReduced}) {
      ASSERT_TRUE(std::isfinite(f(t, p))) << t << ", " << p;
    }
    ASSERT_TRUE(std::isfinite(thconReduced(t, p, 647.226 / t, p / 317.763))) << t << ", " << p;
    // The region functions and the basic equations, whose callers choose the region.
    for (auto f :
         {volumeReg1,     energyReg1,      entropyReg1,       enthalpyReg1,     cpReg1,
          cvReg1,         volumeReg2,      energyReg2,        entropyReg2,      enthalpyReg2,
          cpReg2,         cvReg2,          energyReg3,        entropyReg3,      enthalpyReg3,
          cpReg3,         cvReg3,          gammaReg1,         gammaPiReg1,      gammaPiPiReg1,
          gammaTauReg1,   gammaTauTauReg1, gammaPiTauReg1,    gamma0Reg2,       gamma0PiReg2,
          gamma0PiPiReg2, gamma0TauReg2,   gamma0TauTauReg2,  gamma0PiTauReg2,  gammaRReg2,
          gammaRPiReg2,   gammaRPiPiReg2,  gammaRTauReg2,     gammaRTauTauReg2, gammaRPiTauReg2,
          phiReg3,        phiDeltaReg3,    phiDeltaDeltaReg3, phiTauReg3,       phiTauTauReg3,
          phiDeltaTauReg3}) {
      ASSERT_TRUE(std::isfinite(f(t, p))) << t << ", " << p;
    }
  }
}

TEST(FiniteResults, FunctionsOfOneArgument) {
  std::vector<double> values = specialValues();
  ArgumentSampler sample;
  for (int k = 0; k < kRandomSamples; ++k) {
    values.insert(values.end(), {sample.bits(), sample.temperature(), sample.pressure()});
  }
  for (double x : values) {
    for (auto f : {pSatW,           tSatW,           pBound23,         tBound23,
                   densSatLiqTW,    densSatVapTW,    energySatLiqTW,   energySatVapTW,
                   entropySatLiqTW, entropySatVapTW, enthalpySatLiqTW, enthalpySatVapTW,
                   cpSatLiqTW,      cpSatVapTW,      cvSatLiqTW,       cvSatVapTW,
                   viscSatLiqTW,    viscSatVapTW,    thconSatLiqTW,    thconSatVapTW}) {
      ASSERT_TRUE(std::isfinite(f(x))) << x;
    }
    for (auto f :
         {densSatLiqPW, densSatVapPW, energySatLiqPW, energySatVapPW, entropySatLiqPW,
          entropySatVapPW, enthalpySatLiqPW, enthalpySatVapPW, cpSatLiqPW, cpSatVapPW, cvSatLiqPW,
          cvSatVapPW, viscSatLiqPW, viscSatVapPW, thconSatLiqPW, thconSatVapPW}) {
      double pressure = x;
      ASSERT_TRUE(std::isfinite(f(pressure))) << x;
      ASSERT_TRUE(std::isfinite(pressure) || !std::isfinite(x)) << x;
    }
  }
}

}  // namespace
}  // namespace corvasine::steam
