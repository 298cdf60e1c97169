// No function of the library returns NaN or infinity, whatever Double it is given.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

#include "steam_properties/test_support.h"

namespace corvasine::steam {
namespace {

using Limits = std::numeric_limits<double>;
constexpr int kRandomSamples = 300;
constexpr std::size_t kSpecialValues = 40;

// Special values and bounds of the formulation, each with both signs; then random bit patterns
// (every exponent, denormals included), temperatures from 200 K to 1200 K, pressures from 3e-7
// bar to 2000 bar, near-critical states.
std::vector<double> arguments() {
  std::vector<double> v = {Limits::quiet_NaN(), Limits::infinity(), Limits::denorm_min(),
                           Limits::min(), Limits::max()};
  v.insert(v.end(), {0.0, 1e-300, 1e300, 1.0, 273.15, 623.15, 647.096, 863.15, 1073.15, 0.00611213,
                     165.292, 220.64, 1000.0, pSatW(273.15), pSatW(623.15)});
  const std::size_t n = v.size();
  for (std::size_t k = 0; k < n; ++k) v.push_back(-v[k]);
  std::mt19937_64 random(97);
  auto uniform = [&](double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(random);
  };
  for (int k = 0; k < kRandomSamples; ++k) {
    v.push_back(std::bit_cast<double>(static_cast<std::uint64_t>(random())));
    v.push_back(random() & 1u ? uniform(200.0, 1200.0) : uniform(640.0, 650.0));
    v.push_back(random() & 1u ? std::exp(uniform(-15.0, 7.6)) : uniform(190.0, 230.0));
  }
  return v;
}

double reducedConductivity(double t, double p) {
  return thconReduced(t, p, 647.226 / t, p / 317.763);
}

TEST(FiniteResults, EveryFunctionForEveryArgument) {
  // The single-phase and region functions and the basic equations, whose callers choose the
  // region (density by region is the tests' own wrapper of the volume).
  std::vector<double (*)(double, double)> functions = {
      viscW, thconW, densReg3, viscReduced, reducedConductivity, volumeReg1, volumeReg2};
  for (const testing::Property& q : testing::kProperties) {
    functions.push_back(q.single);
    if (q.reg3 != testing::dens3) functions.insert(functions.end(), {q.reg1, q.reg2, q.reg3});
  }
  for (const testing::Series& s : testing::kSeries) functions.push_back(s.fast);
  auto check = [&](double a, double b) {
    for (auto f : functions) ASSERT_TRUE(std::isfinite(f(a, b))) << a << ", " << b;
  };
  // The special values in every pair, the samples in consecutive pairs.
  const std::vector<double> v = arguments();
  for (std::size_t i = 0; i < kSpecialValues; ++i)
    for (std::size_t j = 0; j < kSpecialValues; ++j) check(v[i], v[j]);
  for (std::size_t i = kSpecialValues; i + 1 < v.size(); ++i) check(v[i], v[i + 1]);

  // The functions of one argument, saturated members by pressure with the pressure they hand back.
  std::vector<double (*)(double)> byValue = {
      pSatW, tSatW, pBound23, tBound23, viscSatLiqTW, viscSatVapTW, thconSatLiqTW, thconSatVapTW};
  std::vector<double (*)(double&)> byPressure = {viscSatLiqPW, viscSatVapPW, thconSatLiqPW,
                                                 thconSatVapPW};
  for (const testing::Property& q : testing::kProperties) {
    byValue.insert(byValue.end(), {q.liqTW, q.vapTW});
    byPressure.insert(byPressure.end(), {q.liqPW, q.vapPW});
  }
  for (double x : v) {
    for (auto f : byValue) ASSERT_TRUE(std::isfinite(f(x))) << x;
    for (auto f : byPressure) {
      double pressure = x;
      ASSERT_TRUE(std::isfinite(f(pressure))) << x;
      ASSERT_TRUE(std::isfinite(pressure) || !std::isfinite(x)) << x;
    }
  }
}

}  // namespace
}  // namespace corvasine::steam
