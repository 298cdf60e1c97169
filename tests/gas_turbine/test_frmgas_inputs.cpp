// The gas window's input handlers: unit rules, derived fields, balance type
// and unit lists. Expected figures are hand calculations of the rules.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gas_turbine/gas_test_support.h"
#include "gas_turbine/gas_unit_rules.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::gas {
namespace {

// The window shows the other pressure units and heating values per unit
// mass (see the derived boxes below); these are the entries it does not reach.
TEST(DisplayRules, PressureToFourDecimalsAndHeatingValueOverTheMolecularWeight) {
  EXPECT_EQ(psiaDisplayText(14.7, 3), "1.0335");
  // 1000 Btu/scf × 379.4884 scf/lbmol / 20 lb/lbmol × 0.555556 = 10541.35 kCal/kg.
  EXPECT_EQ(heatingValueDisplayText("1000", "20", 3), "10541.35");
  // Btu/scf copies the text as it stands, number or not.
  EXPECT_EQ(heatingValueDisplayText("n/a", "", 0), "n/a");
  EXPECT_THROW(heatingValueDisplayText("1000", "0", 1), runtime::RuntimeError);
  EXPECT_THROW(heatingValueDisplayText("1000", "", 2), runtime::RuntimeError);
}

// --- Through the window --------------------------------------------------

using GasInputs = FrmgasTest;

// Each box stores what it reads through its own list; picking another unit
// reads the same text again; a text that is no number keeps the stored value.
TEST_F(GasInputs, EachBoxConvertsByItsOwnList) {
  frmgas& f = window();
  struct Wiring {
    runtime::TextBox* box;
    runtime::ComboBox* list;
    int position;
    const char* text;
    double GasInputState::*field;
    double stored;
  };
  const Wiring wiring[] = {
      {&f.Text1, &f.cmbtemp, 1, "30", &GasInputState::ambientTemp, 86},
      {&f.Text2, &f.cmdsite, 3, "2", &GasInputState::siteAltitude, 10560},
      {&f.Text6, &f.Combo2, 4, "0.1", &GasInputState::inletDrop, 2.76799},
      {&f.Text10, &f.Combo11, 1, "540", &GasInputState::exhaustTemp, 1004},
      {&f.Text16, &f.Combo8, 2, "1", &GasInputState::fuelFlow, 0.3795},
      {&f.Text18, &f.Combo6, 1, "40", &GasInputState::fuelTemp, 104},
      {&f.Text19, &f.Combo9, 1, "410", &GasInputState::compDischTemp, 770},
      {&f.Text20, &f.Combo10, 3, "16.5", &GasInputState::compDischPress, 234.68445}};
  for (const Wiring& w : wiring) {
    w.box->setText(w.text);
    EXPECT_DOUBLE_EQ(f.inputState().*w.field, runtime::ParseNumber(w.text)) << w.box->name();
    w.list->setListIndex(w.position);
    EXPECT_DOUBLE_EQ(f.inputState().*w.field, w.stored) << w.box->name();
    EXPECT_EQ(w.box->text(), w.text);
    for (const char* bad : {"", "abc", "1,5", "1e999"}) {
      w.box->setText(bad);
      EXPECT_DOUBLE_EQ(f.inputState().*w.field, w.stored) << w.box->name() << " \"" << bad << '"';
    }
  }
}

TEST_F(GasInputs, AltitudeGivesTheInletPressureBelow16400Feet) {
  frmgas& f = window();
  for (auto [altitude, pressure] : {std::pair{"0", 14.7}, {"1000", 14.17}, {"16399.99", 7.84}}) {
    f.Text2.setText(altitude);
    EXPECT_DOUBLE_EQ(f.inputState().inletPress, pressure) << altitude;
  }
  EXPECT_EQ(f.Text3.text(), "7.84");
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
  // The display unit re-runs the altitude.
  f.Text2.setText("0");
  f.cmdpress1.setListIndex(1);
  EXPECT_EQ(f.Text3.text(), "1.0003");
}

// Typed in order into one window, each line leaves a derived box showing the
// text: Text5 from the humidity ratio at 14.7 psia (site altitude 0), the
// ASHRAE correlation evaluated by hand (Python), or left as it was; the
// heating values in their units.
TEST_F(GasInputs, DerivedBoxesShowTheWaterContentAndHeatingValues) {
  const char* const shown[][3] = {
      {"Text1=86 Text4=40", "Text5", "0.0106"},
      {"Text1=60 Text4=100.0009", "Text5", "0.011"},
      {"Text1=32.01 Text4=50", "Text5", "0.0019"},
      {"Text1=124.99 Text4=50", "Text5", "0.044"},
      {"Text1=60 Text4=0", "Text5", "unchanged"},
      {"Text1=60 Text4=100.001", "Text5", "unchanged"},
      {"Text1=60 Text4=wet", "Text5", "unchanged"},
      {"Text1=32 Text4=50", "Text5", "Temp OOR"},
      {"Text1=125 Text4=50", "Text5", "Temp OOR"},
      {"Text8=909.36", "Text14", "909.36"},
      {"Combo4=1", "Text14", "909.36"},  // Text12 empty: the display keeps its text
      {"Text12=20 Text9=1000 Combo5=2", "Text13", "44134.5"},  // 1000 × 379.4884 / 20 × 2.326
      {"Text8=1000", "Text14", "18974.42"}};
  frmgas& f = window();
  f.Text2.setText("0");
  for (const auto& [typed, box, text] : shown) {
    typeInto(f, "Text4= Text5=unchanged");
    typeInto(f, typed);
    EXPECT_EQ(static_cast<runtime::TextBox*>(f.findControl(box))->text(), text) << typed;
  }
  EXPECT_EQ(f.inputState().ambientTemp, 125);  // stored whatever the humidity
}

// Typed before any drop, the altitude leaves the final inlet pressure alone.
TEST_F(GasInputs, FinalInletPressureFromThePressureDrop) {
  frmgas& f = window();
  f.Text2.setText("1000");
  EXPECT_EQ(f.Text7.text(), "");
  f.Text6.setText("abc");
  f.Text2.setText("0");
  EXPECT_EQ(f.Text7.text(), "");
  f.Text6.setText("-1");  // outside: the final pressure of a new window, 0, shown again
  EXPECT_DOUBLE_EQ(f.inputState().finalInletPress, 0);
  EXPECT_EQ(f.Text7.text(), "0");
  f.Text2.setText("0");
  f.Text6.setText("10");
  EXPECT_DOUBLE_EQ(f.inputState().finalInletPress, 14.34);
  EXPECT_EQ(f.Text7.text(), "14.34");
  f.Combo3.setListIndex(2);
  EXPECT_EQ(f.Text7.text(), "0.9887");
  // A later altitude takes the stored drop off its own inlet pressure:
  // 14.17 psia − 10 / 27.6799 = 13.8087, shown in bar as 13.81 / 14.5038.
  f.Text2.setText("1000");
  EXPECT_DOUBLE_EQ(f.inputState().finalInletPress, 13.81);
  EXPECT_EQ(f.Text7.text(), "0.9522");
  // 14.17 psia × 27.6799 = 392.22 inWC: a drop not smaller keeps the final pressure.
  f.Text6.setText("392.3");
  EXPECT_DOUBLE_EQ(f.inputState().finalInletPress, 13.81);
  EXPECT_DOUBLE_EQ(f.inputState().inletDrop, 392.3);
  f.Text6.setText("1");
  f.Combo2.setListIndex(4);  // 1 psi off 14.17 psia
  EXPECT_DOUBLE_EQ(f.inputState().finalInletPress, 13.17);
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
  // The temperature list and the balance type do not pull the focus back.
  for (runtime::ComboBox* list : {&f.cmbtemp, &f.balancetype}) {
    ASSERT_TRUE(f.setFocus(*list));
    EXPECT_TRUE(f.setFocus(f.Text19));
    EXPECT_EQ(f.activeControl(), &f.Text19) << list->name();
  }
}

}  // namespace
}  // namespace corvasine::gas
