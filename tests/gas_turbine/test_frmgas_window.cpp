// The gas window: layout, start-up order, New, quit, clipboard, the windows
// and pages it opens, and a whole evaluation typed into its boxes.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "gas_turbine/frm_gtunits.h"
#include "gas_turbine/frmcomp.h"
#include "gas_turbine/gas_test_support.h"
#include "gas_turbine/register.h"
#include "runtime/text.h"
#include "shell/frmboota.h"
#include "shell/maker.h"

namespace corvasine::gas {
namespace {

using runtime::MessageAnswer;

using GasWindow = FrmgasTest;

// The banner lies clear of every frame and keeps the 472 × 131 shape of its
// bitmap to within a twip or two of height.
TEST_F(GasWindow, BannerClearOfTheFrames) {
  frmgas& f = window();
  const runtime::Rect picture = f.Image1.rect();
  for (const runtime::Frame* frame : {&f.Frame1, &f.Frame2, &f.Frame3, &f.Frame4}) {
    const runtime::Rect r = frame->rect();
    const bool apart = picture.left + picture.width <= r.left || r.left + r.width <= picture.left ||
                       picture.top + picture.height <= r.top || r.top + r.height <= picture.top;
    EXPECT_TRUE(apart) << frame->name();
  }
  EXPECT_NEAR(picture.height, picture.width * 131.0 / 472.0, 2.0);
}

// Each input row as the user meets it: its unit list (none: a unit label),
// the default-units slot the list starts on (-1: its first entry), where a
// pick in the list moves the focus, and whether Evaluate refuses the box
// without a number.
struct RowFacts {
  const char* box;
  const char* list;
  int slot;
  const char* pickFocus;
  bool needed;
};
constexpr RowFacts kRowFacts[] = {
    {"Text1", "cmbtemp", 0, "Text1", true},    {"Text2", "cmdsite", 2, "Text2", true},
    {"Text3", "cmdpress1", 1, "Text4", false}, {"Text4", nullptr, -1, nullptr, true},
    {"Text5", "Combo1", -1, "Text6", false},   {"Text6", "Combo2", 3, "Text6", true},
    {"Text7", "Combo3", 1, "Text18", false},   {"Text18", "Combo6", 0, "Text18", true},
    {"Text17", "Combo7", 1, "Text17", false},  {"Text16", "Combo8", 5, "Text16", true},
    {"Text14", "Combo4", 4, "Text26", false},  {"Text13", "Combo5", 4, "Text26", false},
    {"Text12", nullptr, -1, nullptr, false},   {"Text26", nullptr, -1, nullptr, true},
    {"Text25", nullptr, -1, nullptr, true},    {"Text10", "Combo11", 0, "Text10", true},
    {"Text11", "Combo12", 6, "Text11", false}, {"Text15", "Combo13", 5, "Text15", true},
    {"Text19", "Combo9", 0, "Text19", true},   {"Text20", "Combo10", 1, "Text20", true}};

template <class C>
C& control(frmgas& f, const char* name) {
  auto* found = dynamic_cast<C*>(f.findControl(name));
  if (found == nullptr) throw std::runtime_error(std::string("no control ") + name);
  return *found;
}

TEST_F(GasWindow, RowListsStartOnTheirDefaultUnitsAndPicksMoveTheFocus) {
  // temperature °C, pressure bar, height miles, drop psia, heating kCal/kg,
  // molar flows lbmol/h, low pressures mmHg.
  writeProgramFile("gtunits.qvd", "1*2*3*4*3*2*3*0*0*0\r\n");
  const int bySlot[] = {1, 2, 3, 4, 3, 2, 3};
  frmgas& f = window();
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(f.balancetype.listIndex(), 0);
  for (const RowFacts& row : kRowFacts) {
    if (row.list == nullptr) continue;
    auto& list = control<runtime::ComboBox>(f, row.list);
    EXPECT_EQ(list.listIndex(), row.slot < 0 ? 0 : bySlot[row.slot]) << row.list;
    f.setFocus(f.Command2);
    list.setListIndex(1);
    EXPECT_EQ(f.activeControl(), f.findControl(row.pickFocus)) << row.list;
  }
}

// The box's handler kept the last number that parsed; Evaluate must not use
// it: it says "Check your values", moves the focus there and computes nothing.
TEST_F(GasWindow, EvaluateRefusesEveryNeededBoxWithoutANumber) {
  frmgas& f = window();
  f.Check1.setValue(1);
  for (const RowFacts& row : kRowFacts) {
    if (!row.needed) continue;
    for (const char* text : {"", "abc", "1,5"}) {
      typeCase(f);
      services.messages.clear();
      auto& box = control<runtime::TextBox>(f, row.box);
      box.setText(text);
      f.setFocus(f.Command2);
      f.Command2.click();
      EXPECT_EQ(shownMessages(services),
                std::vector<std::string>{"error|Corvasine|Check your values"})
          << row.box << " \"" << text << '"';
      EXPECT_EQ(f.activeControl(), &box) << row.box;
      EXPECT_EQ(f.evaluation().dryAirFlow, 0.0);  // nothing computed
    }
  }
  EXPECT_EQ(f.rich_result.text(), kRightsNotice);
}

TEST_F(GasWindow, NewAndQuitAnsweredNoChangeNothing) {
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
  EXPECT_EQ(f.Text1.text(), "59");
  EXPECT_EQ(f.Text20.text(), "220");
  EXPECT_EQ(gasState().fuelComp[1], 85.25);
}

TEST_F(GasWindow, NewAnsweredYesEmptiesTheInputsAndTheComposition) {
  frmgas& f = window();
  typeCase(f);
  f.Command2.click();
  ASSERT_NE(f.rich_result.text(), kRightsNotice);
  f.cmbtemp.setListIndex(1);
  f.balancetype.setListIndex(1);
  f.Check1.setValue(1);
  f.Text8.setText("900");
  const GasInputState before = f.inputState();

  services.answers = {MessageAnswer::Yes};
  f.clickMenuItem("m_new");
  // Every box empty but the efficiencies, back on their design figures.
  for (const RowFacts& row : kRowFacts) {
    const std::string& text = control<runtime::TextBox>(f, row.box).text();
    EXPECT_EQ(text, row.box == std::string("Text26")   ? "2"
                    : row.box == std::string("Text25") ? "98"
                                                       : "")
        << row.box;
  }
  for (double share : gasState().fuelComp) EXPECT_EQ(share, 0.0);
  // Lists, mode, check box, hidden boxes and stored inputs stay; the result
  // of the last case goes.
  EXPECT_EQ(f.cmbtemp.listIndex(), 1);
  EXPECT_EQ(f.balancetype.listIndex(), 1);
  EXPECT_EQ(f.Check1.value(), 1);
  EXPECT_EQ(f.Text8.text(), "900");
  EXPECT_EQ(f.rich_result.text(), kRightsNotice);
  EXPECT_EQ(f.evaluation().thermalPower, 0.0);  // export and print refuse, as before any evaluation
  EXPECT_EQ(f.inputState().ambientTemp, before.ambientTemp);
  EXPECT_EQ(f.inputState().finalInletPress, before.finalInletPress);
  EXPECT_EQ(f.inputState().fuelFlow, before.fuelFlow);
  EXPECT_EQ(f.inputState().compDischPress, before.compDischPress);

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
  f->balancetype.setListIndex(1);
  f->cmbtemp.setListIndex(1);

  writeProgramFile("gtunits.qvd", "0*1*0*0*0*0*0*0*0*0\r\n");
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

// Cut and Paste edit the active box and run its change handler; Copy leaves it.
TEST_F(GasWindow, ClipboardCommandsOnTheActiveBox) {
  frmgas& f = window();
  f.Text1.setText("123.5");
  f.setFocus(f.Text1);
  f.Text1.setSelection(3, 2);
  f.clickMenuItem("m_copy");
  EXPECT_EQ(services.clipboard, ".5");
  EXPECT_EQ(f.Text1.text(), "123.5");
  services.clipboard = "old";
  f.clickMenuItem("m_cut");
  EXPECT_EQ(services.clipboard, ".5");
  EXPECT_EQ(f.Text1.text(), "123");
  EXPECT_EQ(f.inputState().ambientTemp, 123);

  f.Text2.setText("1000");
  f.setFocus(f.Text2);
  f.Text2.setSelection(0, 4);
  services.clipboard = "0";
  f.clickMenuItem("m_paste");
  EXPECT_EQ(f.Text2.text(), "0");
  EXPECT_EQ(f.Text3.text(), "14.7");

  // A control without text, or a computed box, is left as it is.
  f.setFocus(f.Check1);
  services.clipboard = "keep";
  for (const char* item : {"m_cut", "m_copy", "m_paste"}) f.clickMenuItem(item);
  EXPECT_EQ(services.clipboard, "keep");
  EXPECT_EQ(f.Check1.value(), 0);
  f.setFocus(f.Text3);
  f.Text3.setSelection(0, 4);
  f.clickMenuItem("m_paste");
  f.clickMenuItem("m_cut");
  EXPECT_EQ(f.Text3.text(), "14.7");
  EXPECT_EQ(services.clipboard, "14.7");

  // The result is copied but neither cut nor pasted into.
  f.setFocus(f.rich_result);
  f.rich_result.setSelection(0, 9);
  services.clipboard = "typed";
  f.clickMenuItem("m_paste");
  EXPECT_EQ(f.rich_result.text(), kRightsNotice);
  f.clickMenuItem("m_cut");
  EXPECT_EQ(f.rich_result.text(), kRightsNotice);
  EXPECT_EQ(services.clipboard, std::string(kRightsNotice).substr(0, 9));
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
  const std::string displays = expected[0];
  const std::string mixture = expected[1];
  expected.erase(expected.begin(), expected.begin() + 4);

  frmgas& f = window();
  const std::pair<runtime::ComboBox*, int> units[] = {
      {&f.cmbtemp, 1}, {&f.cmdsite, 2}, {&f.cmdpress1, 2},  {&f.Combo2, 2},  {&f.Combo3, 1},
      {&f.Combo4, 2},  {&f.Combo6, 1},  {&f.Combo8, 1},     {&f.Combo11, 1}, {&f.Combo9, 1},
      {&f.Combo10, 3}, {&f.Combo13, 3}, {&f.balancetype, 1}};
  for (auto [list, position] : units) list->setListIndex(position);
  f.Check1.setValue(1);
  const std::pair<runtime::TextBox*, const char*> texts[] = {
      {&f.Text1, "18.5"}, {&f.Text2, "0.45"},   {&f.Text4, "55"},    {&f.Text6, "2.5"},
      {&f.Text18, "40"},  {&f.Text17, "25"},    {&f.Text16, "26.4"}, {&f.Text10, "540"},
      {&f.Text11, "10"},  {&f.Text15, "43000"}, {&f.Text19, "410"},  {&f.Text20, "16.5"},
      {&f.Text26, "1.8"}, {&f.Text25, "97.5"}};
  for (auto [box, text] : texts) box->setText(text);
  EXPECT_EQ(f.Text3.text(), figure(displays, "Text3 (bar) "));
  EXPECT_EQ(f.Text5.text(), figure(displays, "Text5 "));
  EXPECT_EQ(f.Text7.text(), figure(displays, "Text7 (atm) "));

  f.Command1.click();
  frmcomp& comp = app.form<frmcomp>();
  const std::pair<runtime::TextBox*, const char*> shares[] = {
      {&comp.Text1, "90"}, {&comp.Text2, "5"},    {&comp.Text4, "1.5"}, {&comp.Text7, "0.5"},
      {&comp.Text13, "1"}, {&comp.Text14, "1.8"}, {&comp.Text15, "0.2"}};
  for (auto [box, text] : shares) box->setText(text);
  comp.Command1.click();
  EXPECT_EQ(f.Text12.text(), figure(mixture, "Text12 "));
  EXPECT_EQ(f.Text8.text(), figure(mixture, "Text8 "));
  EXPECT_EQ(f.Text14.text(), figure(mixture, "Text14 (kJ/kg) "));

  f.Command2.click();
  EXPECT_TRUE(services.messages.empty()) << services.messages.front().text;
  EXPECT_EQ(runtime::SplitText(f.rich_result.text(), "\r\n"), expected);
}

TEST_F(GasWindow, EvaluationFailuresShowTheirMessagesAndKeepTheResult) {
  frmgas& f = window();
  typeCase(f);
  f.Text15.setText("21.01");
  f.Command2.click();
  f.balancetype.setListIndex(1);
  f.Text15.setText("100");  // below the stoichiometric exhaust flow
  f.Command2.click();
  EXPECT_EQ(shownMessages(services),
            (std::vector<std::string>{"error|Corvasine|Check your values",
                                      "error|Corvasine|Insufficient air."}));
  EXPECT_EQ(f.rich_result.text(), kRightsNotice);
}

// The focus goes to the first such box in tab order.
TEST_F(GasWindow, EvaluateFocusesTheFirstBoxWithoutANumber) {
  frmgas& f = window();
  typeCase(f);
  f.Text20.setText("x");
  f.Text2.setText("y");
  f.Command2.click();
  EXPECT_EQ(f.activeControl(), &f.Text2);
}

// Boxes the evaluation does not read, or a generator efficiency left
// unticked, do not stop it; a pasted line break is no longer part of a box.
TEST_F(GasWindow, EvaluateIgnoresBoxesItDoesNotUse) {
  frmgas& f = window();
  typeCase(f);
  f.Text17.setText("abc");
  f.Text11.setText("abc");
  f.Text25.setText("abc");
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
