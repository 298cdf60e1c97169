// The steam window itself: load, lists, check boxes, converter links, menus.

#include <gtest/gtest.h>

#include "shell/converters.h"
#include "shell/frmboota.h"
#include "shell/frmmain.h"
#include "shell/maker.h"
#include "shell/vari.h"
#include "steam_turbine/register.h"
#include "steam_turbine/steam_window_support.h"

namespace corvasine::steam_turbine {
namespace {

using runtime::MessageAnswer;

using FrmstmWindowTest = SteamWindowTest;

TEST_F(FrmstmWindowTest, LoadSetsTheWindowUp) {
  frmstm& f = window();
  EXPECT_EQ(f.caption(), "Steam Turbine - Corvasine");
  EXPECT_EQ(f.Combo1.listIndex(), 0);
  EXPECT_EQ(f.results.text(), "All results will be based on ASME Steam corelations");
  for (runtime::Control* c : f.controls()) {
    if (c->kind() == runtime::ControlKind::ComboBox) {
      EXPECT_EQ(static_cast<runtime::ComboBox*>(c)->listIndex(), 0) << c->name();
    }
  }
  EXPECT_FALSE(f.Frame2.enabled());
  EXPECT_FALSE(f.Frame3.enabled());
  EXPECT_EQ(f.streamState().inductionOn, kFalse);
  EXPECT_FALSE(f.Text4.enabled());
  EXPECT_FALSE(f.Text24.enabled());
  EXPECT_EQ(f.helpFile(), services.programFolder + "/corvasine.hlp");
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(FrmstmWindowTest, CheckBoxesEnableTheirFramesAndKeepTheirValues) {
  frmstm& f = window();
  f.Check1.setValue(1);
  EXPECT_TRUE(f.Frame2.enabled());
  EXPECT_EQ(f.streamState().inductionOn, kTrue);
  f.Text8.setText("600");
  f.Check1.setValue(0);
  EXPECT_FALSE(f.Frame2.enabled());
  EXPECT_FALSE(f.Text8.acceptsInput());
  EXPECT_EQ(f.Text8.text(), "600");
  f.Check2.setValue(2);  // dimmed counts as off
  EXPECT_FALSE(f.Frame3.enabled());
  EXPECT_EQ(f.streamState().extractionOn, kFalse);
  f.Check2.setValue(1);
  EXPECT_EQ(f.streamState().extractionOn, kTrue);
}

// A unit picked after the case is typed gives what the same case typed with
// the unit picked first gives: derived boxes, unit labels, stream record and
// Evaluate. Every list of every group, every entry but the first.
TEST_F(FrmstmWindowTest, AUnitPickedAfterTypingReadsTheBoxesAgain) {
  const std::string streams = "Check1=1 Check2=1 ";
  const std::string typed =
      "Text1=750 Text2=600 Text3=100 Text8=500 Text9=100 Text10=10 Text21=400 Text20=50 "
      "Text19=20 Text22=300 Text23=20";
  const auto evaluated = [&](frmstm& f) {
    services.messages.clear();
    f.cmdresult.click();
    std::vector<std::string> seen = snapshot(f);
    for (const auto& m : services.messages) seen.push_back(m.text);
    services.answers = {MessageAnswer::Yes};
    app.unload(f);
    return seen;
  };
  // Names and sizes first: each case unloads the window that holds the lists.
  std::vector<std::pair<std::string, std::size_t>> unitLists;
  for (const runtime::ComboBox* list : window().unitLists())
    unitLists.emplace_back(list->name(), list->items().size());
  std::size_t lists = 0;
  for (const auto& [name, size] : unitLists) {
    for (std::size_t unit = 1; unit < size; ++unit) {
      SCOPED_TRACE(name + "=" + std::to_string(unit));
      const std::string pick = name + "=" + std::to_string(unit);
      frmstm& first = window();
      type(first, streams + pick + " " + typed);
      const std::vector<std::string> expected = evaluated(first);
      frmstm& after = window();
      type(after, streams + typed + " " + pick);
      EXPECT_EQ(evaluated(after), expected);
    }
    ++lists;
  }
  EXPECT_EQ(lists, 20u);
}

// The focus goes to the box the list's handler read, unless its frame is
// off; the unit labels of a group follow its temperature list.
TEST_F(FrmstmWindowTest, AUnitPickMovesTheFocusIntoAnEnabledFrameOnly) {
  frmstm& f = window();
  f.setFocus(f.Text1);
  f.Combo16.setListIndex(1);
  EXPECT_EQ(f.activeControl(), &f.Text1);
  EXPECT_EQ(f.Label12.caption(), "°C");
  EXPECT_EQ(f.Label13.caption(), "°C");
  f.Check1.setValue(1);
  f.Combo10.setListIndex(2);
  EXPECT_EQ(f.activeControl(), &f.Text9);
  f.Combo14.setListIndex(1);
  EXPECT_EQ(f.activeControl(), &f.Text9);
  f.Combo21.setListIndex(1);
  EXPECT_EQ(f.activeControl(), &f.Text22);
  EXPECT_EQ(f.Label14.caption(), "°C");
  EXPECT_EQ(f.Label22.caption(), "°C");
  EXPECT_EQ(f.Label8.caption(), "°F");
}

TEST_F(FrmstmWindowTest, UnitLabelsOpenTheConverters) {
  frmstm& f = window();
  f.Label9.click();
  f.Label22.click();
  auto& vari = shell::vari(app);
  EXPECT_EQ(vari.tempTarget.get(), &f.Text8);
  ASSERT_NE(app.find<shell::frmtemp1>(), nullptr);
  f.Label8.click();
  EXPECT_EQ(vari.pressTarget.get(), &f.Text2);
  f.Label10.click();
  EXPECT_EQ(vari.massTarget.get(), &f.Text3);
  ASSERT_NE(app.find<shell::frmMass>(), nullptr);
  f.Label50.click();  // under Combo21, the exhaust temperature's list
  EXPECT_EQ(vari.tempTarget.get(), &f.Text22);

  f.Label9.click();
  auto& converter = app.form<shell::frmtemp1>();
  converter.Text1.setText("100");
  converter.Command1.click();
  EXPECT_EQ(f.Text1.text(), "212");
}

TEST_F(FrmstmWindowTest, NewEmptiesTheBoxesAndKeepsTheLists) {
  frmstm& f = window();
  f.Combo2.setListIndex(1);
  f.Check1.setValue(1);
  f.Combo1.setListIndex(1);
  f.Text1.setText("250");
  f.Text2.setText("600");
  f.results.setText("kept");
  f.m_new_Click();
  EXPECT_TRUE(services.messages.empty());  // no question
  EXPECT_EQ(f.Text1.text(), "");
  EXPECT_EQ(f.Text6.text(), "");
  EXPECT_EQ(f.Combo1.listIndex(), 0);
  EXPECT_EQ(f.Check1.value(), 0);
  EXPECT_FALSE(f.Frame2.enabled());
  EXPECT_EQ(f.Combo2.listIndex(), 1);
  EXPECT_EQ(f.results.text(), kResultsAtLoad);
  f.Text1.setText("100");
  EXPECT_EQ(f.streamState().streamTemp[kInlet], 212);
}

TEST_F(FrmstmWindowTest, MenusAndTheQuitQuestion) {
  frmstm& f = window();
  ASSERT_EQ(f.menus().size(), 3u);
  std::vector<std::string> items;
  for (const auto& menu : f.menus())
    for (const auto& item : menu.items) items.push_back(item.name + " " + item.shortcut);
  EXPECT_EQ(items,
            (std::vector<std::string>{"m_new Ctrl+N", "m_save Ctrl+S", "m_open Ctrl+O", "mnu_sep1 ",
                                      "m_exit ", "m_copy Ctrl+C", "m_cut Ctrl+X", "m_paste Ctrl+V",
                                      "m_help F1", "m_about Ctrl+A"}));

  f.clickMenuItem("m_help");
  EXPECT_EQ(services.helpShown, std::vector<std::string>{f.helpFile()});
  f.clickMenuItem("m_about");
  EXPECT_NE(app.find<shell::frmboota>(), nullptr);
  f.Label58.click();
  EXPECT_EQ(services.pagesOpened, std::vector<std::string>{shell::kHomePage});

  f.Text1.setText("500");
  services.answers = {MessageAnswer::No};
  f.clickMenuItem("m_exit");
  ASSERT_NE(app.find<frmstm>(), nullptr);
  EXPECT_EQ(f.Text1.text(), "500");
  EXPECT_EQ(services.messages.back().title, "Corvasine - Steamturbine");
  EXPECT_EQ(services.messages.back().text, "Are you sure to quit?");
  services.answers = {MessageAnswer::Yes};
  f.clickMenuItem("m_exit");
  EXPECT_EQ(app.find<frmstm>(), nullptr);
  EXPECT_NE(app.find<shell::frmboota>(), nullptr);  // what it opened stays
}

// Evaluate never computes with a number that a typed box does not show.
TEST_F(FrmstmWindowTest, EvaluateRefusesBoxesWithoutNumbers) {
  frmstm& f = window();
  f.Text1.setText("900");
  f.Text2.setText("600");
  f.Text3.setText("100");
  f.Text23.setText("150");
  f.Text22.setText("350");
  const std::string before = f.results.text();
  f.Text3.setText("1,00");
  f.cmdresult.click();
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, "Check your values");
  EXPECT_EQ(services.messages[0].title, "Corvasine");
  EXPECT_EQ(f.results.text(), before);

  f.Text3.setText("100");
  f.Check1.setValue(1);  // an enabled induction group must be typed too
  f.cmdresult.click();
  EXPECT_EQ(services.messages.size(), 2u);
  EXPECT_EQ(f.results.text(), before);
}

TEST_F(FrmstmWindowTest, TheStartWindowOpensOneSteamWindow) {
  registerSteamTurbine(app);
  auto& start = app.form<shell::frmmain>();
  ASSERT_TRUE(start.cmdsteam.enabled());
  start.cmdsteam.click();
  frmstm* opened = app.find<frmstm>();
  ASSERT_NE(opened, nullptr);
  EXPECT_TRUE(opened->visible());
  start.cmdsteam.click();
  EXPECT_EQ(app.find<frmstm>(), opened);
  services.answers = {MessageAnswer::Yes};
  app.unload(*opened);
  start.cmdsteam.click();  // built again, from its load step
  ASSERT_NE(app.find<frmstm>(), nullptr);
  EXPECT_EQ(app.find<frmstm>()->results.text(), kResultsAtLoad);
}

}  // namespace
}  // namespace corvasine::steam_turbine
