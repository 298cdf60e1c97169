// The steam window: rows, lists, check boxes, stream fields, New, the quit
// question, and reference/steam_reference.py's figures typed into it,
// compared character by character. The converter links: with the converters.

#include <gtest/gtest.h>

#include "shell/frmboota.h"
#include "shell/maker.h"
#include "steam_turbine/reference_cases.h"
#include "steam_turbine/steam_window_support.h"

namespace corvasine::steam_turbine {
namespace {

using runtime::ComboBox;
using runtime::Label;
using runtime::MessageAnswer;

constexpr runtime::Color kLightRed = 0xFF8080;

using FrmstmWindowTest = SteamWindowTest;

// Only the typed rows take input (temperature, pressure and flow; not the
// exhaust flow, which follows the balance), those of induction and extraction
// only while their stream is ticked. Unticking keeps what was typed; a dimmed
// tick counts as off.
TEST_F(FrmstmWindowTest, TypedRowsTakeInputWhileTheirStreamIsOn) {
  frmstm& f = window();
  for (const char* ticks : {"Check1=1 Check2=1", "Text8=600 Check1=0 Check2=2"}) {
    typeInto(f, ticks);
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
      typeInto(first, streams + pick + " " + typed);
      const std::vector<std::string> expected = evaluated(first);
      frmstm& after = window();
      typeInto(after, streams + typed + " " + pick);
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
  const std::pair<const char*, const char*> picks[] = {{"Combo16=1", "Text1"},
                                                       {"Check1=1 Combo10=2", "Text9"},
                                                       {"Combo14=1", "Text9"},
                                                       {"Combo21=1", "Text22"},
                                                       {"Combo4=1", "Text3"}};
  for (const auto& [typed, focus] : picks) {
    typeInto(f, typed);
    EXPECT_EQ(f.activeControl(), f.findControl(focus)) << typed;
  }
  for (const char* label : {"Label12", "Label13", "Label14", "Label22"})
    EXPECT_EQ(control<Label>(f, label).caption(), "°C") << label;
  for (const char* label : {"Label8", "Label9", "Label10", "Label11"})
    EXPECT_EQ(control<Label>(f, label).caption(), "°F") << label;
}

// New asks nothing, empties every box and keeps the lists and the stream
// record's values.
TEST_F(FrmstmWindowTest, NewEmptiesTheBoxesAndKeepsTheLists) {
  frmstm& f = window();
  typeInto(f,
           "Combo2=1 Check1=1 Check2=1 Text1=250 Text2=600 Text3=100 Text8=200 Text9=100 Text10=5 "
           "Text21=200 Text20=50 Text19=7 Text23=50 Text22=300 Combo1=1");
  f.results.setText("kept");
  const double temperature = f.streamState().streamTemp[kInlet];
  f.m_new_Click();
  EXPECT_TRUE(services.messages.empty());
  for (runtime::Control* c : f.controls())
    if (c != &f.results && c->kind() == runtime::ControlKind::TextBox) {
      EXPECT_EQ(control(f, c->name()).text(), "") << c->name();
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
  typeInto(f, "Text1=500");
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

TEST_F(FrmstmWindowTest, SwitchingTheTypeRelabelsTheExhaustTemperature) {
  frmstm& f = window();
  for (const auto& [typed, caption, unit] : {std::tuple("Combo1=1", "Vapor fraction:", "%"),
                                             std::tuple("Combo1=0", "Temperature:", "°F")}) {
    typeInto(f, typed);
    EXPECT_EQ(control<Label>(f, "Label43").caption(), caption);
    EXPECT_EQ(control<Label>(f, "Label50").caption(), unit);
    EXPECT_EQ(f.findControl("Combo21")->visible(), std::string(unit) == "°F");
  }
}

// Induction and extraction count only while their streams are on; without
// an inlet number the exhaust flow box shows nothing. A negative box shows
// light red, and takes its normal look back when it is not negative (-0 is
// not); an emptied box keeps its colour.
TEST_F(FrmstmWindowTest, FlowBalanceOfInductionAndExtractionAndTheSignMarking) {
  frmstm& f = window();
  const auto exhaust = [&](const std::string& typed) {
    typeInto(f, typed);
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

// The window writes the exhaust flow box before it evaluates: the inlet text
// itself without extra streams, blanks and all.
TEST_F(FrmstmWindowTest, ExhaustFlowBoxTakesTheInletTextUnchanged) {
  frmstm& f = window();
  typeInto(f, "Text1=900 Text2=900 Text3=250 Text22=500 Text23=150");
  f.inlet.flow.setText(" 250");
  EXPECT_EQ(f.exhaust.flow.text(), "250");
  f.cmdresult.click();
  EXPECT_EQ(f.exhaust.flow.text(), " 250");
}

TEST_F(FrmstmWindowTest, EveryReferenceBlockTypedIntoTheWindow) {
  const std::vector<testing::SteamReferenceCase> blocks =
      testing::readSteamReference(CORVASINE_STEAM_REFERENCE_DIR "/steam_reference.txt");
  ASSERT_GE(blocks.size(), 15u);
  int cases = 0;
  for (const testing::SteamReferenceCase& block : blocks) {
    SCOPED_TRACE(block.name);
    frmstm& f = window();
    services.messages.clear();
    typeInto(f, block.typed);
    for (const auto& [name, text] : block.shown)
      EXPECT_EQ(SteamWindowTest::text(f, name), text) << name;
    if (block.evaluated) {
      ++cases;
      const std::string before = f.results.text();
      f.cmdresult.click();
      if (block.message == "-") {
        EXPECT_TRUE(services.messages.empty());
      } else {
        ASSERT_EQ(services.messages.size(), 1u);
        EXPECT_EQ(services.messages[0].text, block.message);
      }
      if (block.text24 != "-") {
        EXPECT_EQ(text(f, "Text24"), block.text24);
      }
      EXPECT_EQ(f.results.text(), block.results == "-" ? before : block.results);
      EXPECT_EQ(f.cmdresult.caption(), "Evaluate Performance");
      EXPECT_TRUE(f.cmdresult.enabled());
    }
    close(f);
  }
  EXPECT_GE(cases, 6);
}

}  // namespace
}  // namespace corvasine::steam_turbine
