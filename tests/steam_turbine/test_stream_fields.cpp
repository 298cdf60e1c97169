// The stream-field handlers beyond the worked examples of the reference
// figures: typing order, unit labels, the turbine type, the flow balance in
// every unit and the sign marking.

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

TEST_F(StreamFieldsTest, TemperatureBeforePressureIsCompletedByThePressure) {
  frmstm& f = window();
  f.Text1.setText("700");
  EXPECT_EQ(f.streamState().streamTemp[kInlet], 700);
  EXPECT_EQ(f.Text5.text(), "");  // stopped at the empty saturation box
  f.Text2.setText("600");
  EXPECT_EQ(f.Text4.text(), NumberText(satF(600 / 14.5)));
  EXPECT_NE(f.Text6.text(), "0");
}

// Only the inlet's unit labels follow the inlet temperature list.
TEST_F(StreamFieldsTest, TheInletTemperatureListRelabelsOnlyTheInletUnits) {
  frmstm& f = window();
  f.Combo2.setListIndex(1);  // °C
  EXPECT_EQ(f.Label8.caption(), "°C");
  EXPECT_EQ(f.Label9.caption(), "°C");
  EXPECT_EQ(f.Label10.caption(), "°F");
  EXPECT_EQ(f.Label22.caption(), "°F");
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
    EXPECT_EQ(f.Text24.text(), NumberText(kpph)) << unit;
    f.Combo19.setListIndex(unit);
    f.Text3.setText("100");
    EXPECT_EQ(f.Text24.text(), NumberText(unit == 0 ? 100 : kpph * 1000 / lbPerHour[unit])) << unit;
    f.Combo4.setListIndex(0);
    f.Combo19.setListIndex(0);
  }
}

// Induction and extraction count only while their streams are on; without
// an inlet number the exhaust flow box shows nothing.
TEST_F(StreamFieldsTest, FlowBalanceOfInductionAndExtraction) {
  frmstm& f = window();
  f.Text3.setText("0100");
  EXPECT_EQ(f.Text24.text(), "100");
  f.Text10.setText("20");
  EXPECT_EQ(f.Text24.text(), "100");
  f.Check1.setValue(1);
  EXPECT_EQ(f.Text24.text(), "120");
  f.Check2.setValue(1);
  f.Text19.setText("150");
  EXPECT_EQ(f.Text24.text(), "-30");
  EXPECT_EQ(f.Text24.backColor(), 0xFF8080u);
  f.Check1.setValue(0);
  EXPECT_EQ(f.Text24.text(), "-50");
  f.Combo14.setListIndex(1);  // the extraction read in lb/h
  EXPECT_EQ(f.Text24.text(), "99.85");
  EXPECT_EQ(f.Text24.backColor(), runtime::kDefaultColor);
  f.Text3.setText("1,000");
  EXPECT_EQ(f.Text24.text(), "");
  f.Text3.setText("100");
  f.Check2.setValue(0);
  EXPECT_EQ(f.Text24.text(), "100");
}

// A box that is not negative takes its normal look back.
TEST_F(StreamFieldsTest, SignMarking) {
  frmstm& f = window();
  f.Text3.setText("-0");
  EXPECT_EQ(f.Text24.backColor(), runtime::kDefaultColor);
  f.Text3.setText("-0.01");
  EXPECT_EQ(f.Text24.backColor(), 0xFF8080u);
  f.Text24.setText("");
  EXPECT_EQ(f.Text24.backColor(), 0xFF8080u);  // an emptied box keeps its colour
  f.Text24.setText("abc");
  EXPECT_EQ(f.Text24.backColor(), 0xFF8080u);
  f.Text24.setText("0");
  EXPECT_EQ(f.Text24.backColor(), runtime::kDefaultColor);
}

// Derived boxes show nothing once a box they depend on holds no number.
TEST_F(StreamFieldsTest, DerivedBoxesFollowTheirInputsOut) {
  const struct {
    const char* typed;
    std::vector<const char*> emptied;
    std::vector<const char*> kept;
  } rows[] = {
      {"Text1=500 Text2=145 Text1=", {"Text5", "Text6", "Text7"}, {"Text4"}},
      {"Check2=1 Text21=500 Text20=145 Text20=x", {"Text18", "Text17", "Text16", "Text15"}, {}},
      {"Combo1=1 Text23=1.5 Text22=92 Text22=9O", {"Text27", "Text28"}, {"Text25", "Text26"}},
      {"Combo1=1 Text23=1.5 Text22=92 Text23=", {"Text25", "Text27", "Text28"}, {"Text26"}},
      {"Combo1=1 Text23=1.5 Text22=92 Combo1=0", {"Text26", "Text27", "Text28"}, {"Text25"}},
  };
  for (const auto& row : rows) {
    frmstm& f = window();
    type(f, row.typed);
    for (const char* name : row.emptied)
      EXPECT_EQ(static_cast<runtime::TextBox*>(f.findControl(name))->text(), "")
          << row.typed << " " << name;
    for (const char* name : row.kept)
      EXPECT_NE(static_cast<runtime::TextBox*>(f.findControl(name))->text(), "")
          << row.typed << " " << name;
    services.answers = {runtime::MessageAnswer::Yes};
    app.unload(f);
  }
}

}  // namespace
}  // namespace corvasine::steam_turbine
