#pragma once

// Numeric kernels of the gas turbine calculator: pure functions of their
// arguments. Temperatures are in °F unless a name says K, flows in KSCFH,
// heats in Btu/h. Every arithmetic fault (division by zero, overflow, the
// logarithm of a non-positive number) raises runtime::RuntimeError at the step
// where it happens, for the caller's error exit to catch.

#include <array>

#include "gas_turbine/gas_tables.h"

namespace corvasine::gas {

// The fuel and dry-air compositions the heat balance works on. The window
// fills it from the shared state (fuelComp, airO2, airN2, airAr, airCO2).
struct GasMixture {
  // Fuel, mole % on a wet basis, by ComponentIndex; the kernels read 1 to 16.
  std::array<double, kComponentSlots> fuelComp{};
  // Dry air, mole %.
  double airO2 = kDryAirO2;
  double airN2 = kDryAirN2;
  double airAr = kDryAirAr;
  double airCO2 = kDryAirCO2;
};

// (e - 1/e)/2 and (e + 1/e)/2 with e = exp(x).
double SinH(double x);
double CosH(double x);

// Barometric pressure, psia, at the site altitude h, ft (meant below 16400 ft).
double interp(double h);

// Saturation pressure of water, psia, at T °F: the ASHRAE correlation over ice
// up to and including 32 °F, over liquid water above. Valid from -148 to 392 °F.
double SatPressure(double T);

// Humidity ratio of moist air, lb water per lb dry air, at T °F, air pressure
// P psia and relative humidity RH as a fraction. Raises when the water vapour
// pressure equals P.
double HumidRatio(double T, double P, double RH);

// Molar heat capacity of component i at tempK, J/(kmol K), from its cpCoef row.
// Raises for a component without a row (C or E zero gives 0/0).
double componentCp(ComponentIndex i, double tempK);

// Change of the molar enthalpy of component i from T1 to T2 (°F), Btu/lbmol;
// negative when T2 < T1. A rectangle sum in 0.1 K steps, Cp taken where each
// step starts, the last step a full one. Raises beyond kMaxCpIntegralSteps.
double cpIntegral(ComponentIndex i, double T1, double T2);

// At most a span of 20000 K, far beyond the range of the heat-capacity data: a
// wider integral, or one at temperatures where 0.1 K no longer moves the
// running value, would otherwise keep the window busy for minutes or forever.
inline constexpr long kMaxCpIntegralSteps = 200'000;

// Heat of the inlet streams (dry air, its humidity, fuel) cooled to
// referenceTemp, Btu/h; negative when they enter warmer than referenceTemp.
double in_heat(const GasMixture& mix, double airTemp, double fuelTemp, double dryAirFlow,
               double humidWater, double fuelFlow);

// Heat of the exhaust products heated from referenceTemp to exhaustTemp, Btu/h.
double ex_heat(double exhaustTemp, double n2Air, double n2Fuel, double argonFlow,
               double co2Combustion, double co2Air, double waterTotal, double o2Excess,
               double so2Flow);

// Heat released by burning fuelFlow of the fuel, Btu/h, negative (from compLHV).
double heat_comb(const GasMixture& mix, double fuelFlow);

// Enthalpy rise of the humid air through the compressor, Btu/h.
double compres(const GasMixture& mix, double airTemp, double dischargeTemp, double dryAirFlow,
               double humidWater);

}  // namespace corvasine::gas
