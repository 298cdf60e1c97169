// The steam window itself: its rows, lists, check boxes, converter links,
// New and the quit question.

#include <gtest/gtest.h>

#include <array>

#include "shell/converters.h"
#include "shell/frmboota.h"
#include "shell/frmmain.h"
#include "shell/maker.h"
#include "shell/vari.h"
#include "steam_turbine/register.h"
#include "steam_turbine/steam_window_support.h"

namespace corvasine::steam_turbine {
namespace {

using runtime::ComboBox;
using runtime::Label;
using runtime::MessageAnswer;

using FrmstmWindowTest = SteamWindowTest;

// Every stream group is the same seven rows, each a caption, a box and a unit
// list or label on one line of its frame (the exhaust's one line lower, under
// the turbine type): temperature, pressure and flow typed, the rest derived,
// the exhaust flow too.
TEST_F(FrmstmWindowTest, EveryStreamGroupIsTheSameSevenRows) {
  using Names = std::array<const char*, 7>;
  const struct {
    const char* frame;
    int firstRow;
    Names captions, boxes, units;
  } groups[] = {
      {"Frame1",
       0,
       {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7"},
       {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"},
       {"Combo2", "Combo3", "Combo4", "Label9", "Label8", "Combo5", "Combo6"}},
      {"Frame2",
       0,
       {"Label15", "Label16", "Label17", "Label18", "Label19", "Label20", "Label21"},
       {"Text8", "Text9", "Text10", "Text11", "Text12", "Text13", "Text14"},
       {"Combo11", "Combo10", "Combo9", "Label10", "Label11", "Combo8", "Combo7"}},
      {"Frame3",
       0,
       {"Label42", "Label41", "Label40", "Label39", "Label38", "Label37", "Label36"},
       {"Text21", "Text20", "Text19", "Text18", "Text17", "Text16", "Text15"},
       {"Combo16", "Combo15", "Combo14", "Label12", "Label13", "Combo13", "Combo12"}},
      {"Frame4",
       1,
       {"Label43", "Label44", "Label45", "Label46", "Label47", "Label48", "Label49"},
       {"Text22", "Text23", "Text24", "Text25", "Text26", "Text27", "Text28"},
       {"Combo21", "Combo20", "Combo19", "Label14", "Label22", "Combo18", "Combo17"}},
  };
  const char* captions[] = {"Temperature:",
                            "Pressure:",
                            "Flow:",
                            "Saturation temperature:",
                            "Degree of superheat:",
                            "Specific entropy:",
                            "Specific enthalpy:"};
  const std::vector<std::string> units[] = {{"°F", "°C"},
                                            {"psia", "atm", "bar", "kg/cm2"},
                                            {"kpph", "lb/h", "lb/s", "kg/h", "kg/s", "tons/h"},
                                            {"°F"},
                                            {"°F"},
                                            {"Btu/lb.F", "KJ/kg.K", "Kcal/kg.C"},
                                            {"Btu/lb", "KJ/kg", "Kcal/kg"}};
  frmstm& f = window();
  for (const auto& g : groups) {
    for (std::size_t row = 0; row < 7; ++row) {
      SCOPED_TRACE(g.boxes[row]);
      const auto& caption = control<Label>(f, g.captions[row]);
      const auto& box = control(f, g.boxes[row]);
      const runtime::Control& unit = control<runtime::Control>(f, g.units[row]);
      EXPECT_EQ(caption.caption(), captions[row]);
      for (const runtime::Control* c :
           std::array<const runtime::Control*, 3>{&caption, &box, &unit}) {
        EXPECT_EQ(c->container(), f.findControl(g.frame));
        EXPECT_EQ(c->rect().top, 300 + 345 * (g.firstRow + static_cast<int>(row)));
      }
      EXPECT_LT(caption.tabIndex(), box.tabIndex());
      EXPECT_LT(box.tabIndex(), unit.tabIndex());
      EXPECT_EQ(box.enabled(), row < 2 || (row == 2 && g.firstRow == 0));
      if (const auto* list = dynamic_cast<const ComboBox*>(&unit)) {
        EXPECT_EQ(list->items(), units[row]);
        EXPECT_EQ(list->listIndex(), 0);
      } else {
        EXPECT_EQ(static_cast<const Label&>(unit).caption(), units[row][0]);
      }
    }
  }
  EXPECT_EQ(f.caption(), "Steam Turbine - Corvasine");
  EXPECT_EQ(f.results.text(), "All results will be based on ASME Steam corelations");
  EXPECT_EQ(f.helpFile(), services.programFolder + "/corvasine.hlp");
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(FrmstmWindowTest, CheckBoxesEnableTheirFramesAndKeepTheirValues) {
  frmstm& f = window();
  EXPECT_FALSE(f.Frame2.enabled());
  EXPECT_FALSE(f.Frame3.enabled());
  f.Check1.setValue(1);
  EXPECT_TRUE(f.Frame2.enabled());
  EXPECT_EQ(f.streamState().inductionOn, kTrue);
  type(f, "Text8=600 Check1=0");
  EXPECT_FALSE(f.Frame2.enabled());
  EXPECT_FALSE(control(f, "Text8").acceptsInput());
  EXPECT_EQ(text(f, "Text8"), "600");
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
    close(f);
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
// off; the unit labels of a group, and only of that group, follow its
// temperature list.
TEST_F(FrmstmWindowTest, AUnitPickMovesTheFocusIntoAnEnabledFrameOnly) {
  frmstm& f = window();
  f.setFocus(control(f, "Text1"));
  type(f, "Combo16=1");
  EXPECT_EQ(f.activeControl(), f.findControl("Text1"));
  type(f, "Check1=1 Combo10=2");
  EXPECT_EQ(f.activeControl(), f.findControl("Text9"));
  type(f, "Combo14=1");
  EXPECT_EQ(f.activeControl(), f.findControl("Text9"));
  type(f, "Combo21=1");
  EXPECT_EQ(f.activeControl(), f.findControl("Text22"));
  type(f, "Combo4=1");
  EXPECT_EQ(f.activeControl(), f.findControl("Text3"));
  for (const char* label : {"Label12", "Label13", "Label14", "Label22"})
    EXPECT_EQ(control<Label>(f, label).caption(), "°C") << label;
  for (const char* label : {"Label8", "Label9", "Label10", "Label11"})
    EXPECT_EQ(control<Label>(f, label).caption(), "°F") << label;
}

// Each link opens its converter for its box and list; Label50 lies under
// Combo21, the exhaust temperature's list.
TEST_F(FrmstmWindowTest, UnitLabelsOpenTheConverters) {
  frmstm& f = window();
  auto& vari = shell::vari(app);
  const struct {
    const char* label;
    shell::ConverterTarget shell::Vari::*target;
    const char* box;
  } links[] = {{"Label9", &shell::Vari::tempTarget, "Text1"},
               {"Label22", &shell::Vari::tempTarget, "Text8"},
               {"Label8", &shell::Vari::pressTarget, "Text2"},
               {"Label10", &shell::Vari::massTarget, "Text3"},
               {"Label50", &shell::Vari::tempTarget, "Text22"}};
  for (const auto& link : links) {
    control<Label>(f, link.label).click();
    EXPECT_EQ((vari.*link.target).get(), f.findControl(link.box)) << link.label;
  }
  EXPECT_NE(app.find<shell::frmMass>(), nullptr);

  control<Label>(f, "Label9").click();
  auto& converter = app.form<shell::frmtemp1>();
  converter.Text1.setText("100");
  converter.Command1.click();
  EXPECT_EQ(text(f, "Text1"), "212");
}

// New asks nothing, empties every box and keeps the lists and the stream
// record's values.
TEST_F(FrmstmWindowTest, NewEmptiesTheBoxesAndKeepsTheLists) {
  frmstm& f = window();
  type(f,
       "Combo2=1 Check1=1 Check2=1 Text1=250 Text2=600 Text3=100 Text8=200 Text9=100 Text10=5 "
       "Text21=200 Text20=50 Text19=7 Text23=50 Text22=300 Combo1=1");
  f.results.setText("kept");
  const double temperature = f.streamState().streamTemp[kInlet];
  f.m_new_Click();
  EXPECT_TRUE(services.messages.empty());
  for (runtime::Control* c : f.controls()) {
    if (c != &f.results && c->kind() == runtime::ControlKind::TextBox) {
      EXPECT_EQ(control(f, c->name()).text(), "") << c->name();
    }
  }
  EXPECT_EQ(f.Combo1.listIndex(), 0);
  EXPECT_EQ(f.Check1.value(), 0);
  EXPECT_EQ(f.Check2.value(), 0);
  EXPECT_FALSE(f.Frame2.enabled());
  EXPECT_EQ(control<ComboBox>(f, "Combo2").listIndex(), 1);
  EXPECT_EQ(f.streamState().streamTemp[kInlet], temperature);
  EXPECT_EQ(f.results.text(), kResultsAtLoad);
}

TEST_F(FrmstmWindowTest, TheQuitQuestionAndTheHomePage) {
  frmstm& f = window();
  f.Label58.click();
  EXPECT_EQ(services.pagesOpened, std::vector<std::string>{shell::kHomePage});
  f.clickMenuItem("m_about");
  type(f, "Text1=500");
  services.answers = {MessageAnswer::No};
  f.clickMenuItem("m_exit");
  ASSERT_NE(app.find<frmstm>(), nullptr);
  EXPECT_EQ(text(f, "Text1"), "500");
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
  type(f, "Text1=900 Text2=600 Text3=100 Text23=150 Text22=350");
  const std::string before = f.results.text();
  type(f, "Text3=1,00");
  f.cmdresult.click();
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, "Check your values");
  EXPECT_EQ(services.messages[0].title, "Corvasine");
  EXPECT_EQ(f.results.text(), before);

  type(f, "Text3=100 Check1=1");  // an enabled induction group must be typed too
  f.cmdresult.click();
  EXPECT_EQ(services.messages.size(), 2u);
  EXPECT_EQ(f.results.text(), before);
}

TEST_F(FrmstmWindowTest, TheStartWindowOpensOneSteamWindow) {
  registerSteamTurbine(app);
  auto& start = app.form<shell::frmmain>();
  start.cmdsteam.click();
  frmstm* opened = app.find<frmstm>();
  ASSERT_NE(opened, nullptr);
  EXPECT_TRUE(opened->visible());
  start.cmdsteam.click();
  EXPECT_EQ(app.find<frmstm>(), opened);
  close(*opened);
  start.cmdsteam.click();  // built again, from its load step
  ASSERT_NE(app.find<frmstm>(), nullptr);
  EXPECT_EQ(app.find<frmstm>()->results.text(), kResultsAtLoad);
}

}  // namespace
}  // namespace corvasine::steam_turbine
