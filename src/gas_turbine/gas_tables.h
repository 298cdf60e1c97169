#pragma once

// Physical data of the gas turbine calculator. Every component table is
// indexed by ComponentIndex, 0 to 20; rows without data are zero.

#include <array>
#include <cstddef>

#include "shell/unit_factors.h"

namespace corvasine::gas {

// The index shared by all component tables. The fuel composition uses 1 to 16.
enum ComponentIndex : std::size_t {
  kMethane = 1,
  kEthane = 2,
  kEthene = 3,
  kPropane = 4,
  kPropene = 5,
  kIButane = 6,
  kNButane = 7,
  kIButene = 8,
  kNButene = 9,
  kIPentane = 10,
  kNPentane = 11,
  kNHexane = 12,
  kCO2 = 13,
  kN2 = 14,
  kH2S = 15,
  kH2O = 16,
  kO2 = 17,
  kArgon = 18,
  kSO2 = 19,
};

inline constexpr std::size_t kComponentSlots = 21;  // indexes 0 to 20
inline constexpr std::size_t kFirstFuelComponent = kMethane;
inline constexpr std::size_t kLastFuelComponent = kH2O;

// Ideal-gas heat capacity Cp(T) = A + B((C/T)/sinh(C/T))^2 + D((E/T)/cosh(E/T))^2
// (DIPPR equation 107): A, B, D in J/(kmol K), C, E in K.
struct CpCoefficients {
  double A = 0.0;
  double B = 0.0;
  double C = 0.0;
  double D = 0.0;
  double E = 0.0;
};

// Argon has no row: its heat capacity is the constant argonCp. The E of
// i-butane is negative; it enters only squared.
inline constexpr std::array<CpCoefficients, kComponentSlots> cpCoef = {{
    {},
    {33300.0, 79930.0, 2086.9, 41600.0, 991.96},     // 1 methane
    {40330.0, 134220.0, 2086.9, 41600.0, 752.87},    // 2 ethane
    {33380.0, 94790.0, 1596.0, 55100.0, 740.8},      // 3 ethene
    {51920.0, 192450.0, 1655.5, 73220.0, 723.6},     // 4 propane
    {43390.0, 152000.0, 1425.0, 78600.0, 623.9},     // 5 propene
    {65490.0, 247760.0, 1587.0, 157500.0, -706.99},  // 6 i-butane
    {71320.0, 243000.0, 1626.5, 116800.0, 730.42},   // 7 n-butane
    {57650.0, 211500.0, 1629.9, 128720.0, 739.1},    // 8 i-butene
    {59980.0, 208460.0, 1588.4, 129400.0, 707.3},    // 9 n-butene
    {74600.0, 326500.0, 1545.0, 192300.0, 666.7},    // 10 i-pentane
    {88050.0, 301100.0, 1630.0, 150330.0, 747.6},    // 11 n-pentane
    {104400.0, 352300.0, 1650.2, 189200.0, 761.6},   // 12 n-hexane
    {29370.0, 34540.0, 1428.0, 26400.0, 588.0},      // 13 CO2
    {29110.0, 8610.0, 1706.1, 100.0, 909.79},        // 14 N2
    {33290.0, 26090.0, 913.4, -17980.0, 949.4},      // 15 H2S
    {33360.0, 26970.0, 2610.5, 8900.0, 1169.0},      // 16 H2O
    {29100.0, 10040.0, 2526.5, 9360.0, 1153.8},      // 17 O2
    {},                                              // 18 argon
    {33380.0, 25860.0, 932.8, 10880.0, 423.7},       // 19 SO2
    {},
}};

// Lower heating value of each fuel component, Btu/scf, for the heat balance.
// These are not the heating values the fuel composition dialog displays.
inline constexpr std::array<double, kComponentSlots> compLHV = {
    0.0,         909.355,     1618.310233, 1499.427288, 2316.676731, 2183.429046, 3005.32324,
    3012.970084, 2859.576646, 2881.716244, 3699.452819, 3708.436446, 4405.148959, 0.0,
    0.0,         587.6875362, 0.0,         0.0,         0.0,         0.0,         0.0,
};

// Moles of O2 burnt and of CO2 and H2O formed per mole of a fuel component.
// The fuel's N2 passes unchanged; each mole of H2S also forms one mole of SO2.
struct Stoichiometry {
  double o2Demand = 0.0;
  double co2 = 0.0;
  double h2o = 0.0;
};

inline constexpr std::array<Stoichiometry, kComponentSlots> stoichiometry = {{
    {},
    {2.0, 1.0, 2.0},  // 1 methane
    {3.5, 2.0, 3.0},  // 2 ethane
    {3.0, 2.0, 2.0},  // 3 ethene
    {5.0, 3.0, 4.0},  // 4 propane
    {4.5, 3.0, 3.0},  // 5 propene
    {6.5, 4.0, 5.0},  // 6 i-butane
    {6.5, 4.0, 5.0},  // 7 n-butane
    {6.0, 4.0, 4.0},  // 8 i-butene
    {6.0, 4.0, 4.0},  // 9 n-butene
    {8.0, 5.0, 6.0},  // 10 i-pentane
    {8.0, 5.0, 6.0},  // 11 n-pentane
    {9.5, 6.0, 7.0},  // 12 n-hexane
    {0.0, 1.0, 0.0},  // 13 CO2
    {0.0, 0.0, 0.0},  // 14 N2
    {1.5, 0.0, 1.0},  // 15 H2S
    {0.0, 0.0, 1.0},  // 16 H2O
}};

// Molar masses of the exhaust components, lb/lbmol.
inline constexpr double kArgonMolarMass = 39.9;
inline constexpr double kN2MolarMass = 28.016;
inline constexpr double kCO2MolarMass = 44.01;
inline constexpr double kH2OMolarMass = 18.016;
inline constexpr double kO2MolarMass = 32.0;
inline constexpr double kSO2MolarMass = 64.07;

// Reference temperature of every enthalpy of the heat balance, °F.
inline constexpr double referenceTemp = 77.0;
// Molar heat capacity of argon, Btu/(lbmol °F), used in place of an integral.
inline constexpr double argonCp = 4.968932661;
// Standard molar volume of the gas flow unit: KSCFH / kKscfhPerLbmolH = lbmol/h.
inline constexpr double kKscfhPerLbmolH = shell::kKscfPerLbMole;
// J/kmol to Btu/lbmol.
inline constexpr double kBtuPerLbmolPerJPerKmol = 0.0004299;

// Dry-air composition that the gas window sets on load, mole %; adds up to 100.
inline constexpr double kDryAirO2 = 20.95;
inline constexpr double kDryAirN2 = 78.09;
inline constexpr double kDryAirAr = 0.93;
inline constexpr double kDryAirCO2 = 0.03;

}  // namespace corvasine::gas
