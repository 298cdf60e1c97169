// The gas window: layout, start-up order, New, quit, clipboard, the windows
// and pages it opens, and a whole evaluation typed into its boxes.

#include <gtest/gtest.h>

#include <ostream>
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

TEST_F(GasWindow, MenusAndShortcuts) {
  std::vector<std::string> shown;
  for (const runtime::Menu& menu : window().menus()) {
    shown.push_back(menu.name + " " + menu.caption);
    for (const runtime::MenuItem& item : menu.items)
      shown.push_back(item.isSeparator() ? "-"
                                         : item.name + " " + item.caption + " " + item.shortcut);
  }
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "mm_file &File", "m_new &New Ctrl+N", "m_save &Save Ctrl+S",
                       "m_open &Open Ctrl+O", "-", "exporty &Export ", "printoo &Print Ctrl+P", "-",
                       "m_exit &Exit ", "mm_edit &Edit", "m_copy &Copy Ctrl+C", "m_cut &Cut Ctrl+X",
                       "m_paste &Paste Ctrl+V", "-", "m_units &Default Units Ctrl+U",
                       "mm_help &Help", "m_help &Help F1", "m_about &About Ctrl+A"}));
}

TEST_F(GasWindow, LoadSetsTheListsFromTheUnitsFile) {
  // temperature °C, pressure bar, height miles, drop psia, heating kCal/kg,
  // molar flows lbmol/h, low pressures mmHg.
  writeProgramFile("gtunits.qvd", "1*2*3*4*3*2*3*0*0*0\r\n");
  frmgas& f = window();
  EXPECT_TRUE(services.messages.empty());
  const std::pair<runtime::ComboBox*, int> positions[] = {
      {&f.cmbtemp, 1}, {&f.Combo6, 1},     {&f.Combo9, 1},  {&f.Combo11, 1}, {&f.cmdpress1, 2},
      {&f.Combo3, 2},  {&f.Combo7, 2},     {&f.Combo10, 2}, {&f.cmdsite, 3}, {&f.Combo2, 4},
      {&f.Combo4, 3},  {&f.Combo5, 3},     {&f.Combo8, 2},  {&f.Combo13, 2}, {&f.Combo12, 3},
      {&f.Combo1, 0},  {&f.balancetype, 0}};
  for (auto [list, position] : positions) EXPECT_EQ(list->listIndex(), position) << list->name();
}

TEST_F(GasWindow, LoadPreparesTheWindow) {
  gasState().fuelComp.fill(7.0);
  frmgas& f = window();
  EXPECT_TRUE(f.visible());
  EXPECT_EQ(f.activeControl(), &f.Text1);
  EXPECT_EQ(f.rich_result.text(), kRightsNotice);
  EXPECT_EQ(f.inputState().balanceMode, 0);
  EXPECT_FALSE(f.Combo13.visible());
  for (runtime::TextBox* box :
       {&f.Text3, &f.Text5, &f.Text7, &f.Text12, &f.Text13, &f.Text14, &f.Text25})
    EXPECT_FALSE(box->enabled()) << box->name();
  EXPECT_EQ(f.Text26.text(), "2");
  EXPECT_EQ(f.Text25.text(), "98");
  EXPECT_EQ(f.Check1.value(), 0);
  for (std::size_t i = 0; i <= 20; ++i)
    EXPECT_EQ(gasState().fuelComp[i], i >= 1 && i <= 18 ? 0.0 : 7.0) << i;
  EXPECT_EQ(gasState().airO2, 20.95);
  EXPECT_EQ(gasState().airN2, 78.09);
  EXPECT_EQ(gasState().airAr, 0.93);
  EXPECT_EQ(gasState().airCO2, 0.03);
  EXPECT_EQ(f.helpFile(), services.programFolder + "/corvasine.hlp");
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
  for (runtime::TextBox* box : {&f.Text1, &f.Text2, &f.Text3, &f.Text4, &f.Text5, &f.Text6,
                                &f.Text7, &f.Text18, &f.Text17, &f.Text16, &f.Text14, &f.Text13,
                                &f.Text12, &f.Text10, &f.Text11, &f.Text15, &f.Text19, &f.Text20})
    EXPECT_EQ(box->text(), "") << box->name();
  EXPECT_EQ(f.Text26.text(), "2");
  EXPECT_EQ(f.Text25.text(), "98");
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
  EXPECT_EQ(again.Text26.text(), "2");
  EXPECT_EQ(again.Text25.text(), "98");
  EXPECT_EQ(again.balancetype.listIndex(), 0);
  EXPECT_EQ(again.inputState().balanceMode, 0);
  EXPECT_EQ(again.cmbtemp.listIndex(), 0);
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

// A box that the evaluation depends on and that holds no number.
struct UnusableBox {
  const char* name;
  runtime::TextBox frmgas::*box;
  const char* text;
  bool exhaustFlowMode;
  bool generatorTicked;
};
void PrintTo(const UnusableBox& c, std::ostream* out) { *out << c.name; }

class StaleValue : public FrmgasTest, public ::testing::WithParamInterface<UnusableBox> {};

// The box's handler kept the last number that parsed; Evaluate must not use
// it: it says "Check your values", moves the focus there and computes nothing.
TEST_P(StaleValue, EvaluateRefusesAndFocusesTheBox) {
  const UnusableBox& c = GetParam();
  frmgas& f = window();
  typeCase(f);
  if (c.exhaustFlowMode) f.balancetype.setListIndex(1);
  f.Check1.setValue(c.generatorTicked ? 1 : 0);
  runtime::TextBox& box = f.*c.box;
  box.setText(c.text);
  f.setFocus(f.Text26);
  f.Command2.click();
  EXPECT_EQ(shownMessages(services), std::vector<std::string>{"error|Corvasine|Check your values"});
  EXPECT_EQ(f.activeControl(), &box);
  EXPECT_EQ(f.rich_result.text(), kRightsNotice);
  EXPECT_EQ(f.evaluation().dryAirFlow, 0.0);  // nothing computed
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, StaleValue,
    ::testing::Values(UnusableBox{"CommaInFuelFlow", &frmgas::Text16, "3,500", false, false},
                      UnusableBox{"LettersInFuelFlow", &frmgas::Text16, "abc", false, false},
                      UnusableBox{"LettersInAmbient", &frmgas::Text1, "abc", false, false},
                      UnusableBox{"CommaInAltitude", &frmgas::Text2, "1,000", false, false},
                      UnusableBox{"LettersInHumidity", &frmgas::Text4, "x", false, false},
                      UnusableBox{"EmptyDrop", &frmgas::Text6, "", false, false},
                      UnusableBox{"CommaInFuelTemperature", &frmgas::Text18, "8,5", false, false},
                      UnusableBox{"EmptyMechanicalLosses", &frmgas::Text26, "", false, false},
                      UnusableBox{"TickedGenerator", &frmgas::Text25, "9 8", false, true},
                      UnusableBox{"LettersInExhaustTemp", &frmgas::Text10, "hot", false, false},
                      UnusableBox{"CommaInO2Target", &frmgas::Text15, "15,5", false, false},
                      UnusableBox{"LettersInExhaustFlow", &frmgas::Text15, "abc", true, false},
                      UnusableBox{"LettersInCdt", &frmgas::Text19, "7x", false, false},
                      UnusableBox{"CommaInCdp", &frmgas::Text20, "2,20", false, false}),
    [](const ::testing::TestParamInfo<UnusableBox>& info) { return info.param.name; });

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
