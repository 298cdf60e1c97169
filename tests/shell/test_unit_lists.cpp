// Each entry to the base unit and back (two points where an offset comes in),
// against hand-worked figures; a position past the list takes the last entry.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "runtime/runtime_error.h"
#include "shell/unit_lists.h"

namespace corvasine::shell {
namespace {

struct Figures {
  const char* quantity;
  const UnitList& units;
  bool toBase;  // false: from the base unit
  double x;
  std::vector<double> byPosition;
};

TEST(UnitCatalogue, ConvertsByHandWorkedFigures) {
  const Figures table[] = {
      {"temperature", kTemperatureUnits, true, 30, {30, 86}},
      {"temperature", kTemperatureUnits, true, -40, {-40, -40}},
      {"temperature", kTemperatureUnits, false, 212, {212, 100}},
      {"temperature", kTemperatureUnits, false, -40, {-40, -40}},
      {"pressure", kPressureUnits, true, 2, {2, 29.3918, 29.0076, 28.4466}},
      {"pressure", kPressureUnits, false, 29.0076, {29.0076, 1.97386, 2, 2.03946}},
      {"low pressure", kLowPressureUnits, true, 100, {100, 3.93701, 1359.51, 53.5239, 2767.99}},
      {"height", kHeightUnits, true, 2, {2, 6.56168, 6561.68, 10560}},
      {"water content", kWaterContentUnits, true, 0.0125, {0.0125, 0.0125, 0.0125}},
      // Four decimals, except a flow typed in kscfh.
      {"molar flow", kMolarFlowUnits, true, 1, {1, 41.6667, 0.3795, 0.8366}},
      {"molar flow", kMolarFlowUnits, true, 1.23456, {1.23456, 51.44, 0.4685, 1.0329}},
      {"heating value", kHeatingValueUnits, false, 1000, {1000, 1000, 2326, 555.556}},
      {"mass flow", kMassFlowUnits, true, 1000, {1000, 1, 3600, 2.20462, 7936.64, 2240}},
      {"mass flow", kMassFlowUnits, false, 7.93664, {7.93664, 7936.64, 2.20462, 3600, 1, 3.5431}},
      // Four decimals in kJ; 1 Btu/(lb °F) is 1 kcal/(kg °C).
      {"entropy", kEntropyUnits, false, 1.23456, {1.23456, 5.1689, 1.23456}},
      // Two decimals from Btu/lb, none back.
      {"enthalpy", kEnthalpyUnits, false, 1000, {1000, 2326, 555.56}},
      {"enthalpy", kEnthalpyUnits, true, 2326, {2326, 1000, 4186.797}},
  };
  for (const Figures& c : table) {
    SCOPED_TRACE(c.quantity);
    ASSERT_EQ(c.units.size(), c.byPosition.size());
    const auto convert = [&c](int p) {
      return c.toBase ? c.units.toBase(c.x, p) : c.units.fromBase(c.x, p);
    };
    const int last = static_cast<int>(c.byPosition.size()) - 1;
    for (int p = 0; p <= last; ++p)
      EXPECT_NEAR(convert(p), c.byPosition[p], 5e-5 * std::fabs(c.byPosition[p])) << p;
    EXPECT_EQ(convert(last + 1), convert(last));
    EXPECT_EQ(convert(-1), convert(last));  // no entry picked
  }
}

TEST(UnitCatalogue, OverflowIsARunTimeError) {
  EXPECT_THROW(kHeightUnits.toBase(1e308, 3), runtime::RuntimeError);
  EXPECT_THROW(kPressureUnits.toBase(-1e308, 1), runtime::RuntimeError);
  EXPECT_THROW(kMolarFlowUnits.toBase(1e308, 3), runtime::RuntimeError);
  EXPECT_THROW(kMassFlowUnits.fromBase(1e306, 1), runtime::RuntimeError);
}

}  // namespace
}  // namespace corvasine::shell
