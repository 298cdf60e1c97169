// The single-phase functions choose the IF97 region from (T, p): region 1 up to and including the
// saturation pressure, region 2 up to and including the 2-3 boundary, region 3 above it, with
// inclusive outer bounds 273.15 K, 1073.15 K and 1000 bar and p > 0; -1 elsewhere.
#include <gtest/gtest.h>

#include "steam_properties/test_support.h"
#include "steam_properties/water_steam.h"

namespace corvasine::steam {
namespace {

using testing::above;
using testing::below;

TEST(RegionSelection, EveryPropertyUsesTheRegionOfTheState) {
  const struct {
    const char* what;
    double t, p;  // [K], [bar]
    int region;   // 0: none
  } cases[] = {{"saturation pressure is liquid", 300, pSatW(300), 1},
               {"just below saturation is vapour", 300, below(pSatW(300)), 2},
               {"lowest temperature, top pressure", 273.15, 1000, 1},
               {"lowest temperature, vapour", 273.15, 0.005, 2},
               {"623.15 K at saturation", 623.15, pSatW(623.15), 1},
               {"623.15 K at top pressure", 623.15, 1000, 1},
               {"623.15 K below saturation", 623.15, 100, 2},
               {"on the 2-3 boundary", 700, pBound23(700), 2},
               {"just above the 2-3 boundary", 700, above(pBound23(700)), 3},
               {"700 K at top pressure", 700, 1000, 3},
               {"863.15 K at top pressure", 863.15, 1000, 2},
               {"900 K, top pressure", 900, 1000, 2},
               {"900 K, tiny pressure", 900, 1e-9, 2},
               {"highest temperature, top pressure", 1073.15, 1000, 2},
               // Above 623.15 K the 2-3 boundary starts below 165.292 bar, where the boundary
               // temperature has no value; the sliver between them belongs to no region.
               {"sliver above 623.15 K", 623.1501, 0.5 * (pBound23(623.1501) + 165.292), 0},
               {"zero pressure", 500, 0, 0},
               {"negative pressure", 500, -1, 0},
               {"above top pressure", 500, above(1000.0), 0},
               {"below lowest temperature", below(273.15), 1, 0},
               {"above highest temperature", above(1073.15), 1, 0}};
  for (const auto& c : cases) {
    for (const testing::Property& f : testing::kProperties) {
      const double expected = c.region == 1   ? f.reg1(c.t, c.p)
                              : c.region == 2 ? f.reg2(c.t, c.p)
                              : c.region == 3 ? f.reg3(c.t, densReg3(c.t, c.p))
                                              : -1.0;
      EXPECT_EQ(f.single(c.t, c.p), expected) << c.what << ", " << f.name;
    }
  }
}

}  // namespace
}  // namespace corvasine::steam
