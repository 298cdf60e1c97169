// Saturated liquid and vapour by temperature (...TW) and by pressure (...PW): the low branch uses
// region 1 or 2 on the saturation line, the near-critical branch region 3 with the by-pressure
// members moving the caller's pressure 0.00001 bar up (liquid) or down (vapour).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

#include "steam_properties/test_support.h"
#include "steam_properties/water_steam.h"

namespace corvasine::steam {
namespace {

using testing::dens1;
using testing::dens2;
using testing::dens3;

constexpr double kShift = 0.00001;  // [bar]

struct Quantity {
  const char* name;
  double (*liqTW)(double);
  double (*vapTW)(double);
  double (*liqPW)(double&);
  double (*vapPW)(double&);
  double (*reg1)(double, double);
  double (*reg2)(double, double);
  double (*reg3)(double, double);
};

class SaturatedMember : public ::testing::TestWithParam<Quantity> {};

TEST_P(SaturatedMember, ByTemperature) {
  const Quantity q = GetParam();
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

TEST_P(SaturatedMember, ByPressure) {
  const Quantity q = GetParam();
  for (double p : {0.00611213, 1.0, 100.0, pSatW(623.15)}) {  // low branch keeps the pressure
    double liquid = p, vapour = p;
    EXPECT_EQ(q.liqPW(liquid), q.reg1(tSatW(p), p)) << p;
    EXPECT_EQ(q.vapPW(vapour), q.reg2(tSatW(p), p)) << p;
    EXPECT_EQ(liquid, p);
    EXPECT_EQ(vapour, p);
  }
  // Near-critical: T from the pressure as passed, region 3 at the shifted pressure.
  for (double p : {std::nextafter(pSatW(623.15), 300.0), 200.0, 220.64}) {
    double liquid = p, vapour = p;
    EXPECT_EQ(q.liqPW(liquid), q.reg3(tSatW(p), densReg3(tSatW(p), p + kShift))) << p;
    EXPECT_EQ(q.vapPW(vapour), q.reg3(tSatW(p), densReg3(tSatW(p), p - kShift))) << p;
    EXPECT_EQ(liquid, p + kShift);
    EXPECT_EQ(vapour, p - kShift);
  }
  // Outside, and between pSatW(273.15 K) and the lowest pressure of tSatW, where no saturation
  // temperature exists: -1, pressure untouched.
  for (double p : {0.006, pSatW(273.15), 0.5 * (pSatW(273.15) + 0.00611213), 220.65, -1.0}) {
    double liquid = p, vapour = p;
    EXPECT_EQ(q.liqPW(liquid), -1.0) << p;
    EXPECT_EQ(q.vapPW(vapour), -1.0) << p;
    EXPECT_EQ(liquid, p);
    EXPECT_EQ(vapour, p);
  }
}

INSTANTIATE_TEST_SUITE_P(
    AllQuantities, SaturatedMember,
    ::testing::Values(
        Quantity{"density", densSatLiqTW, densSatVapTW, densSatLiqPW, densSatVapPW, dens1, dens2,
                 dens3},
        Quantity{"energy", energySatLiqTW, energySatVapTW, energySatLiqPW, energySatVapPW,
                 energyReg1, energyReg2, energyReg3},
        Quantity{"entropy", entropySatLiqTW, entropySatVapTW, entropySatLiqPW, entropySatVapPW,
                 entropyReg1, entropyReg2, entropyReg3},
        Quantity{"enthalpy", enthalpySatLiqTW, enthalpySatVapTW, enthalpySatLiqPW, enthalpySatVapPW,
                 enthalpyReg1, enthalpyReg2, enthalpyReg3},
        Quantity{"cp", cpSatLiqTW, cpSatVapTW, cpSatLiqPW, cpSatVapPW, cpReg1, cpReg2, cpReg3},
        Quantity{"cv", cvSatLiqTW, cvSatVapTW, cvSatLiqPW, cvSatVapPW, cvReg1, cvReg2, cvReg3}),
    [](const ::testing::TestParamInfo<Quantity>& info) { return std::string(info.param.name); });

TEST(SaturatedPressureShift, SuccessiveCallsAddUpAndStopAtTheCriticalPressure) {
  double p = 200.0;
  enthalpySatLiqPW(p);
  entropySatLiqPW(p);
  EXPECT_NEAR(p, 200.0 + 2 * kShift, 1e-12);
  enthalpySatVapPW(p);
  EXPECT_NEAR(p, 200.0 + kShift, 1e-12);

  double critical = 220.64;
  EXPECT_GT(densSatLiqPW(critical), 0.0);
  EXPECT_EQ(critical, 220.64 + kShift);
  EXPECT_EQ(entropySatVapPW(critical), -1.0);
  EXPECT_EQ(critical, 220.64 + kShift);
}

// Both phases exist up to the critical temperature, the liquid denser and the vapour richer in
// enthalpy, and they meet at the critical point.
TEST(SaturatedStates, PhasesSeparateBelowTheCriticalPoint) {
  for (double t = 273.15; t < 647.09; t += 1.0) {
    EXPECT_GT(densSatLiqTW(t), densSatVapTW(t)) << t;
    EXPECT_GT(enthalpySatVapTW(t), enthalpySatLiqTW(t)) << t;
  }
  EXPECT_NEAR(densSatLiqTW(647.096), 322.0, 3.0);
  EXPECT_NEAR(densSatVapTW(647.096), 322.0, 3.0);
}

}  // namespace
}  // namespace corvasine::steam
