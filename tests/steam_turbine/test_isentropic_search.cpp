// The isentropic search, fast and literal alike: end states reasoned from
// the definition of the steps. That the fast search answers like the literal
// one is the yardstick's check, over every search of random evaluations.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "steam_properties/water_steam.h"
#include "steam_turbine/isentropic_search.h"
#include "steam_turbine/literal_isentropic_search.h"

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

// 14.5 psia is exactly 1 bar for the library. Near the critical point (some
// 213.8 bar) the saturated calls move the pressure by 0.00001 bar: there the
// lever rule holds to a slack of 1e-3 only.
TEST_P(IsenCond, WetEndIsTheFirstQualityStepAtOrBelowTheMixture) {
  const struct {
    double psia, share, slack;
  } ends[] = {{14.5, 0.9, 0.0}, {14.5, 0.3, 0.0}, {14.5, 0.05, 0.0}, {3100.0, 0.5, 1e-3}};
  for (const auto& [psia, share, slack] : ends) {
    const double sf = sLiq(psia / 14.5);
    const double sg = sVap(psia / 14.5);
    const std::optional<double> x = isen(sf + share * (sg - sf), psia);
    ASSERT_TRUE(x);
    // The steps are 0.0001 apart: the first at or below the share.
    EXPECT_LE(*x, share + slack + 1e-9) << share;
    EXPECT_GT(*x, share - 1e-4 - slack - 1e-9) << share;
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

INSTANTIATE_TEST_SUITE_P(
    Searches, IsenCond,
    ::testing::Values(SearchKind{"Fast", makeFastIsentropicSearch},
                      SearchKind{"Literal",
                                 [] { return std::make_unique<LiteralIsentropicSearch>(); }}),
    [](const ::testing::TestParamInfo<SearchKind>& info) { return info.param.name; });

}  // namespace
}  // namespace corvasine::steam_turbine
