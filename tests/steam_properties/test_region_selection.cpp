// The single-phase functions choose the IF97 region from (T, p): region 1 up to and including the
// saturation pressure, region 2 up to and including the 2-3 boundary, region 3 above it, with
// inclusive outer bounds 273.15 K, 1073.15 K and 1000 bar and p > 0; -1 elsewhere.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "steam_properties/test_support.h"
#include "steam_properties/water_steam.h"

namespace corvasine::steam {
namespace {

using testing::above;
using testing::below;

enum class Expected { kRegion1, kRegion2, kRegion3, kOutside };

struct RegionCase {
  const char* what;
  double temperature;  // [K]
  double pressure;     // [bar]
  Expected region;
};

void PrintTo(const RegionCase& c, std::ostream* os) { *os << c.what; }

class RegionSelection : public ::testing::TestWithParam<RegionCase> {};

TEST_P(RegionSelection, EveryPropertyUsesTheRegionOfTheState) {
  const RegionCase c = GetParam();
  const double t = c.temperature, p = c.pressure;
  for (const testing::Property& f : testing::kProperties) {
    switch (c.region) {
      case Expected::kRegion1:
        EXPECT_EQ(f.single(t, p), f.reg1(t, p));
        break;
      case Expected::kRegion2:
        EXPECT_EQ(f.single(t, p), f.reg2(t, p));
        break;
      case Expected::kRegion3:
        EXPECT_EQ(f.single(t, p), f.reg3(t, densReg3(t, p)));
        break;
      case Expected::kOutside:
        EXPECT_EQ(f.single(t, p), -1.0);
        break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, RegionSelection,
    ::testing::Values(
        RegionCase{"saturation pressure is liquid", 300, pSatW(300), Expected::kRegion1},
        RegionCase{"just below saturation is vapour", 300, below(pSatW(300)), Expected::kRegion2},
        RegionCase{"lowest temperature, top pressure", 273.15, 1000, Expected::kRegion1},
        RegionCase{"lowest temperature, vapour", 273.15, 0.005, Expected::kRegion2},
        RegionCase{"623.15 K at saturation", 623.15, pSatW(623.15), Expected::kRegion1},
        RegionCase{"623.15 K at top pressure", 623.15, 1000, Expected::kRegion1},
        RegionCase{"623.15 K below saturation", 623.15, 100, Expected::kRegion2},
        RegionCase{"on the 2-3 boundary", 700, pBound23(700), Expected::kRegion2},
        RegionCase{"just above the 2-3 boundary", 700, above(pBound23(700)), Expected::kRegion3},
        RegionCase{"700 K at top pressure", 700, 1000, Expected::kRegion3},
        RegionCase{"863.15 K at top pressure", 863.15, 1000, Expected::kRegion2},
        RegionCase{"900 K, top pressure", 900, 1000, Expected::kRegion2},
        RegionCase{"900 K, tiny pressure", 900, 1e-9, Expected::kRegion2},
        RegionCase{"highest temperature, top pressure", 1073.15, 1000, Expected::kRegion2},
        // Above 623.15 K the 2-3 boundary starts below 165.292 bar, where the boundary
        // temperature has no value; the sliver between them belongs to no region.
        RegionCase{"sliver above 623.15 K", 623.1501, 0.5 * (pBound23(623.1501) + 165.292),
                   Expected::kOutside},
        RegionCase{"zero pressure", 500, 0, Expected::kOutside},
        RegionCase{"negative pressure", 500, -1, Expected::kOutside},
        RegionCase{"above top pressure", 500, above(1000.0), Expected::kOutside},
        RegionCase{"below lowest temperature", below(273.15), 1, Expected::kOutside},
        RegionCase{"above highest temperature", above(1073.15), 1, Expected::kOutside}));

}  // namespace
}  // namespace corvasine::steam
