// The gas window's input handlers: unit rules, derived fields, balance type
// and unit lists. Expected figures are hand calculations of the rules.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "gas_turbine/frmgas_fixture.h"
#include "gas_turbine/gas_unit_rules.h"
#include "runtime/runtime_error.h"

namespace corvasine::gas {
namespace {

struct RuleCase {
  const char* rule;
  std::function<double(double, int)> convert;
  double x;
  int unit;
  double expected;
};

class UnitRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(UnitRule, ConvertsToTheBaseUnit) {
  const RuleCase& c = GetParam();
  EXPECT_DOUBLE_EQ(c.convert(c.x, c.unit), c.expected) << c.rule << " at position " << c.unit;
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnitRule,
    ::testing::Values(RuleCase{"temperature", temperatureToF, 30, 0, 30},
                      RuleCase{"temperature", temperatureToF, 30, 1, 86},
                      RuleCase{"temperature", temperatureToF, -40, 1, -40},
                      RuleCase{"temperature, no position", temperatureToF, 100, -1, 212},
                      RuleCase{"height", heightToFt, 1234, 0, 1234},
                      RuleCase{"height", heightToFt, 1, 1, 3.28084},
                      RuleCase{"height", heightToFt, 1, 2, 3280.84},
                      RuleCase{"height", heightToFt, 2, 3, 10560},
                      RuleCase{"pressure", pressureToPsia, 220, 0, 220},
                      RuleCase{"pressure", pressureToPsia, 2, 1, 29.3918},
                      RuleCase{"pressure", pressureToPsia, 1, 2, 14.5038},
                      RuleCase{"pressure", pressureToPsia, 1, 3, 14.2233},
                      RuleCase{"low pressure", lowPressureToInWC, 10, 0, 10},
                      RuleCase{"low pressure", lowPressureToInWC, 100, 1, 3.93701},
                      RuleCase{"low pressure", lowPressureToInWC, 1, 2, 13.5951},
                      RuleCase{"low pressure", lowPressureToInWC, 1, 3, 0.535239},
                      RuleCase{"low pressure", lowPressureToInWC, 1, 4, 27.6799},
                      RuleCase{"molar flow, typed", molarFlowToKscfh, 1.23456, 0, 1.23456},
                      RuleCase{"molar flow", molarFlowToKscfh, 12, 1, 500},
                      RuleCase{"molar flow", molarFlowToKscfh, 1, 1, 41.6667},
                      RuleCase{"molar flow", molarFlowToKscfh, 1, 2, 0.3795},
                      RuleCase{"molar flow", molarFlowToKscfh, 1, 3, 0.8366}));

TEST(UnitRuleFaults, OverflowIsARunTimeError) {
  EXPECT_THROW(heightToFt(1e308, 3), runtime::RuntimeError);
  EXPECT_THROW(pressureToPsia(-1e308, 1), runtime::RuntimeError);
  EXPECT_THROW(molarFlowToKscfh(1e308, 3), runtime::RuntimeError);
}

TEST(PressureDisplay, RoundsToFourDecimalsOutsidePsia) {
  EXPECT_EQ(psiaDisplayText(14.34, 0), "14.34");
  EXPECT_EQ(psiaDisplayText(14.7, 1), "1.0003");
  EXPECT_EQ(psiaDisplayText(14.34, 2), "0.9887");
  EXPECT_EQ(psiaDisplayText(14.7, 3), "1.0335");
}

TEST(HeatingValueDisplay, ConvertsOverTheMolecularWeight) {
  // 1000 Btu/scf × 379.4884 scf/lbmol / 20 lb/lbmol = 18974.42 Btu/lb.
  EXPECT_EQ(heatingValueDisplayText("1000", "20", 1), "18974.42");
  EXPECT_EQ(heatingValueDisplayText("1000", "20", 2), "44134.5");
  EXPECT_EQ(heatingValueDisplayText("1000", "20", 3), "10541.35");
  // Btu/scf copies the text as it stands, number or not.
  EXPECT_EQ(heatingValueDisplayText("1011.02", "", 0), "1011.02");
  EXPECT_EQ(heatingValueDisplayText("n/a", "", 0), "n/a");
  EXPECT_THROW(heatingValueDisplayText("1000", "0", 1), runtime::RuntimeError);
  EXPECT_THROW(heatingValueDisplayText("1000", "", 2), runtime::RuntimeError);
}

// --- Through the window --------------------------------------------------

using GasInputs = FrmgasTest;

TEST_F(GasInputs, AltitudeGivesTheInletPressureBelow16400Feet) {
  frmgas& f = window();
  f.Text2.setText("0");
  EXPECT_DOUBLE_EQ(f.inputState().inletPress, 14.7);
  EXPECT_EQ(f.Text3.text(), "14.7");
  f.Text2.setText("1000");
  EXPECT_DOUBLE_EQ(f.inputState().inletPress, 14.17);
  f.Text2.setText("16399.99");
  EXPECT_DOUBLE_EQ(f.inputState().inletPress, 7.84);
  EXPECT_EQ(f.Text3.text(), "7.84");
}

TEST_F(GasInputs, AltitudeFrom16400FeetShowsOORAndKeepsThePressure) {
  frmgas& f = window();
  f.Text2.setText("1000");
  f.Text2.setText("16400");
  EXPECT_EQ(f.Text3.text(), "OOR");
  EXPECT_DOUBLE_EQ(f.inputState().siteAltitude, 16400);
  EXPECT_DOUBLE_EQ(f.inputState().inletPress, 14.17);
  // 5000 m is more than 16400 ft.
  f.Text2.setText("500");
  f.cmdsite.setListIndex(1);
  EXPECT_DOUBLE_EQ(f.inputState().inletPress, 13.85);
  f.Text2.setText("5000");
  EXPECT_EQ(f.Text3.text(), "OOR");
  EXPECT_DOUBLE_EQ(f.inputState().inletPress, 13.85);
}

TEST_F(GasInputs, InletPressureFollowsItsDisplayUnit) {
  frmgas& f = window();
  f.Text2.setText("0");
  f.cmdpress1.setListIndex(1);
  EXPECT_EQ(f.Text3.text(), "1.0003");
  EXPECT_EQ(f.activeControl(), &f.Text4);
}

struct HumidityCase {
  const char* ambient;  // °F
  const char* humidity;
  const char* expectedText5;
};

class HumidityBlock : public FrmgasTest, public ::testing::WithParamInterface<HumidityCase> {};

// Text5 from the humidity ratio at 14.7 psia (site altitude 0); the computed
// figures are the ASHRAE correlation evaluated by hand (Python).
TEST_P(HumidityBlock, ShowsTheWaterContentOrLeavesIt) {
  const HumidityCase& c = GetParam();
  frmgas& f = window();
  f.Text2.setText("0");
  f.Text5.setText("unchanged");
  f.Text1.setText(c.ambient);
  f.Text4.setText(c.humidity);
  EXPECT_EQ(f.Text5.text(), c.expectedText5);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, HumidityBlock,
    ::testing::Values(HumidityCase{"60", "50", "0.0055"}, HumidityCase{"86", "40", "0.0106"},
                      HumidityCase{"60", "100.0009", "0.011"},
                      HumidityCase{"32.01", "50", "0.0019"}, HumidityCase{"124.99", "50", "0.044"},
                      HumidityCase{"60", "0", "unchanged"},
                      HumidityCase{"60", "100.001", "unchanged"},
                      HumidityCase{"60", "-5", "unchanged"}, HumidityCase{"60", "wet", "unchanged"},
                      HumidityCase{"32", "50", "Temp OOR"}, HumidityCase{"125", "50", "Temp OOR"},
                      HumidityCase{"-10", "50", "Temp OOR"}));

TEST_F(GasInputs, AmbientTemperatureIsReadAgainInANewUnit) {
  frmgas& f = window();
  f.Text1.setText("30");
  EXPECT_DOUBLE_EQ(f.inputState().ambientTemp, 30);
  f.cmbtemp.setListIndex(1);
  EXPECT_DOUBLE_EQ(f.inputState().ambientTemp, 86);
  EXPECT_EQ(f.Text1.text(), "30");
}

TEST_F(GasInputs, AmbientTemperatureIsStoredEvenWithoutAHumidity) {
  frmgas& f = window();
  f.Text5.setText("kept");
  f.Text1.setText("70");
  EXPECT_DOUBLE_EQ(f.inputState().ambientTemp, 70);
  EXPECT_EQ(f.Text5.text(), "kept");
}

TEST_F(GasInputs, FinalInletPressureFromThePressureDrop) {
  frmgas& f = window();
  f.Text2.setText("0");
  f.Text6.setText("10");
  EXPECT_DOUBLE_EQ(f.inputState().finalInletPress, 14.34);
  EXPECT_EQ(f.Text7.text(), "14.34");
  f.Combo3.setListIndex(2);
  EXPECT_EQ(f.Text7.text(), "0.9887");
  EXPECT_EQ(f.activeControl(), &f.Text18);
  // A later altitude leaves the final pressure and its display as they were.
  f.Text2.setText("1000");
  EXPECT_DOUBLE_EQ(f.inputState().finalInletPress, 14.34);
  EXPECT_EQ(f.Text7.text(), "0.9887");
}

TEST_F(GasInputs, PressureDropInOtherUnits) {
  frmgas& f = window();
  f.Text2.setText("0");
  f.Text6.setText("100");
  f.Combo2.setListIndex(1);
  EXPECT_DOUBLE_EQ(f.inputState().inletDrop, 3.93701);
  f.Text6.setText("1");
  f.Combo2.setListIndex(4);
  EXPECT_DOUBLE_EQ(f.inputState().inletDrop, 27.6799);
  EXPECT_DOUBLE_EQ(f.inputState().finalInletPress, 13.7);
}

TEST_F(GasInputs, ADropOutsideTheInletPressureKeepsTheFinalPressure) {
  frmgas& f = window();
  f.Text6.setText("-1");
  EXPECT_DOUBLE_EQ(f.inputState().finalInletPress, 0);
  EXPECT_EQ(f.Text7.text(), "0");
  f.Text2.setText("0");
  f.Text6.setText("5");
  const double before = f.inputState().finalInletPress;
  f.Text6.setText("406.9");  // 14.7 psia × 27.6799 = 406.89 inWC: not smaller
  EXPECT_DOUBLE_EQ(f.inputState().finalInletPress, before);
  EXPECT_DOUBLE_EQ(f.inputState().inletDrop, 406.9);
}

TEST_F(GasInputs, TextThatIsNoNumberKeepsTheStoredValue) {
  frmgas& f = window();
  const std::pair<runtime::TextBox*, double GasInputState::*> fields[] = {
      {&f.Text18, &GasInputState::fuelTemp},      {&f.Text10, &GasInputState::exhaustTemp},
      {&f.Text19, &GasInputState::compDischTemp}, {&f.Text20, &GasInputState::compDischPress},
      {&f.Text16, &GasInputState::fuelFlow},      {&f.Text1, &GasInputState::ambientTemp},
      {&f.Text2, &GasInputState::siteAltitude},   {&f.Text6, &GasInputState::inletDrop}};
  for (auto [box, field] : fields) {
    box->setText("123.5");
    EXPECT_DOUBLE_EQ(f.inputState().*field, 123.5) << box->name();
    for (const char* bad : {"", "abc", "1,5", "1e999"}) {
      box->setText(bad);
      EXPECT_DOUBLE_EQ(f.inputState().*field, 123.5) << box->name() << " \"" << bad << "\"";
    }
  }
}

TEST_F(GasInputs, FieldsInTheirUnits) {
  frmgas& f = window();
  f.Combo6.setListIndex(1);
  f.Text18.setText("40");
  EXPECT_DOUBLE_EQ(f.inputState().fuelTemp, 104);
  f.Combo10.setListIndex(3);
  f.Text20.setText("16.5");
  EXPECT_DOUBLE_EQ(f.inputState().compDischPress, 16.5 * 14.2233);
  f.Text16.setText("1");
  f.Combo8.setListIndex(2);
  EXPECT_DOUBLE_EQ(f.inputState().fuelFlow, 0.3795);
  f.Combo8.setListIndex(0);
  f.Text16.setText("1.23456");
  EXPECT_DOUBLE_EQ(f.inputState().fuelFlow, 1.23456);
}

TEST_F(GasInputs, ExhaustFlowIsStoredInExhaustFlowModeOnly) {
  frmgas& f = window();
  EXPECT_FALSE(f.Combo13.visible());
  f.Text15.setText("1");
  EXPECT_DOUBLE_EQ(f.inputState().exhaustFlow, 0);
  f.Combo13.setListIndex(2);
  f.balancetype.setListIndex(1);
  EXPECT_EQ(f.inputState().balanceMode, -1);
  EXPECT_TRUE(f.Combo13.visible());
  EXPECT_DOUBLE_EQ(f.inputState().exhaustFlow, 0.3795);
  EXPECT_EQ(f.activeControl(), &f.Text15);
  f.balancetype.setListIndex(0);
  EXPECT_EQ(f.inputState().balanceMode, 0);
  EXPECT_FALSE(f.Combo13.visible());
  f.Text15.setText("15");
  EXPECT_DOUBLE_EQ(f.inputState().exhaustFlow, 0.3795);
}

TEST_F(GasInputs, HeatingValuesShowInTheirUnits) {
  frmgas& f = window();
  f.Text8.setText("909.36");
  EXPECT_EQ(f.Text14.text(), "909.36");
  f.Combo4.setListIndex(1);  // Text12 empty: the display keeps its text
  EXPECT_EQ(f.Text14.text(), "909.36");
  EXPECT_EQ(f.activeControl(), &f.Text26);
  f.Text12.setText("20");
  f.Text9.setText("1000");
  f.Combo5.setListIndex(2);
  EXPECT_EQ(f.Text13.text(), "44134.5");
  f.Text8.setText("1000");
  EXPECT_EQ(f.Text14.text(), "18974.42");
}

TEST_F(GasInputs, GeneratorEfficiencyBoxFollowsTheCheckBox) {
  frmgas& f = window();
  EXPECT_FALSE(f.Text25.enabled());
  f.Check1.setValue(1);
  EXPECT_TRUE(f.Text25.enabled());
  f.Check1.setValue(0);
  EXPECT_FALSE(f.Text25.enabled());
}

TEST_F(GasInputs, UnitListFocusMoves) {
  frmgas& f = window();
  const std::pair<runtime::ComboBox*, runtime::Control*> moves[] = {
      {&f.cmbtemp, &f.Text1},  {&f.cmdsite, &f.Text2},  {&f.cmdpress1, &f.Text4},
      {&f.Combo1, &f.Text6},   {&f.Combo2, &f.Text6},   {&f.Combo3, &f.Text18},
      {&f.Combo4, &f.Text26},  {&f.Combo5, &f.Text26},  {&f.Combo6, &f.Text18},
      {&f.Combo7, &f.Text17},  {&f.Combo8, &f.Text16},  {&f.Combo9, &f.Text19},
      {&f.Combo10, &f.Text20}, {&f.Combo11, &f.Text10}, {&f.Combo12, &f.Text11},
      {&f.Combo13, &f.Text15}};
  for (auto [list, target] : moves) {
    f.setFocus(f.Command2);
    list->setListIndex(1);
    EXPECT_EQ(f.activeControl(), target) << list->name();
  }
}

TEST_F(GasInputs, LeavingAListReadsItsBoxAgain) {
  frmgas& f = window();
  f.Text2.setText("100");
  ASSERT_TRUE(f.setFocus(f.cmdsite));
  f.Text2.setText("200");  // typed while the focus was elsewhere, say by code
  // Leaving the list validates it: the altitude is read again and the focus
  // ends where the user went.
  EXPECT_TRUE(f.setFocus(f.Text6));
  EXPECT_DOUBLE_EQ(f.inputState().siteAltitude, 200);
  EXPECT_EQ(f.activeControl(), &f.Text6);

  ASSERT_TRUE(f.setFocus(f.cmbtemp));
  EXPECT_TRUE(f.setFocus(f.Text19));
  EXPECT_EQ(f.activeControl(), &f.Text19);

  ASSERT_TRUE(f.setFocus(f.balancetype));
  f.Text15.setText("7");
  EXPECT_TRUE(f.setFocus(f.Text10));
  EXPECT_EQ(f.activeControl(), &f.Text10);
}

}  // namespace
}  // namespace corvasine::gas
