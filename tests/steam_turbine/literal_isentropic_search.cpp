#include "steam_turbine/literal_isentropic_search.h"

#include "runtime/runtime_error.h"
#include "steam_properties/water_steam.h"

namespace corvasine::steam_turbine::testing {

using runtime::checked;

std::optional<double> LiteralIsentropicSearch::isen_cond(double s, double p) {
  double pa = runtime::checkedDiv(p, 14.5);
  double x = 1.0;
  double t = steam::tSatW(pa);
  double sc = checked(steam::entropySatVapPW(pa) * 0.238846);
  const double sg = sc;
  if (s > sg) {
    while (sc < s) {
      t = checked(t * 1.0001);
      if (t < 273.15 || t > 1073.15) return std::nullopt;
      sc = checked(steam::entropyW(t, pa) * 0.238846);
    }
    return t;
  }
  if (s < sg) {
    while (sc > s) {
      x = checked(x - 0.0001);
      if (x < 0.0) return 0.0;
      const double sf = checked(steam::entropySatLiqPW(pa) * 0.238846);
      const double sv = checked(steam::entropySatVapPW(pa) * 0.238846);
      sc = checked(checked(checked(1.0 - x) * sf) + checked(sv * x));
    }
    return x;
  }
  return 1.0;
}

}  // namespace corvasine::steam_turbine::testing
