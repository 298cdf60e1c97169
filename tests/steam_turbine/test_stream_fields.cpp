// The stream-field handlers beyond the worked examples of the reference
// figures (which type in every order and unit and empty derived boxes with
// their inputs): the turbine type's labels and the exhaust flow's marking.

#include <gtest/gtest.h>

#include "steam_turbine/steam_window_support.h"

namespace corvasine::steam_turbine {
namespace {

constexpr runtime::Color kLightRed = 0xFF8080;

using StreamFieldsTest = SteamWindowTest;

TEST_F(StreamFieldsTest, SwitchingTheTypeRelabelsTheExhaustTemperature) {
  frmstm& f = window();
  type(f, "Combo1=1");
  EXPECT_EQ(control<runtime::Label>(f, "Label43").caption(), "Vapor fraction:");
  EXPECT_EQ(control<runtime::Label>(f, "Label50").caption(), "%");
  EXPECT_FALSE(f.findControl("Combo21")->visible());
  type(f, "Combo1=0");
  EXPECT_EQ(control<runtime::Label>(f, "Label43").caption(), "Temperature:");
  EXPECT_EQ(control<runtime::Label>(f, "Label50").caption(), "°F");
  EXPECT_TRUE(f.findControl("Combo21")->visible());
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

}  // namespace
}  // namespace corvasine::steam_turbine
