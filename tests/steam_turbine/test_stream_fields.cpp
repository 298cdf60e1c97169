// The stream-field handlers beyond the worked examples of the reference
// figures: typing order, the turbine type, the flow balance in every unit,
// the sign marking and derived boxes emptied with their inputs.

#include <gtest/gtest.h>

#include "runtime/number.h"
#include "steam_properties/water_steam.h"
#include "steam_turbine/steam_window_support.h"

namespace corvasine::steam_turbine {
namespace {

using runtime::NumberText;
using runtime::RoundHalfEven;

constexpr runtime::Color kLightRed = 0xFF8080;

using StreamFieldsTest = SteamWindowTest;

TEST_F(StreamFieldsTest, TemperatureBeforePressureIsCompletedByThePressure) {
  frmstm& f = window();
  type(f, "Text1=700");
  EXPECT_EQ(f.streamState().streamTemp[kInlet], 700);
  EXPECT_EQ(text(f, "Text5"), "");  // stopped at the empty saturation box
  type(f, "Text2=600");
  // The saturation temperature in °F at 600 psia, 14.5 psi to the library's bar.
  EXPECT_EQ(text(f, "Text4"),
            NumberText(RoundHalfEven((steam::tSatW(600 / 14.5) - 273.15) * 1.8 + 32, 2)));
  EXPECT_NE(text(f, "Text6"), "0");
}

TEST_F(StreamFieldsTest, SwitchingTheTypeEmptiesTheExhaustTemperature) {
  frmstm& f = window();
  type(f, "Text23=150 Text22=400 Combo1=1");
  EXPECT_EQ(text(f, "Text22"), "");
  EXPECT_EQ(control<runtime::Label>(f, "Label43").caption(), "Vapor fraction:");
  EXPECT_EQ(control<runtime::Label>(f, "Label50").caption(), "%");
  EXPECT_FALSE(f.findControl("Combo21")->visible());
  EXPECT_EQ(text(f, "Text26"), "0");
  type(f, "Combo1=0");
  EXPECT_EQ(control<runtime::Label>(f, "Label43").caption(), "Temperature:");
  EXPECT_EQ(control<runtime::Label>(f, "Label50").caption(), "°F");
  EXPECT_TRUE(f.findControl("Combo21")->visible());
}

// The exhaust flow box keeps the balance of the flows typed, in the unit
// of its own list; lb/h per unit of each flow list by position.
TEST_F(StreamFieldsTest, FlowBalanceHonoursEveryUnit) {
  const double lbPerHour[] = {1000, 1, 3600, 2.20462, 7936.64, 2240};
  for (int unit = 0; unit < 6; ++unit) {
    SCOPED_TRACE(unit);
    frmstm& f = window();
    type(f, "Combo4=" + std::to_string(unit) + " Text3=100");
    const double kpph = unit == 0 ? 100 : 100 / 1000.0 * lbPerHour[unit];
    EXPECT_EQ(text(f, "Text24"), NumberText(kpph));
    type(f, "Combo19=" + std::to_string(unit) + " Text3=100");
    EXPECT_EQ(text(f, "Text24"), NumberText(unit == 0 ? 100 : kpph * 1000 / lbPerHour[unit]));
    close(f);
  }
}

// Induction and extraction count only while their streams are on; without
// an inlet number the exhaust flow box shows nothing. A negative box shows
// light red, and takes its normal look back when it is not negative (-0 is
// not); an emptied box keeps its colour.
TEST_F(StreamFieldsTest, FlowBalanceOfInductionAndExtractionAndTheSignMarking) {
  frmstm& f = window();
  const auto exhaust = [&](const std::string& typed) {
    type(f, typed);
    return text(f, "Text24");
  };
  const runtime::TextBox& text24 = control(f, "Text24");
  EXPECT_EQ(exhaust("Text3=0100"), "100");
  EXPECT_EQ(exhaust("Text10=20"), "100");
  EXPECT_EQ(exhaust("Check1=1"), "120");
  EXPECT_EQ(exhaust("Check2=1 Text19=150"), "-30");
  EXPECT_EQ(text24.backColor(), kLightRed);
  EXPECT_EQ(exhaust("Check1=0"), "-50");
  EXPECT_EQ(exhaust("Combo14=1"), "99.85");  // the extraction read in lb/h
  EXPECT_EQ(text24.backColor(), runtime::kDefaultColor);
  EXPECT_EQ(exhaust("Text3=1,000"), "");
  EXPECT_EQ(exhaust("Text3=100 Check2=0"), "100");
  EXPECT_EQ(exhaust("Text3=-0"), "0");
  EXPECT_EQ(text24.backColor(), runtime::kDefaultColor);
  EXPECT_EQ(exhaust("Text3=-0.01"), "-0.01");
  for (const char* kept : {"", "abc"}) {
    EXPECT_EQ(exhaust(std::string("Text24=") + kept), kept);
    EXPECT_EQ(text24.backColor(), kLightRed);
  }
  exhaust("Text24=0");
  EXPECT_EQ(text24.backColor(), runtime::kDefaultColor);
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
    SCOPED_TRACE(row.typed);
    frmstm& f = window();
    type(f, row.typed);
    for (const char* name : row.emptied) EXPECT_EQ(text(f, name), "") << name;
    for (const char* name : row.kept) EXPECT_NE(text(f, name), "") << name;
    close(f);
  }
}

}  // namespace
}  // namespace corvasine::steam_turbine
