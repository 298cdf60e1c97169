#include "steam_turbine/steam_units.h"

#include "runtime/runtime_error.h"

namespace corvasine::steam_turbine {

double flowToKpph(double v, int unit) {
  if (!isFlowUnit(unit)) throw runtime::RuntimeError("no such flow unit");
  return shell::kMassFlowUnits.toBase(v, unit);
}

double kpphToFlow(double kpph, int unit) {
  if (!isFlowUnit(unit)) throw runtime::RuntimeError("no such flow unit");
  return shell::kMassFlowUnits.fromBase(kpph, unit);
}

}  // namespace corvasine::steam_turbine
