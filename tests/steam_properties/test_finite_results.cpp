// No function of the library returns NaN or infinity, whatever Double it is given: special
// values, random bit patterns (every exponent, denormals included) and values around the ranges
// of the formulation all go through every public function.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "steam_properties/water_steam.h"

namespace corvasine::steam {
namespace {

using Limits = std::numeric_limits<double>;

std::vector<double> specialValues() {
  std::vector<double> v = {Limits::quiet_NaN(),
                           Limits::infinity(),
                           Limits::denorm_min(),
                           Limits::min(),
                           Limits::max(),
                           0.0,
                           1e-300,
                           1e300,
                           1.0,
                           273.15,
                           623.15,
                           647.096,
                           863.15,
                           1073.15,
                           0.00611213,
                           165.292,
                           220.64,
                           1000.0,
                           pSatW(273.15),
                           pSatW(623.15),
                           pSatW(647.096)};
  const std::size_t n = v.size();
  for (std::size_t k = 0; k < n; ++k) v.push_back(-v[k]);
  return v;
}

class ArgumentSampler {
 public:
  double bits() { return std::bit_cast<double>(static_cast<std::uint64_t>(random_())); }
  double uniform(double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(random_);
  }
  // Temperatures across the formulation and beyond, near-critical ones among them.
  double temperature() { return flip() ? uniform(200.0, 1200.0) : uniform(640.0, 650.0); }
  // Pressures from 3e-7 bar to 2000 bar, near-critical ones among them.
  double pressure() { return flip() ? std::exp(uniform(-15.0, 7.6)) : uniform(190.0, 230.0); }

 private:
  bool flip() { return (random_() & 1u) != 0; }
  std::mt19937_64 random_{97};
};

constexpr int kRandomSamples = 600;

// Single arguments: special values, random bit patterns and values around the ranges.
std::vector<double> singleArguments() {
  std::vector<double> values = specialValues();
  ArgumentSampler sample;
  for (int k = 0; k < kRandomSamples; ++k) {
    values.push_back(sample.bits());
    values.push_back(sample.temperature());
    values.push_back(sample.pressure());
  }
  return values;
}

// Pairs (T, p): all pairs of special values, pairs of random bit patterns and random states.
std::vector<std::pair<double, double>> argumentPairs() {
  std::vector<std::pair<double, double>> pairs;
  const std::vector<double> special = specialValues();
  for (double a : special) {
    for (double b : special) pairs.emplace_back(a, b);
  }
  ArgumentSampler sample;
  for (int k = 0; k < kRandomSamples; ++k) {
    pairs.emplace_back(sample.bits(), sample.bits());
    pairs.emplace_back(sample.temperature(), sample.pressure());
  }
  return pairs;
}

using ByStateFunction = double (*)(double, double);
using ByTemperatureFunction = double (*)(double);
using ByPressureFunction = double (*)(double&);

const ByStateFunction kByState[] = {densW, energyW, entropyW, enthalpyW, cpW,
                                    cvW,   viscW,   thconW,   densReg3,  viscReduced};
const ByTemperatureFunction kByTemperature[] = {
    pSatW,          pBound23,        densSatLiqTW,    densSatVapTW,     energySatLiqTW,
    energySatVapTW, entropySatLiqTW, entropySatVapTW, enthalpySatLiqTW, enthalpySatVapTW,
    cpSatLiqTW,     cpSatVapTW,      cvSatLiqTW,      cvSatVapTW,       viscSatLiqTW,
    viscSatVapTW,   thconSatLiqTW,   thconSatVapTW};
const ByPressureFunction kByPressure[] = {
    densSatLiqPW,    densSatVapPW,    energySatLiqPW,   energySatVapPW,
    entropySatLiqPW, entropySatVapPW, enthalpySatLiqPW, enthalpySatVapPW,
    cpSatLiqPW,      cpSatVapPW,      cvSatLiqPW,       cvSatVapPW,
    viscSatLiqPW,    viscSatVapPW,    thconSatLiqPW,    thconSatVapPW};

TEST(FiniteResults, FunctionsOfTemperatureAndPressure) {
  for (const auto& [t, p] : argumentPairs()) {
    for (ByStateFunction f : kByState) ASSERT_TRUE(std::isfinite(f(t, p))) << t << ", " << p;
    ASSERT_TRUE(std::isfinite(thconReduced(t, p, 647.226 / t, p / 317.763))) << t << ", " << p;
  }
}

TEST(FiniteResults, FunctionsOfOneArgument) {
  for (double x : singleArguments()) {
    for (ByTemperatureFunction f : kByTemperature) ASSERT_TRUE(std::isfinite(f(x))) << x;
    ASSERT_TRUE(std::isfinite(tSatW(x))) << x;
    ASSERT_TRUE(std::isfinite(tBound23(x))) << x;
    for (ByPressureFunction f : kByPressure) {
      double pressure = x;
      ASSERT_TRUE(std::isfinite(f(pressure))) << x;
      if (std::isfinite(x)) {
        ASSERT_TRUE(std::isfinite(pressure)) << x;
      }
    }
  }
}

}  // namespace
}  // namespace corvasine::steam
