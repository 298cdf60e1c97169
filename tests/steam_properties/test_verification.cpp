// IAPWS-IF97 computer-program verification values: Tables 5, 15, 33, 35 and 36 and the check of
// equations 5 and 6 of the revised release, printed to nine significant digits. Pressures there
// are in MPa; the library works in bar (1 MPa = 10 bar).
#include <gtest/gtest.h>

#include <iterator>
#include <utility>

#include "steam_properties/test_support.h"

namespace corvasine::steam {
namespace {

using testing::above;
using testing::below;
using testing::roundsTo;

constexpr double kBarPerMpa = 10.0;

// Tables 5 (region 1) and 15 (region 2): at (T [K], p [MPa]), v, h, u, s and cp through the
// public functions.
TEST(SinglePhaseVerification, Tables5And15) {
  const struct {
    double t, pMpa, v, h, u, s, cp;
  } rows[] = {
      {300, 3, 0.100215168e-2, 0.115331273e3, 0.112324818e3, 0.392294792, 0.417301218e1},
      {300, 80, 0.971180894e-3, 0.184142828e3, 0.106448356e3, 0.368563852, 0.401008987e1},
      {500, 3, 0.120241800e-2, 0.975542239e3, 0.971934985e3, 0.258041912e1, 0.465580682e1},
      {300, 0.0035, 0.394913866e2, 0.254991145e4, 0.241169160e4, 0.852238967e1, 0.191300162e1},
      {700, 0.0035, 0.923015898e2, 0.333568375e4, 0.301262819e4, 0.101749996e2, 0.208141274e1},
      {700, 30, 0.542946619e-2, 0.263149474e4, 0.246861076e4, 0.517540298e1, 0.103505092e2}};
  for (const auto& c : rows) {
    const double p = c.pMpa * kBarPerMpa;
    SCOPED_TRACE(::testing::Message() << c.t << " K, " << c.pMpa << " MPa");
    EXPECT_TRUE(roundsTo(1.0 / densW(c.t, p), c.v));
    EXPECT_TRUE(roundsTo(enthalpyW(c.t, p), c.h));
    EXPECT_TRUE(roundsTo(energyW(c.t, p), c.u));
    EXPECT_TRUE(roundsTo(entropyW(c.t, p), c.s));
    EXPECT_TRUE(roundsTo(cpW(c.t, p), c.cp));
  }
}

// Table 33 (region 3): at (T [K], rho [kg/m3]), p, h, u, s and cp through the region functions.
// densReg3 finding the physical root of the pressure is checked on a lattice of its own.
TEST(Region3Verification, Table33) {
  const struct {
    double t, rho, pMpa, h, u, s, cp;
  } rows[] = {
      {650, 500, 0.255837018e2, 0.186343019e4, 0.181226279e4, 0.405427273e1, 0.138935717e2},
      {650, 200, 0.222930643e2, 0.237512401e4, 0.226365868e4, 0.485438792e1, 0.446579342e2},
      {750, 500, 0.783095639e2, 0.225868845e4, 0.210206932e4, 0.446971906e1, 0.634165359e1}};
  for (const auto& c : rows) {
    SCOPED_TRACE(::testing::Message() << c.t << " K, " << c.rho << " kg/m3");
    EXPECT_TRUE(roundsTo(literal::region3Pressure(c.t, c.rho) / kBarPerMpa, c.pMpa));
    EXPECT_TRUE(roundsTo(enthalpyReg3(c.t, c.rho), c.h));
    EXPECT_TRUE(roundsTo(energyReg3(c.t, c.rho), c.u));
    EXPECT_TRUE(roundsTo(entropyReg3(c.t, c.rho), c.s));
    EXPECT_TRUE(roundsTo(cpReg3(c.t, c.rho), c.cp));
  }
}

// Tables 35 (pSatW [MPa] at T [K]) and 36 (tSatW [K] at p [MPa]).
TEST(SaturationLineVerification, Tables35And36) {
  for (auto [t, p] :
       {std::pair{300.0, 0.353658941e-2}, {500.0, 0.263889776e1}, {600.0, 0.123443146e2}})
    EXPECT_TRUE(roundsTo(pSatW(t) / kBarPerMpa, p));
  for (auto [p, t] : {std::pair{0.1, 0.372755919e3}, {1.0, 0.453035632e3}, {10.0, 0.584149488e3}})
    EXPECT_TRUE(roundsTo(tSatW(p * kBarPerMpa), t));
}

// Equation 5 at 623.15 K; the printed pressure lies just below the range of equation 6 in the
// library (165.292 bar up), so the way back is checked along the boundary instead, up to its end
// at 863.15 K and 100 MPa.
TEST(Boundary23Verification, Equations5And6) {
  EXPECT_TRUE(roundsTo(pBound23(623.15) / kBarPerMpa, 0.165291643e2));
  EXPECT_NEAR(tBound23(1000.0), 863.15, 1e-6);
  for (double t = 623.2; t <= 863.15; t += 10.0) EXPECT_NEAR(tBound23(pBound23(t)), t, 1e-9);
}

// The bounds are inclusive. Each end of the saturation line and of the 2-3 boundary maps just
// outside the range of the inverse function, which then gives -1.
TEST(BoundaryFunctionRanges, InclusiveBoundsAndTheEndsOfTheInverses) {
  const double outside[] = {
      pSatW(273.149),          pSatW(647.0961),          tSatW(pSatW(273.15)),
      tSatW(pSatW(647.096)),   tSatW(below(0.00611213)), tSatW(above(220.64)),
      pBound23(below(623.15)), pBound23(above(863.15)),  tBound23(pBound23(623.15)),
      tBound23(above(1000.0))};
  for (std::size_t k = 0; k < std::size(outside); ++k) EXPECT_EQ(outside[k], -1.0) << "entry " << k;
  EXPECT_LT(pSatW(273.15), 0.00611213);
  EXPECT_GT(pSatW(647.096), 220.64);
  EXPECT_LT(pBound23(623.15), 165.292);
  EXPECT_NEAR(tSatW(0.00611213), 273.15, 1e-5);
  EXPECT_NEAR(tSatW(220.64), 647.096, 1e-8);
  EXPECT_NEAR(tBound23(165.292), 623.1505, 0.0005);
}

}  // namespace
}  // namespace corvasine::steam
