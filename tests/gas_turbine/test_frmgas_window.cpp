// The gas window: its input handlers, rows, New, quit, clipboard, the windows
// and pages it opens, and a whole evaluation typed into its boxes. Expected
// figures of the handlers are hand calculations of the unit rules.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "gas_turbine/frm_gtunits.h"
#include "gas_turbine/frmcomp.h"
#include "gas_turbine/gas_test_support.h"
#include "gas_turbine/gas_unit_rules.h"
#include "gas_turbine/register.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "runtime/text.h"
#include "shell/frmboota.h"
#include "shell/maker.h"

namespace corvasine::gas {
namespace {

using runtime::MessageAnswer;
using GasWindow = FrmgasTest;

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

// Each box stores what it reads through its own list; picking another unit
// reads the same text again; a text that is no number keeps the stored value.
TEST_F(GasWindow, EachBoxConvertsByItsOwnList) {
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

TEST_F(GasWindow, AltitudeGivesTheInletPressureBelow16400Feet) {
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
TEST_F(GasWindow, DerivedBoxesShowTheWaterContentAndHeatingValues) {
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
TEST_F(GasWindow, FinalInletPressureFromThePressureDrop) {
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

TEST_F(GasWindow, ExhaustFlowIsStoredInExhaustFlowModeOnly) {
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

TEST_F(GasWindow, LeavingAListReadsItsBoxAgain) {
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

// Each input row as the user meets it: its unit list (none: a unit label),
// the default-units slot the list starts on (-1: its first entry), where a
// pick in the list moves the focus.
struct RowFacts {
  const char* box;
  const char* list;
  int slot;
  const char* pickFocus;
};
constexpr RowFacts kRowFacts[] = {
    {"Text1", "cmbtemp", 0, "Text1"},   {"Text2", "cmdsite", 2, "Text2"},
    {"Text3", "cmdpress1", 1, "Text4"}, {"Text4", nullptr, -1, nullptr},
    {"Text5", "Combo1", -1, "Text6"},   {"Text6", "Combo2", 3, "Text6"},
    {"Text7", "Combo3", 1, "Text18"},   {"Text18", "Combo6", 0, "Text18"},
    {"Text17", "Combo7", 1, "Text17"},  {"Text16", "Combo8", 5, "Text16"},
    {"Text14", "Combo4", 4, "Text26"},  {"Text13", "Combo5", 4, "Text26"},
    {"Text12", nullptr, -1, nullptr},   {"Text26", nullptr, -1, nullptr},
    {"Text25", nullptr, -1, nullptr},   {"Text10", "Combo11", 0, "Text10"},
    {"Text11", "Combo12", 6, "Text11"}, {"Text15", "Combo13", 5, "Text15"},
    {"Text19", "Combo9", 0, "Text19"},  {"Text20", "Combo10", 1, "Text20"}};

TEST_F(GasWindow, RowListsStartOnTheirDefaultUnitsAndPicksMoveTheFocus) {
  // temperature °C, pressure bar, height miles, drop psia, heating kCal/kg,
  // molar flows lbmol/h, low pressures mmHg.
  services.writeProgramFile("gtunits.qvd", "1*2*3*4*3*2*3*0*0*0\r\n");
  const int bySlot[] = {1, 2, 3, 4, 3, 2, 3};
  frmgas& f = window();
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(f.balancetype.listIndex(), 0);
  for (const RowFacts& row : kRowFacts) {
    if (row.list == nullptr) continue;
    auto* list = dynamic_cast<runtime::ComboBox*>(f.findControl(row.list));
    ASSERT_NE(list, nullptr) << row.list;
    EXPECT_EQ(list->listIndex(), row.slot < 0 ? 0 : bySlot[row.slot]) << row.list;
    f.setFocus(f.Command2);
    list->setListIndex(1);
    EXPECT_EQ(f.activeControl(), f.findControl(row.pickFocus)) << row.list;
  }
}

// New and quit answered No change nothing.
TEST_F(GasWindow, NewAnsweredYesEmptiesTheInputsAndTheComposition) {
  frmgas& f = window();
  typeCase(f);
  services.answers = {MessageAnswer::No, MessageAnswer::No};
  ASSERT_TRUE(f.clickMenuItem("m_new"));
  EXPECT_FALSE(app.unload(f));
  EXPECT_EQ(shownMessages(services),
            (std::vector<std::string>{
                "question|Corvasine|Your current data will be lost. Do you want to continue?",
                "question|Corvasine - Gasturbine|Are you sure to quit?"}));
  ASSERT_EQ(app.find<frmgas>(), &f);
  EXPECT_EQ(f.Text20.text(), "220");
  EXPECT_EQ(gasState().fuelComp[1], 85.25);
  f.Command2.click();
  ASSERT_NE(f.rich_result.text(), kRightsNotice);
  typeInto(f, "cmbtemp=1 balancetype=1 Check1=1 Text8=900");
  const double storedFlow = f.inputState().fuelFlow;

  services.answers = {MessageAnswer::Yes};
  f.clickMenuItem("m_new");
  // Every box empty but the efficiencies, back on their design figures.
  for (const RowFacts& row : kRowFacts) {
    auto* box = dynamic_cast<runtime::TextBox*>(f.findControl(row.box));
    ASSERT_NE(box, nullptr) << row.box;
    const std::string name = row.box;
    EXPECT_EQ(box->text(), name == "Text26" ? "2" : (name == "Text25" ? "98" : "")) << name;
  }
  for (double share : gasState().fuelComp) EXPECT_EQ(share, 0.0);
  // Lists, mode, check box, hidden boxes and stored inputs stay; the result
  // of the last case goes.
  EXPECT_EQ(f.cmbtemp.listIndex(), 1);
  EXPECT_EQ(f.balancetype.listIndex(), 1);
  EXPECT_EQ(f.Check1.value(), 1);
  EXPECT_EQ(f.Text8.text(), "900");
  EXPECT_EQ(f.inputState().fuelFlow, storedFlow);
  EXPECT_EQ(f.rich_result.text(), kRightsNotice);
  EXPECT_EQ(f.evaluation().thermalPower, 0.0);  // export and print refuse, as before any evaluation
  // The evaluation reads the emptied Text1 itself.
  f.Command2.click();
  EXPECT_EQ(services.messageTexts().back(), "Check your values");
}

TEST_F(GasWindow, QuitAnsweredYesThenReopenGivesAFreshWindow) {
  registerGasTurbine(app);
  ASSERT_TRUE(app.showForm("frmgas"));
  frmgas* f = app.find<frmgas>();
  ASSERT_NE(f, nullptr);
  EXPECT_TRUE(f->visible());
  typeCase(*f);
  typeInto(*f, "balancetype=1 cmbtemp=1");

  services.writeProgramFile("gtunits.qvd", "0*1*0*0*0*0*0*0*0*0\r\n");
  services.answers = {MessageAnswer::Yes};
  EXPECT_TRUE(f->clickMenuItem("m_exit"));
  EXPECT_EQ(app.find<frmgas>(), nullptr);

  ASSERT_TRUE(app.showForm("frmgas"));
  frmgas& again = *app.find<frmgas>();
  EXPECT_EQ(again.Text1.text(), "");
  EXPECT_EQ(again.inputState().balanceMode, 0);
  EXPECT_EQ(again.cmdpress1.listIndex(), 1);  // the units file read again
  EXPECT_EQ(again.inputState().ambientTemp, 0);
}

// Cut and Paste edit the active box and run its change handler (Copy: the Qt
// view's tests). A computed box is only copied, a control without text left
// alone.
TEST_F(GasWindow, ClipboardCommandsOnTheActiveBox) {
  frmgas& f = window();
  f.Text1.setText("123.5");
  f.setFocus(f.Text1);
  f.Text1.setSelection(3, 2);
  f.clickMenuItem("m_cut");
  EXPECT_EQ(services.clipboard, ".5");
  EXPECT_EQ(f.inputState().ambientTemp, 123);
  f.Text1.setSelection(0, 3);
  services.clipboard = "0";
  f.clickMenuItem("m_paste");
  EXPECT_EQ(f.inputState().ambientTemp, 0);

  f.setFocus(f.Check1);
  services.clipboard = "keep";
  for (const char* item : {"m_cut", "m_copy", "m_paste"}) f.clickMenuItem(item);
  EXPECT_EQ(services.clipboard, "keep");
  EXPECT_EQ(f.Check1.value(), 0);

  f.Text2.setText("0");
  for (runtime::TextBox* computed : std::vector<runtime::TextBox*>{&f.Text3, &f.rich_result}) {
    const std::string shown = computed->text();
    f.setFocus(*computed);
    computed->setSelection(0, 4);
    f.clickMenuItem("m_paste");
    f.clickMenuItem("m_cut");
    EXPECT_EQ(computed->text(), shown);
    EXPECT_EQ(services.clipboard, shown.substr(0, 4));
  }
}

TEST_F(GasWindow, OpensItsDialogsHelpAndHomePage) {
  frmgas& f = window();
  f.Command1.click();
  f.clickMenuItem("m_units");
  f.clickMenuItem("m_about");
  const runtime::Form* dialogs[] = {app.find<frmcomp>(), app.find<frm_gtunits>(),
                                    app.find<shell::frmboota>()};
  for (const runtime::Form* dialog : dialogs) {
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->visible()) << dialog->name();
  }
  f.clickMenuItem("m_help");
  EXPECT_EQ(services.helpShown,
            std::vector<std::string>{services.programFolder + "/corvasine.hlp"});
  f.Label15.click();
  EXPECT_EQ(services.pagesOpened, std::vector<std::string>{shell::kHomePage});
  // Before any evaluation there is nothing to report.
  f.clickMenuItem("exporty");
  f.clickMenuItem("printoo");
  EXPECT_EQ(services.messageTexts(), (std::vector<std::string>{"Error while exporting file.",
                                                               "Error while printing data."}));
  // They stay open when the gas window closes.
  services.answers = {MessageAnswer::Yes};
  ASSERT_TRUE(app.unload(f));
  EXPECT_NE(app.find<frmcomp>(), nullptr);
  EXPECT_NE(app.find<frm_gtunits>(), nullptr);
  EXPECT_NE(app.find<shell::frmboota>(), nullptr);
}

// A case typed in °C, km, inHg, mmscfd, kgmol/h and kg/cm2, Exhaust Flow mode,
// with a generator efficiency. Expected figures: reference/frmgas_window_case.py.
TEST_F(GasWindow, EvaluatesACaseTypedInOtherUnits) {
  std::vector<std::string> expected = referenceLines("frmgas_window_case.txt", "");
  ASSERT_GE(expected.size(), 13u);
  const std::vector<std::string> derived(expected.begin(), expected.begin() + 2);
  expected.erase(expected.begin(), expected.begin() + 4);

  frmgas& f = window();
  typeInto(f,
           "cmbtemp=1 cmdsite=2 cmdpress1=2 Combo2=2 Combo3=1 Combo4=2 Combo6=1 Combo8=1 "
           "Combo11=1 Combo9=1 Combo10=3 Combo13=3 balancetype=1 Check1=1");
  typeInto(f,
           "Text1=18.5 Text2=0.45 Text4=55 Text6=2.5 Text18=40 Text17=25 Text16=26.4 "
           "Text10=540 Text11=10 Text15=43000 Text19=410 Text20=16.5 Text26=1.8 Text25=97.5");
  EXPECT_EQ(f.Text3.text(), figure(derived, "Text3 (bar) "));
  EXPECT_EQ(f.Text5.text(), figure(derived, "Text5 "));
  EXPECT_EQ(f.Text7.text(), figure(derived, "Text7 (atm) "));

  f.Command1.click();
  frmcomp& comp = app.form<frmcomp>();
  typeInto(comp, "Text1=90 Text2=5 Text4=1.5 Text7=0.5 Text13=1 Text14=1.8 Text15=0.2");
  comp.Command1.click();
  EXPECT_EQ(f.Text12.text(), figure(derived, "Text12 "));
  EXPECT_EQ(f.Text8.text(), figure(derived, "Text8 "));
  EXPECT_EQ(f.Text14.text(), figure(derived, "Text14 (kJ/kg) "));

  f.Command2.click();
  EXPECT_TRUE(services.messages.empty()) << services.messages.front().text;
  EXPECT_EQ(runtime::SplitText(f.rich_result.text(), "\r\n"), expected);
}

// A box without a number takes the focus, the first in tab order (the fuzz
// oracle checks that nothing is computed then).
TEST_F(GasWindow, EvaluationFailuresShowTheirMessagesAndKeepTheResult) {
  frmgas& f = window();
  typeCase(f);
  typeInto(f, "Text20=x Text2=1,5");
  f.Command2.click();
  EXPECT_EQ(f.activeControl(), &f.Text2);
  typeInto(f, "Text20=220 Text2=150 Text15=21.01");
  f.Command2.click();
  f.balancetype.setListIndex(1);
  f.Text15.setText("100");  // below the stoichiometric exhaust flow
  f.Command2.click();
  EXPECT_EQ(shownMessages(services),
            (std::vector<std::string>{"error|Corvasine|Check your values",
                                      "error|Corvasine|Check your values",
                                      "error|Corvasine|Insufficient air."}));
  EXPECT_EQ(f.rich_result.text(), kRightsNotice);
}

// Boxes the evaluation does not read, or a generator efficiency left
// unticked, do not stop it; a pasted line break is no longer part of a box.
TEST_F(GasWindow, EvaluateIgnoresBoxesItDoesNotUse) {
  frmgas& f = window();
  typeCase(f);
  typeInto(f, "Text17=abc Text11=abc Text25=abc");
  f.setFocus(f.Text16);
  f.Text16.setSelection(0, 4);
  services.clipboard = "62\r\n";
  f.clickMenuItem("m_paste");
  EXPECT_EQ(f.Text16.text(), "62");
  EXPECT_EQ(f.inputState().fuelFlow, 62.0);
  f.Command2.click();
  EXPECT_TRUE(services.messages.empty()) << services.messages.front().text;
  EXPECT_NE(f.rich_result.text(), kRightsNotice);
}

}  // namespace
}  // namespace corvasine::gas
