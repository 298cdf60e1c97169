#include "gas_turbine/gas_kernels.h"

#include <cmath>

#include "runtime/runtime_error.h"
#include "shell/unit_factors.h"

namespace corvasine::gas {
namespace {

using runtime::checked;
using runtime::checkedDiv;
using runtime::checkedExp;
using runtime::checkedLog;

// Integration step of cpIntegral, K.
constexpr double kCpStepK = 0.1;
// Freezing point of water, °R: the saturation pressure over ice includes it.
// The humidity takes °F to °R with 459.67, not the compression's round 460.
using shell::kRankineAtZeroFahrenheit;
constexpr double kIcePointRankine = kRankineAtZeroFahrenheit + shell::kFahrenheitAtZeroCelsius;

double fahrenheitToKelvin(double t) {
  return checked((t - shell::kFahrenheitAtZeroCelsius) / shell::kFahrenheitPerCelsius +
                 shell::kKelvinAtZeroCelsius);
}

// Powers are raised as whole exponents, as the correlations are written.
double power(double x, int n) { return std::pow(x, static_cast<double>(n)); }

double lnSatPressureOverIce(double tr) {
  return -10214.165 / tr - 4.8932428 - 0.0053765794 * tr + 1.9202377e-7 * power(tr, 2) +
         3.5575832e-10 * power(tr, 3) - 9.0344688e-14 * power(tr, 4) + 4.1635019 * checkedLog(tr);
}

double lnSatPressureOverWater(double tr) {
  return -10440.397 / tr - 11.29465 - 0.027022355 * tr + 1.289036e-5 * power(tr, 2) -
         2.4780681e-9 * power(tr, 3) + 6.5459673 * checkedLog(tr);
}

// The enthalpies of the four dry-air components weighted by the air shares,
// Btu/lbmol of dry air.
double dryAirEnthalpy(const GasMixture& mix, double hN2, double hO2, double hAr, double hCO2) {
  return (mix.airN2 * hN2 + mix.airO2 * hO2 + mix.airAr * hAr + mix.airCO2 * hCO2) / 100.0;
}

}  // namespace

double SinH(double x) {
  const double e = checkedExp(x);
  return checked((e - checkedDiv(1.0, e)) / 2.0);
}

double CosH(double x) {
  const double e = checkedExp(x);
  return checked((e + checkedDiv(1.0, e)) / 2.0);
}

double interp(double h) {
  return checked(-9.06640328491781e-29 * power(h, 6) + 1.16568636696007e-23 * power(h, 5) -
                 2.63483248782848e-19 * power(h, 4) - 5.22566144078183e-14 * power(h, 3) +
                 7.81205590996818e-9 * power(h, 2) - 0.000531684897035687 * power(h, 1) +
                 14.6965450413525);
}

double SatPressure(double T) {
  const double tr = checked(T + kRankineAtZeroFahrenheit);
  if (tr == 0.0) throw runtime::RuntimeError("division by zero");
  const double lnP =
      checked(tr <= kIcePointRankine ? lnSatPressureOverIce(tr) : lnSatPressureOverWater(tr));
  return checkedExp(lnP);
}

double HumidRatio(double T, double P, double RH) {
  const double pw = checked(SatPressure(T) * RH);
  return checkedDiv(checked(0.62198 * pw), checked(P - pw));
}

double componentCp(ComponentIndex i, double tempK) {
  if (i >= kComponentSlots) throw runtime::RuntimeError("no such component");
  const CpCoefficients& k = cpCoef[i];
  const double c = checkedDiv(k.C, tempK);
  const double sinhTerm = checkedDiv(c, SinH(c));
  const double e = checkedDiv(k.E, tempK);
  const double coshTerm = checkedDiv(e, CosH(e));
  return checked(k.A + k.B * (sinhTerm * sinhTerm) + k.D * (coshTerm * coshTerm));
}

double cpIntegral(ComponentIndex i, double T1, double T2) {
  const double a = fahrenheitToKelvin(T1);
  const double b = fahrenheitToKelvin(T2);
  if (std::fabs(b - a) > kMaxCpIntegralSteps * kCpStepK) {
    throw runtime::RuntimeError("temperature span too wide");
  }
  double s = 0.0;
  double t = a;
  long steps = 0;
  auto countStep = [&steps] {
    if (++steps > kMaxCpIntegralSteps) throw runtime::RuntimeError("temperature span too wide");
  };
  if (a > b) {
    do {
      countStep();
      s = s - kCpStepK * componentCp(i, t);
      t = t - kCpStepK;
    } while (!(t <= b));
  } else if (a < b) {
    do {
      countStep();
      s = s + kCpStepK * componentCp(i, t);
      t = t + kCpStepK;
    } while (!(t >= b));
  }
  return checked(s * kBtuPerLbmolPerJPerKmol);
}

double in_heat(const GasMixture& mix, double airTemp, double fuelTemp, double dryAirFlow,
               double humidWater, double fuelFlow) {
  const double hO2 = cpIntegral(kO2, airTemp, referenceTemp);
  const double hN2 = cpIntegral(kN2, airTemp, referenceTemp);
  const double hCO2 = cpIntegral(kCO2, airTemp, referenceTemp);
  const double hH2O = cpIntegral(kH2O, airTemp, referenceTemp);
  const double hAr = checked((referenceTemp - airTemp) * argonCp);
  const double airPart =
      checked(dryAirEnthalpy(mix, hN2, hO2, hAr, hCO2) * dryAirFlow / kKscfhPerLbmolH);
  const double humidityPart = checked(hH2O * humidWater / kKscfhPerLbmolH);

  double fuelEnthalpy = 0.0;  // Btu/lbmol of fuel
  for (std::size_t i = kFirstFuelComponent; i <= kLastFuelComponent; ++i) {
    const double fi = cpIntegral(static_cast<ComponentIndex>(i), fuelTemp, referenceTemp);
    fuelEnthalpy = checked(fuelEnthalpy + mix.fuelComp[i] * fi / 100.0);
  }
  const double fuelPart = checked(fuelEnthalpy * fuelFlow / kKscfhPerLbmolH);
  return checked((airPart + humidityPart) + fuelPart);
}

double ex_heat(double exhaustTemp, double n2Air, double n2Fuel, double argonFlow,
               double co2Combustion, double co2Air, double waterTotal, double o2Excess,
               double so2Flow) {
  const double hCO2 = cpIntegral(kCO2, referenceTemp, exhaustTemp);
  const double hN2 = cpIntegral(kN2, referenceTemp, exhaustTemp);
  const double hH2O = cpIntegral(kH2O, referenceTemp, exhaustTemp);
  const double hO2 = cpIntegral(kO2, referenceTemp, exhaustTemp);
  const double hSO2 = cpIntegral(kSO2, referenceTemp, exhaustTemp);
  const double hAr = checked((exhaustTemp - referenceTemp) * argonCp);
  return checked(((n2Air + n2Fuel) * hN2 + hAr * argonFlow + (co2Combustion + co2Air) * hCO2 +
                  hH2O * waterTotal + hO2 * o2Excess + hSO2 * so2Flow) /
                 kKscfhPerLbmolH);
}

double heat_comb(const GasMixture& mix, double fuelFlow) {
  double lhv = 0.0;  // Btu/scf of fuel
  for (std::size_t i = kFirstFuelComponent; i <= kLastFuelComponent; ++i) {
    lhv = checked(lhv + compLHV[i] * mix.fuelComp[i] / 100.0);
  }
  return checked(lhv * fuelFlow * -1000.0);
}

double compres(const GasMixture& mix, double airTemp, double dischargeTemp, double dryAirFlow,
               double humidWater) {
  const double hO2 = cpIntegral(kO2, airTemp, dischargeTemp);
  const double hN2 = cpIntegral(kN2, airTemp, dischargeTemp);
  const double hCO2 = cpIntegral(kCO2, airTemp, dischargeTemp);
  const double hH2O = cpIntegral(kH2O, airTemp, dischargeTemp);
  const double hAr = checked((dischargeTemp - airTemp) * argonCp);
  return checked(dryAirEnthalpy(mix, hN2, hO2, hAr, hCO2) * dryAirFlow / kKscfhPerLbmolH +
                 hH2O * humidWater / kKscfhPerLbmolH);
}

}  // namespace corvasine::gas
