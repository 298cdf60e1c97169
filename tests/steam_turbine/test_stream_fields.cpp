// The stream-field handlers: worked examples checked against the property
// library called with the arguments the calculator must pass.

#include <gtest/gtest.h>

#include "runtime/number.h"
#include "steam_properties/water_steam.h"
#include "steam_turbine/steam_window_support.h"

namespace corvasine::steam_turbine {
namespace {

using runtime::NumberText;
using runtime::RoundHalfEven;

// Saturation temperature in °F at p bar, rounded as the window shows it.
double satF(double bar) { return RoundHalfEven((steam::tSatW(bar) - 273.15) * 1.8 + 32, 2); }

using StreamFieldsTest = SteamWindowTest;

TEST_F(StreamFieldsTest, SuperheatedInletAtTenBarShowsTheLibraryState) {
  frmstm& f = window();
  f.Text1.setText("500");
  f.Text2.setText("145");  // exactly 10 bar for the library
  const double sat = satF(10.0);
  const double s = RoundHalfEven(steam::entropyW(533.15, 10.0) * 0.238846, 4);
  const double h = RoundHalfEven(steam::enthalpyW(533.15, 10.0) * 0.429923, 2);
  EXPECT_EQ(f.Text4.text(), NumberText(sat));
  EXPECT_EQ(f.Text5.text(), NumberText(500 - sat));
  EXPECT_EQ(f.Text6.text(), NumberText(s));
  EXPECT_EQ(f.Text7.text(), NumberText(h));
  EXPECT_EQ(f.streamState().streamEntropy[kInlet], s);
  EXPECT_EQ(f.streamState().streamEnthalpy[kInlet], h);

  // Other entropy and enthalpy units show the rounded Btu values converted.
  f.Combo5.setListIndex(1);
  EXPECT_EQ(f.Text6.text(), NumberText(RoundHalfEven(s * 4.1868, 4)));
  f.Combo5.setListIndex(2);
  EXPECT_EQ(f.Text6.text(), NumberText(s));
  f.Combo6.setListIndex(1);
  EXPECT_EQ(f.Text7.text(), NumberText(RoundHalfEven(h * 2.326, 2)));
  f.Combo6.setListIndex(2);
  EXPECT_EQ(f.Text7.text(), NumberText(RoundHalfEven(h * 0.555556, 2)));
}

TEST_F(StreamFieldsTest, TemperatureBeforePressureIsCompletedByThePressure) {
  frmstm& f = window();
  f.Text1.setText("700");
  EXPECT_EQ(f.streamState().streamTemp[kInlet], 700);
  EXPECT_EQ(f.Text5.text(), "");  // stopped at the empty saturation box
  f.Text2.setText("600");
  EXPECT_EQ(f.Text4.text(), NumberText(satF(600 / 14.5)));
  EXPECT_NE(f.Text6.text(), "0");
}

TEST_F(StreamFieldsTest, UnitsAreReadInTheListsUnit) {
  frmstm& f = window();
  f.Combo3.setListIndex(2);  // bar
  f.Text2.setText("10");
  EXPECT_EQ(f.streamState().streamPress[kInlet], 145.038);
  EXPECT_EQ(f.Text4.text(), NumberText(satF(145.038 / 14.5)));

  f.Combo2.setListIndex(1);  // °C
  EXPECT_EQ(f.Label8.caption(), "°C");
  EXPECT_EQ(f.Label9.caption(), "°C");
  EXPECT_EQ(f.Label10.caption(), "°F");
  EXPECT_EQ(f.Label22.caption(), "°F");
  f.Text1.setText("250");
  EXPECT_EQ(f.streamState().streamTemp[kInlet], 482);
  const double satC = RoundHalfEven(steam::tSatW(145.038 / 14.5) - 273.15, 2);
  EXPECT_EQ(f.Text4.text(), NumberText(satC));
  EXPECT_EQ(f.Text5.text(), NumberText(250 - satC));

  // Switching back reads the same number in the new unit.
  f.Combo2.setListIndex(0);
  EXPECT_EQ(f.streamState().streamTemp[kInlet], 250);
}

TEST_F(StreamFieldsTest, WetOrSubcooledSteamShowsZeroes) {
  frmstm& f = window();
  f.Text2.setText("145");
  f.Text1.setText("300");  // below saturation at 10 bar
  EXPECT_EQ(f.Text5.text(), "0");
  EXPECT_EQ(f.Text6.text(), "0");
  EXPECT_EQ(f.Text7.text(), "0");
  f.Combo6.setListIndex(1);
  EXPECT_EQ(f.Text7.text(), "0");
}

TEST_F(StreamFieldsTest, PressuresOutsideTheLibraryRangeGoThroughTheFormulas) {
  frmstm& f = window();
  f.Text1.setText("1000");
  f.Text2.setText(NumberText(221 * 14.5));  // above the critical pressure
  EXPECT_EQ(f.Text4.text(), "-461.47");
  EXPECT_EQ(f.Text5.text(), NumberText(1000 + 461.47));

  f.Text2.setText("0");
  EXPECT_EQ(f.Text4.text(), "0");
  EXPECT_EQ(f.Text5.text(), "1000");
  EXPECT_EQ(f.Text6.text(), NumberText(RoundHalfEven(-0.238846, 4)));
  EXPECT_EQ(f.Text7.text(), NumberText(RoundHalfEven(-0.429923, 2)));
  EXPECT_EQ(f.Text6.backColor(), 0xFF8080u);  // marked negative

  f.Combo2.setListIndex(1);
  f.Text2.setText("-5");  // the pressure handler shows 0 °F in °C
  EXPECT_EQ(f.streamState().satTemp[kInlet], 0);
}

TEST_F(StreamFieldsTest, CondensingExhaustIsTheMeanOfTheSaturatedStates) {
  frmstm& f = window();
  f.Combo1.setListIndex(1);
  f.Text23.setText("14.5");  // exactly 1 bar
  f.Text22.setText("90");
  double p = 1.0;
  const double sv = steam::entropySatVapPW(p);
  const double sl = steam::entropySatLiqPW(p);
  const double hv = steam::enthalpySatVapPW(p);
  const double hl = steam::enthalpySatLiqPW(p);
  EXPECT_EQ(f.Text25.text(), NumberText(satF(1.0)));
  EXPECT_EQ(f.Text26.text(), "0");
  EXPECT_EQ(f.Text27.text(), NumberText(RoundHalfEven((90 * sv + 10 * sl) / 100 * 0.238846, 4)));
  EXPECT_EQ(f.Text28.text(), NumberText(RoundHalfEven((90 * hv + 10 * hl) / 100 * 0.429923, 2)));

  for (const char* outside : {"0", "100", "-5", "120"}) {
    f.Text22.setText(outside);
    EXPECT_EQ(f.Text27.text(), "0") << outside;
    EXPECT_EQ(f.Text28.text(), "0") << outside;
  }
}

// The saturated values follow the pressure as stored, whatever unit shows it.
TEST_F(StreamFieldsTest, CondensingExhaustPressureIsConverted) {
  frmstm& f = window();
  f.Combo1.setListIndex(1);
  f.Combo20.setListIndex(2);  // bar
  f.Text23.setText("0.1");
  f.Text22.setText("50");
  double p = 0.1 * 14.5038 / 14.5;
  const double sv = steam::entropySatVapPW(p);
  p = 0.1 * 14.5038 / 14.5;
  const double sl = steam::entropySatLiqPW(p);
  EXPECT_EQ(f.Text27.text(), NumberText(RoundHalfEven((50 * sv + 50 * sl) / 100 * 0.238846, 4)));
  EXPECT_EQ(f.Text25.text(), NumberText(satF(0.1 * 14.5038 / 14.5)));
}

TEST_F(StreamFieldsTest, SwitchingTheTypeEmptiesTheExhaustTemperature) {
  frmstm& f = window();
  f.Text23.setText("150");
  f.Text22.setText("400");
  f.Combo1.setListIndex(1);
  EXPECT_EQ(f.Text22.text(), "");
  EXPECT_EQ(f.Label43.caption(), "Vapor fraction:");
  EXPECT_EQ(f.Label50.caption(), "%");
  EXPECT_FALSE(f.Combo21.visible());
  EXPECT_EQ(f.Text26.text(), "0");
  f.Combo1.setListIndex(0);
  EXPECT_EQ(f.Label43.caption(), "Temperature:");
  EXPECT_EQ(f.Label50.caption(), "°F");
  EXPECT_TRUE(f.Combo21.visible());
}

// The exhaust flow box keeps the balance of the flows typed, in the unit
// of its own list; lb/h per unit of each flow list by position.
TEST_F(StreamFieldsTest, FlowBalanceHonoursEveryUnit) {
  const double lbPerHour[] = {1000, 1, 3600, 2.20462, 7936.64, 2240};
  for (int unit = 0; unit < 6; ++unit) {
    frmstm& f = window();
    f.Combo4.setListIndex(unit);
    f.Text3.setText("100");
    const double kpph = unit == 0 ? 100 : 100 / 1000.0 * lbPerHour[unit];
    EXPECT_EQ(f.streamState().streamFlow[kInlet], kpph) << unit;
    EXPECT_EQ(f.Text24.text(), NumberText(kpph)) << unit;
    f.Combo19.setListIndex(unit);
    f.Text3.setText("100");
    EXPECT_EQ(f.Text24.text(), NumberText(unit == 0 ? 100 : kpph * 1000 / lbPerHour[unit])) << unit;
    f.Combo4.setListIndex(0);
    f.Combo19.setListIndex(0);
  }
}

TEST_F(StreamFieldsTest, FlowBalanceOfInductionAndExtraction) {
  frmstm& f = window();
  f.Check1.setValue(1);
  f.Check2.setValue(1);
  f.Text3.setText("0100");
  EXPECT_EQ(f.Text24.text(), "100");
  f.Text10.setText("20");
  EXPECT_EQ(f.Text24.text(), "120");
  f.Text19.setText("150");
  EXPECT_EQ(f.Text24.text(), "-30");
  EXPECT_EQ(f.Text24.backColor(), 0xFF8080u);
  f.Text10.setText("");
  EXPECT_EQ(f.Text24.text(), "-50");
  f.Combo14.setListIndex(1);  // the extraction read in lb/h
  f.Text3.setText("100");
  EXPECT_EQ(f.Text24.text(), "99.85");
  EXPECT_EQ(f.Text24.backColor(), 0xFFFFFFu);
}

TEST_F(StreamFieldsTest, SignMarking) {
  frmstm& f = window();
  f.Text3.setText("-0");
  EXPECT_EQ(f.Text24.backColor(), 0xFFFFFFu);
  f.Text3.setText("-0.01");
  EXPECT_EQ(f.Text24.backColor(), 0xFF8080u);
  f.Text24.setText("");
  EXPECT_EQ(f.Text24.backColor(), 0xFF8080u);  // an emptied box keeps its colour
  f.Text24.setText("abc");
  EXPECT_EQ(f.Text24.backColor(), 0xFF8080u);
}

}  // namespace
}  // namespace corvasine::steam_turbine
