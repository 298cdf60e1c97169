// The isentropic search, fast and literal alike: end states reasoned from
// the definition of the steps, and the fast search against the literal one.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>

#include "steam_properties/water_steam.h"
#include "steam_turbine/isentropic_search.h"
#include "steam_turbine/literal_isentropic_search.h"
#include "steam_turbine/steam_cases.h"

namespace corvasine::steam_turbine {
namespace {

using testing::LiteralIsentropicSearch;

constexpr double kS = 0.238846;  // kJ/(kg K) to Btu/(lb °F)

double sLiq(double bar) { return steam::entropySatLiqPW(bar) * kS; }
double sVap(double bar) { return steam::entropySatVapPW(bar) * kS; }

struct SearchKind {
  std::string name;
  std::function<std::unique_ptr<IsentropicSearch>()> make;
};

class IsenCond : public ::testing::TestWithParam<SearchKind> {
 protected:
  std::optional<double> isen(double s, double psia) { return search_->isen_cond(s, psia); }
  std::unique_ptr<IsentropicSearch> search_ = GetParam().make();
};

// 14.5 psia is exactly 1 bar for the library.
TEST_P(IsenCond, WetEndIsTheFirstQualityStepAtOrBelowTheMixture) {
  const double sf = sLiq(1.0);
  const double sg = sVap(1.0);
  for (double share : {0.9, 0.3, 0.05}) {
    const std::optional<double> x = isen(sf + share * (sg - sf), 14.5);
    ASSERT_TRUE(x);
    // The steps are 0.0001 apart: the first at or below the share.
    EXPECT_LE(*x, share + 1e-9) << share;
    EXPECT_GT(*x, share - 1e-4 - 1e-9) << share;
  }
}

// At 1 bar and some 206.9 bar (through region 3, saturated at 641.7 K).
TEST_P(IsenCond, SuperheatedEndIsTheFirstTemperatureStepReachingTheEntropy) {
  const struct {
    double psia, t;
  } ends[] = {{14.5, 400.0}, {14.5, 500.0}, {14.5, 900.0}, {3000.0, 650.0}, {3000.0, 700.0}};
  for (const auto& [psia, t] : ends) {
    const std::optional<double> end = isen(steam::entropyW(t, psia / 14.5) * kS, psia);
    ASSERT_TRUE(end);
    EXPECT_GE(*end, t - 1e-6) << t;
    EXPECT_LT(*end, t * 1.0001 + 1e-6) << t;
  }
}

// Quality 1 at the saturated vapour's entropy, 0 below the liquid's, and no
// end beyond the library's range (a step above 1073.15 K, or no saturation
// temperature to start from above the critical pressure or at none).
TEST_P(IsenCond, EndsAtTheSaturationLineAndTheRangeEdges) {
  const struct {
    double s, psia;
    std::optional<double> end;
  } edges[] = {{sVap(1.0), 14.5, 1.0},
               {sVap(10.0), 145.0, 1.0},
               {sLiq(1.0) - 0.01, 14.5, 0.0},
               {0.0, 145.0, 0.0},
               {steam::entropyW(1073.15, 1.0) * kS + 0.001, 14.5, std::nullopt},
               {1.5, 3300.0, std::nullopt},
               {1.5, 0.0, std::nullopt}};
  for (const auto& edge : edges)
    EXPECT_EQ(isen(edge.s, edge.psia), edge.end) << edge.s << " at " << edge.psia;
}

TEST_P(IsenCond, NearCriticalWetEndIsCloseToTheLeverRule) {
  const double bar = 3100.0 / 14.5;  // some 213.8 bar
  const double sf = sLiq(bar);
  const double sg = sVap(bar);
  const std::optional<double> x = isen(0.5 * (sf + sg), 3100.0);
  ASSERT_TRUE(x);
  // The near-critical calls move the pressure by 0.00001 bar: the lever rule holds to 1e-3.
  EXPECT_NEAR(*x, 0.5, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(
    Searches, IsenCond,
    ::testing::Values(SearchKind{"Fast", makeFastIsentropicSearch},
                      SearchKind{"Literal",
                                 [] { return std::make_unique<LiteralIsentropicSearch>(); }}),
    [](const ::testing::TestParamInfo<SearchKind>& info) { return info.param.name; });

// Random pressures over the whole range (the near-critical band, the band
// edges and beyond the critical point included) and random entropies around
// saturation, several at each pressure on one fast search, so that its
// stored steps and start hints are used: every answer equals the literal one.
TEST(FastIsentropicSearch, AnswersLikeTheLiteralSearch) {
  std::mt19937_64 random(20261207);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  const double nearCriticalLow = 165.2917 * 14.5;
  const double critical = 220.64 * 14.5;
  std::vector<double> pressures{
      14.5, 0.1, 1.0, nearCriticalLow, critical, critical + 0.001, 2396.6, 5000.0, -10.0, 0.0};
  const int scale = testing::sampleScale();
  for (int i = 0; i < 10 * scale; ++i) {
    pressures.push_back(std::exp(std::log(0.2) + unit(random) * 9.6));
  }
  for (int i = 0; i < 4 * scale; ++i) {
    pressures.push_back(nearCriticalLow + unit(random) * (critical - nearCriticalLow));
  }
  for (double p : pressures) {
    const double bar = p / 14.5;
    double pv = bar;
    const double sg = steam::entropySatVapPW(pv) * kS;
    double pl = bar;
    const double sf = steam::entropySatLiqPW(pl) * kS;
    const double span = std::max(0.1, sg - sf);
    const std::unique_ptr<IsentropicSearch> fast = makeFastIsentropicSearch();
    LiteralIsentropicSearch literal;
    std::vector<double> entropies{sg};
    entropies.push_back(sf - 0.05 + unit(random) * (sg - sf + 0.1));
    for (int k = 0; k < 2; ++k) entropies.push_back(sg + unit(random) * 0.2 * span);
    entropies.push_back(entropies.back() + 1e-6);  // the next search at one pressure starts near
    for (double s : entropies) {
      EXPECT_EQ(fast->isen_cond(s, p), literal.isen_cond(s, p)) << "p " << p << " s " << s;
    }
  }
}

}  // namespace
}  // namespace corvasine::steam_turbine
