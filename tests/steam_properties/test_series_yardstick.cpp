// The library evaluates the IF97 series from power tables built by multiplication and adds the
// terms in partial sums; the literal evaluation takes std::pow per term and adds in row order.
// Both must agree to 1e-13 relative. Where the terms of a sum cancel, the rounding of the sum
// itself (a few units of roundoff times the sum of the magnitudes of the terms) is larger than
// that, for the literal evaluation as much as for the fast one; there the agreement required is
// 16 units of roundoff of that magnitude.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "steam_properties/if97_basic.h"
#include "steam_properties/literal_if97.h"
#include "steam_properties/test_support.h"
#include "steam_properties/water_steam.h"

namespace corvasine::steam {
namespace {

using testing::kEpsilon;

constexpr double kRelative = 1e-13;
constexpr double kRoundoffUnits = 16.0;
constexpr int kSamples = 2000;

enum class Domain { kRegion1, kRegion2, kRegion3 };

struct Series {
  const char* name;
  double (*fast)(double, double);
  literal::Sum (*literal)(double, double);
  Domain domain;
};

void PrintTo(const Series& s, std::ostream* os) { *os << s.name; }

// A random state of the region's range of validity, reduced as its equation takes it.
struct ReducedState {
  double first;   // tau
  double second;  // pi or delta
};

class StateSampler {
 public:
  explicit StateSampler(unsigned seed) : random_(seed) {}

  ReducedState next(Domain domain) {
    switch (domain) {
      case Domain::kRegion1: {
        const double t = uniform(273.15, 623.15);
        const double p = uniform(pSatW(t), 1000.0);
        return {1386.0 / t, 0.1 * p / 16.53};
      }
      case Domain::kRegion2: {
        const double t = uniform(273.15, 1073.15);
        const double top = t <= 623.15 ? pSatW(t) : (t <= 863.15 ? pBound23(t) : 1000.0);
        const double p = std::exp(uniform(std::log(1e-4), std::log(top)));
        return {540.0 / t, 0.1 * p};
      }
      case Domain::kRegion3: {
        const double t = uniform(623.16, 863.15);
        const double p = uniform(pBound23(t), 1000.0);
        return {647.096 / t, densReg3(t, p) / 322.0};
      }
    }
    return {};
  }

 private:
  double uniform(double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(random_);
  }
  std::mt19937_64 random_;
};

class SeriesYardstick : public ::testing::TestWithParam<Series> {};

TEST_P(SeriesYardstick, FastSeriesAgreesWithTermByTermEvaluation) {
  const Series s = GetParam();
  StateSampler sampler(2024);
  for (int k = 0; k < kSamples; ++k) {
    const ReducedState x = sampler.next(s.domain);
    const literal::Sum expected = s.literal(x.first, x.second);
    const double tolerance = std::max(kRelative * std::abs(expected.value),
                                      kRoundoffUnits * kEpsilon * expected.magnitude);
    ASSERT_NEAR(s.fast(x.first, x.second), expected.value, tolerance)
        << "at " << x.first << ", " << x.second;
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllSeries, SeriesYardstick,
    ::testing::Values(
        Series{"gammaReg1", gammaReg1, literal::gammaReg1, Domain::kRegion1},
        Series{"gammaPiReg1", gammaPiReg1, literal::gammaPiReg1, Domain::kRegion1},
        Series{"gammaPiPiReg1", gammaPiPiReg1, literal::gammaPiPiReg1, Domain::kRegion1},
        Series{"gammaTauReg1", gammaTauReg1, literal::gammaTauReg1, Domain::kRegion1},
        Series{"gammaTauTauReg1", gammaTauTauReg1, literal::gammaTauTauReg1, Domain::kRegion1},
        Series{"gammaPiTauReg1", gammaPiTauReg1, literal::gammaPiTauReg1, Domain::kRegion1},
        Series{"gamma0Reg2", gamma0Reg2, literal::gamma0Reg2, Domain::kRegion2},
        Series{"gamma0TauReg2", gamma0TauReg2, literal::gamma0TauReg2, Domain::kRegion2},
        Series{"gamma0TauTauReg2", gamma0TauTauReg2, literal::gamma0TauTauReg2, Domain::kRegion2},
        Series{"gammaRReg2", gammaRReg2, literal::gammaRReg2, Domain::kRegion2},
        Series{"gammaRPiReg2", gammaRPiReg2, literal::gammaRPiReg2, Domain::kRegion2},
        Series{"gammaRPiPiReg2", gammaRPiPiReg2, literal::gammaRPiPiReg2, Domain::kRegion2},
        Series{"gammaRTauReg2", gammaRTauReg2, literal::gammaRTauReg2, Domain::kRegion2},
        Series{"gammaRTauTauReg2", gammaRTauTauReg2, literal::gammaRTauTauReg2, Domain::kRegion2},
        Series{"gammaRPiTauReg2", gammaRPiTauReg2, literal::gammaRPiTauReg2, Domain::kRegion2},
        Series{"phiReg3", phiReg3, literal::phiReg3, Domain::kRegion3},
        Series{"phiDeltaReg3", phiDeltaReg3, literal::phiDeltaReg3, Domain::kRegion3},
        Series{"phiDeltaDeltaReg3", phiDeltaDeltaReg3, literal::phiDeltaDeltaReg3,
               Domain::kRegion3},
        Series{"phiTauReg3", phiTauReg3, literal::phiTauReg3, Domain::kRegion3},
        Series{"phiTauTauReg3", phiTauTauReg3, literal::phiTauTauReg3, Domain::kRegion3},
        Series{"phiDeltaTauReg3", phiDeltaTauReg3, literal::phiDeltaTauReg3, Domain::kRegion3}),
    [](const ::testing::TestParamInfo<Series>& info) { return std::string(info.param.name); });

// The steam side of the turbine calculator: enthalpy and entropy of region 2 through the public
// functions, whose sums do not cancel, agree with the literal evaluation to 1e-13 throughout.
TEST(PublicResultsYardstick, SteamEnthalpyAndEntropyAgreeWithTermByTermEvaluation) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int k = 0; k < kSamples; ++k) {
    const double t = 273.15 + 800.0 * unit(random);
    const double top = t <= 623.15 ? pSatW(t) : (t <= 863.15 ? pBound23(t) : 1000.0);
    const double p = top * std::pow(1e-6, 1.0 - unit(random));  // below top
    EXPECT_NEAR(enthalpyW(t, p), literal::enthalpyReg2(t, p),
                kRelative * std::abs(literal::enthalpyReg2(t, p)));
    EXPECT_NEAR(entropyW(t, p), literal::entropyReg2(t, p),
                kRelative * std::abs(literal::entropyReg2(t, p)));
  }
}

}  // namespace
}  // namespace corvasine::steam
