// The library evaluates the IF97 series from power tables built by multiplication and adds the
// terms in partial sums; the literal evaluation takes std::pow per term and adds in row order.
// Both agree to 1e-13 relative. Where the terms of a sum cancel, the rounding of the sum itself
// (roundoff times the sum of the magnitudes of the terms) exceeds that, for the literal
// evaluation as much as for the fast one; there they must agree to 16 units of that roundoff.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "steam_properties/test_support.h"

namespace corvasine::steam {
namespace {

using literal::Equation;
using testing::Series;

constexpr double kRelative = 1e-13;
constexpr double kRoundoffUnits = 16.0;
constexpr int kSamples = 2000;

// The top pressure of region 2 at T [bar].
double region2Top(double t) {
  return t <= 623.15 ? pSatW(t) : (t <= 863.15 ? pBound23(t) : 1000.0);
}

// Random states of the equation's range of validity, reduced as the equation takes them.
class StateSampler {
 public:
  std::pair<double, double> next(Equation equation) {
    if (equation == Equation::kRegion1) {
      const double t = uniform(273.15, 623.15);
      return {1386.0 / t, 0.1 * uniform(pSatW(t), 1000.0) / 16.53};
    }
    if (equation == Equation::kRegion3) {
      const double t = uniform(623.16, 863.15);
      return {647.096 / t, densReg3(t, uniform(pBound23(t), 1000.0)) / 322.0};
    }
    const double t = uniform(273.15, 1073.15);
    return {540.0 / t, 0.1 * region2Top(t) * std::pow(1e-6, uniform(0.0, 1.0))};
  }
  double uniform(double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(random_);
  }

 private:
  std::mt19937_64 random_{2024};
};

class SeriesYardstick : public ::testing::TestWithParam<Series> {};

TEST_P(SeriesYardstick, FastSeriesAgreesWithTermByTermEvaluation) {
  const Series s = GetParam();
  StateSampler sampler;
  for (int k = 0; k < kSamples; ++k) {
    const auto [tau, second] = sampler.next(s.equation);
    const literal::Sum expected = literal::basic(s.equation, s.orderPi, s.orderTau, tau, second);
    const double tolerance = std::max(kRelative * std::abs(expected.value),
                                      kRoundoffUnits * testing::kEpsilon * expected.magnitude);
    ASSERT_NEAR(s.fast(tau, second), expected.value, tolerance) << "at " << tau << ", " << second;
  }
}

INSTANTIATE_TEST_SUITE_P(AllSeries, SeriesYardstick, ::testing::ValuesIn(testing::kSeries),
                         [](const ::testing::TestParamInfo<Series>& info) {
                           return std::string(info.param.name);
                         });
// Steam enthalpy and entropy through the public functions, whose region-2 sums do not cancel,
// agree with the literal evaluation to 1e-13 throughout region 2.
TEST(PublicResultsYardstick, SteamEnthalpyAndEntropyAgreeWithTermByTermEvaluation) {
  StateSampler sampler;
  for (int k = 0; k < kSamples; ++k) {
    const double t = sampler.uniform(273.15, 1073.15);
    const double p = region2Top(t) * std::pow(1e-6, sampler.uniform(1e-9, 1.0));  // below top
    const double h = literal::enthalpyReg2(t, p), s = literal::entropyReg2(t, p);
    EXPECT_NEAR(enthalpyW(t, p), h, kRelative * std::abs(h)) << t << " K, " << p << " bar";
    EXPECT_NEAR(entropyW(t, p), s, kRelative * std::abs(s)) << t << " K, " << p << " bar";
  }
}

}  // namespace
}  // namespace corvasine::steam
