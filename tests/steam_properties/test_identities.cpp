// Thermodynamic identities that any faithful transcription of the IF97 equations satisfies; they
// catch a wrong coefficient, sign or relation without restating the code.
#include <gtest/gtest.h>

#include <cmath>

#include "steam_properties/water_steam.h"

namespace corvasine::steam {
namespace {

constexpr double kKpaPerBar = 100.0;  // p v in kJ/kg from bar and m3/kg

// A lattice of states over regions 1, 2 and 3: T from 273.15 K to 1073.15 K and p from 1 mbar
// to 1000 bar, geometric in p.
TEST(Identities, EnthalpyIsEnergyPlusPvAndCpAtLeastCvAboveZero) {
  for (double t = 273.15; t <= 1073.15; t += 12.5) {
    for (double p = 0.001; p <= 1000.0; p *= 1.5) {
      const double h = enthalpyW(t, p);
      if (h == -1.0) continue;  // outside every region
      const double pv = kKpaPerBar * p / densW(t, p);
      EXPECT_NEAR(h, energyW(t, p) + pv, 1e-12 * (std::abs(h) + pv)) << t << " K, " << p << " bar";
      EXPECT_GT(cvW(t, p), 0.0) << t << " K, " << p << " bar";
      EXPECT_GE(cpW(t, p), cvW(t, p)) << t << " K, " << p << " bar";
    }
  }
}

// Saturated liquid and vapour have equal Gibbs energy g = h - T s; the mismatch is taken as the
// pressure error it amounts to, dg / (v'' - v'), relative to the saturation pressure. Regions 1
// and 2 up to 623.15 K, then region 3 in finer steps.
TEST(Identities, GibbsEnergyEqualAcrossSaturation) {
  for (double t = 273.16; t < 647.0; t += t < 623.15 ? 2.5 : 0.25) {
    const double gLiquid = enthalpySatLiqTW(t) - t * entropySatLiqTW(t);
    const double gVapour = enthalpySatVapTW(t) - t * entropySatVapTW(t);
    const double dv = 1.0 / densSatVapTW(t) - 1.0 / densSatLiqTW(t);
    EXPECT_NEAR((gLiquid - gVapour) / (kKpaPerBar * dv) / pSatW(t), 0.0, 1e-4) << t << " K";
  }
}

// Consistency of the region equations on their common boundaries as IAPWS-IF97 states it:
// |dv/v| <= 0.05 %, |dh| <= 0.2 kJ/kg, |ds| <= 0.2 J/(kg K), |dcp/cp| <= 1 %.
void expectConsistent(double t, double p, double vA, double hA, double sA, double cpA,
                      double rhoB) {
  EXPECT_NEAR(vA * rhoB, 1.0, 5e-4) << t << " K, " << p << " bar";
  EXPECT_NEAR(hA, enthalpyReg3(t, rhoB), 0.2) << t << " K, " << p << " bar";
  EXPECT_NEAR(sA, entropyReg3(t, rhoB), 0.2e-3) << t << " K, " << p << " bar";
  EXPECT_NEAR(cpA / cpReg3(t, rhoB), 1.0, 0.01) << t << " K, " << p << " bar";
}

// Regions 1 and 3 at 623.15 K; regions 2 and 3 along their boundary, from just above the corner
// with the saturation line at 623.15 K to 863.15 K.
TEST(Identities, RegionsAgreeOnTheirCommonBoundaries) {
  const double t = 623.15;
  for (double p = pSatW(t); p <= 1000.0; p += 25.0) {
    expectConsistent(t, p, volumeReg1(t, p), enthalpyReg1(t, p), entropyReg1(t, p), cpReg1(t, p),
                     densReg3(t, p));
  }
  for (double t2 = 623.2; t2 <= 863.15; t2 += 5.0) {
    const double p = pBound23(t2);
    expectConsistent(t2, p, volumeReg2(t2, p), enthalpyReg2(t2, p), entropyReg2(t2, p),
                     cpReg2(t2, p), densReg3(t2, p));
  }
}

}  // namespace
}  // namespace corvasine::steam
