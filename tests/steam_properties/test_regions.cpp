// The single-phase functions choose the IF97 region from (T, p): region 1 up to and including the
// saturation pressure, region 2 up to and including the 2-3 boundary, region 3 above it, with
// inclusive outer bounds 273.15 K, 1073.15 K and 1000 bar and p > 0; -1 elsewhere. Saturated
// liquid and vapour by temperature (...TW) and by pressure (...PW): the low branch uses region 1
// or 2 on the saturation line, the near-critical branch region 3 with the by-pressure members
// moving the caller's pressure 0.00001 bar up (liquid) or down (vapour).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "steam_properties/test_support.h"

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
               {"863.15 K at top pressure", 863.15, 1000, 2},
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
    // The transport properties have the same range.
    for (auto f : {viscW, thconW}) EXPECT_EQ(f(c.t, c.p) == -1.0, c.region == 0) << c.what;
  }
}

constexpr double kShift = 0.00001;  // [bar]

TEST(SaturatedMember, ByTemperature) {
  for (const testing::Property& q : testing::kProperties) {
    SCOPED_TRACE(q.name);
    for (double t : {273.15, 400.0, 623.15}) {  // low branch, bounds included
      EXPECT_EQ(q.liqTW(t), q.reg1(t, pSatW(t))) << t;
      EXPECT_EQ(q.vapTW(t), q.reg2(t, pSatW(t))) << t;
    }
    for (double t : {623.16, 640.0, 647.096}) {  // near-critical branch
      EXPECT_EQ(q.liqTW(t), q.reg3(t, densReg3(t, pSatW(t)))) << t;
      EXPECT_EQ(q.vapTW(t), q.reg3(t, densReg3(t, pSatW(t) - kShift))) << t;
    }
    for (double t : {273.1, 647.1, std::numeric_limits<double>::quiet_NaN()}) {
      EXPECT_EQ(q.liqTW(t), -1.0) << t;
      EXPECT_EQ(q.vapTW(t), -1.0) << t;
    }
  }
}

// The low branch agrees with the member by temperature at tSatW(p) (the vapour conductivity
// lowers the pressure by 0.01 % there); the near-critical branch takes T from the pressure as
// passed and hands the shifted pressure back.
TEST(SaturatedMemberByPressure, ValueAndPressureHandedBack) {
  struct Member {
    std::string name;
    double (*f)(double&);
    double (*byT)(double);
    double shift;                              // [bar]
    double (*reg3)(double, double) = nullptr;  // none: a transport property
    bool lowersInLowBranch = false;
  };
  std::vector<Member> members = {
      {"viscSatLiqPW", viscSatLiqPW, viscSatLiqTW, kShift},
      {"viscSatVapPW", viscSatVapPW, viscSatVapTW, -kShift},
      {"thconSatLiqPW", thconSatLiqPW, thconSatLiqTW, kShift},
      {"thconSatVapPW", thconSatVapPW, thconSatVapTW, -kShift, nullptr, true}};
  for (const testing::Property& q : testing::kProperties) {
    members.push_back({std::string(q.name) + " liquid", q.liqPW, q.liqTW, kShift, q.reg3});
    members.push_back({std::string(q.name) + " vapour", q.vapPW, q.vapTW, -kShift, q.reg3});
  }
  for (const Member& m : members) {
    for (double p = 0.00611213; p <= pSatW(623.15); p *= 1.3) {
      double v = p;
      const double value = m.f(v), expected = m.byT(tSatW(p));
      EXPECT_NE(value, -1.0) << m.name << ", " << p;
      EXPECT_NEAR(value, expected, 1e-9 * std::abs(expected)) << m.name << ", " << p;
      EXPECT_EQ(v, m.lowersInLowBranch ? p - 0.0001 * p : p) << m.name << ", " << p;
    }
    for (double p : {above(pSatW(623.15)), 200.0, 220.64}) {
      double v = p;
      const double value = m.f(v);
      EXPECT_NE(value, -1.0) << m.name << ", " << p;
      const double t = tSatW(p);
      EXPECT_EQ(value, m.reg3 != nullptr ? m.reg3(t, densReg3(t, p + m.shift)) : value)
          << m.name << ", " << p;
      EXPECT_EQ(v, p + m.shift) << m.name << ", " << p;
    }
    // Outside, and between pSatW(273.15 K) and the lowest pressure of tSatW, where no
    // saturation temperature exists: -1, pressure untouched.
    for (double p : {-1.0, 0.006, pSatW(273.15), 0.5 * (pSatW(273.15) + 0.00611213),
                     220.64 + kShift, 220.65}) {
      double v = p;
      EXPECT_EQ(m.f(v), -1.0) << m.name << ", " << p;
      EXPECT_EQ(v, p) << m.name;
    }
  }
}

}  // namespace
}  // namespace corvasine::steam
