#include "steam_turbine/steam_units.h"

#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::steam_turbine {

using runtime::checked;
using runtime::RoundHalfEven;

namespace {

// Each flow unit in lb/h; the order of the operations is part of the figures
// (lb/h scales by exactly 1).
struct FlowUnit {
  const char* name;
  double lbPerHour;  // lb/h of one unit; 0 for the base unit, which is taken as it stands
};
constexpr std::array<FlowUnit, 6> kFlowUnits{{{"kpph", 0.0},
                                              {"lb/h", 1.0},
                                              {"lb/s", kSecondsPerHour},
                                              {"kg/h", kLbPerKg},
                                              {"kg/s", kLbPerHourPerKgPerSecond},
                                              {"tons/h", kLbPerTon}}};

}  // namespace

std::vector<std::string> flowUnitItems() {
  std::vector<std::string> items;
  for (const FlowUnit& unit : kFlowUnits) items.emplace_back(unit.name);
  return items;
}

std::vector<std::string> entropyUnitItems() { return {"Btu/lb.F", "KJ/kg.K", "Kcal/kg.C"}; }

std::vector<std::string> enthalpyUnitItems() { return {"Btu/lb", "KJ/kg", "Kcal/kg"}; }

bool isFlowUnit(int unit) { return unit >= 0 && unit < static_cast<int>(kFlowUnits.size()); }

double flowToKpph(double v, int unit) {
  if (!isFlowUnit(unit)) throw runtime::RuntimeError("no such flow unit");
  if (unit == 0) return v;
  const double lbPerHour = kFlowUnits[static_cast<std::size_t>(unit)].lbPerHour;
  return checked(v / kLbPerHourPerKpph * lbPerHour);
}

double kpphToFlow(double kpph, int unit) {
  if (!isFlowUnit(unit)) throw runtime::RuntimeError("no such flow unit");
  if (unit == 0) return kpph;
  const double lbPerHour = kFlowUnits[static_cast<std::size_t>(unit)].lbPerHour;
  return checked(kpph * kLbPerHourPerKpph / lbPerHour);
}

double entropyShown(double s, int unit) {
  if (unit == 1) return RoundHalfEven(checked(s * kKJPerKgKPerBtuPerLbF), kEntropyDecimals);
  return s;  // 1 Btu/(lb °F) is 1 kcal/(kg °C)
}

double enthalpyShown(double h, int unit) {
  if (unit == 0) return h;
  if (unit == 1) return RoundHalfEven(checked(h * kKJPerKgPerBtuPerLb), kEnthalpyDecimals);
  return RoundHalfEven(checked(h * kKcalPerKgPerBtuPerLb), kEnthalpyDecimals);
}

double enthalpyFromShown(double shown, int unit) {
  if (unit == 0) return shown;
  if (unit == 1) return checked(shown / kKJPerKgPerBtuPerLb);
  return checked(shown / kKcalPerKgPerBtuPerLb);
}

}  // namespace corvasine::steam_turbine
