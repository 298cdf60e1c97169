// The steam window itself: its rows, lists, check boxes, New and the quit
// question. The converter links are tested with the converters.

#include <gtest/gtest.h>

#include "shell/frmboota.h"
#include "shell/maker.h"
#include "steam_turbine/steam_window_support.h"

namespace corvasine::steam_turbine {
namespace {

using runtime::ComboBox;
using runtime::Label;
using runtime::MessageAnswer;

using FrmstmWindowTest = SteamWindowTest;

// Only the typed rows take input (temperature, pressure and flow; not the
// exhaust flow, which follows the balance), those of induction and extraction
// only while their stream is ticked. Unticking keeps what was typed; a dimmed
// tick counts as off.
TEST_F(FrmstmWindowTest, TypedRowsTakeInputWhileTheirStreamIsOn) {
  frmstm& f = window();
  for (const char* ticks : {"Check1=1 Check2=1", "Text8=600 Check1=0 Check2=2"}) {
    type(f, ticks);
    const bool on = f.Check1.value() == 1;
    EXPECT_EQ(f.streamState().inductionOn, on ? kTrue : kFalse);
    EXPECT_EQ(f.streamState().extractionOn, on ? kTrue : kFalse);
    for (StreamRows* g : {&f.inlet, &f.induction, &f.extraction, &f.exhaust}) {
      const bool extra = g == &f.induction || g == &f.extraction;
      const auto boxes = g->boxes();
      for (std::size_t row = 0; row < boxes.size(); ++row) {
        SCOPED_TRACE(boxes[row]->name());
        const bool typed = row < 2 || (row == 2 && g != &f.exhaust);
        EXPECT_EQ(boxes[row]->container(), boxes[0]->container());
        EXPECT_EQ(boxes[row]->acceptsInput(), typed && (on || !extra));
      }
    }
  }
  EXPECT_EQ(text(f, "Text8"), "600");
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

}  // namespace
}  // namespace corvasine::steam_turbine
