#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "runtime/application.h"
#include "runtime/runtime_error.h"
#include "support/fake_services.h"

namespace corvasine::runtime {
namespace {

// What the handlers ran, in order; one per application, like any shared state.
struct EventLog {
  std::vector<std::string> lines;
  bool unloadWhileLoading = false;  // the next TestForm unloads itself in Form_Load
};

// A small window whose handlers write into each other, as the calculators' do.
class TestForm : public Form {
 public:
  explicit TestForm(Application& app) : Form(app, "TestForm"), events(app.shared<EventLog>()) {
    Text1.onChange = [this] {
      logLine("Text1_Change begin");
      Text2.setText(Text1.text() + "!");
      logLine("Text1_Change end");
    };
    Text2.onChange = [this] {
      logLine("Text2_Change " + Text2.text());
      Text3.setText("from 2");
    };
    Text3.onChange = [this] { logLine("Text3_Change"); };
    Combo1.onClick = [this] { logLine("Combo1_Click " + std::to_string(Combo1.listIndex())); };
    Combo1.onValidate = [this](bool& cancel) {
      logLine("Combo1_Validate");
      cancel = refuseLeavingList;
      if (validateMovesFocus) setFocus(Text3);
    };
    Text1.onGotFocus = [this] { logLine("Text1_GotFocus"); };
    Check1.onClick = [this] { logLine("Check1_Click " + std::to_string(Check1.value())); };
    Option2.onClick = [this] { logLine("Option2_Click"); };
    Exit.onClick = [this] {
      application().unload(*this);
      logLine("after unload, still running: " + Text1.text());
    };
  }

  void Form_Load() override {
    ++loads;
    logLine("Form_Load");
    if (events.unloadWhileLoading) application().unload(*this);
  }
  void Form_Unload(int& cancel) override {
    logLine("Form_Unload");
    cancel = keepOpen ? 1 : 0;
  }

  Frame Frame1{*this, "Frame1", {0, 0, 2000, 1000}, "Frame"};
  TextBox Text1{*this, "Text1", {120, 120, 1000, 285}, &Frame1};
  TextBox Text2{*this, "Text2", {120, 480, 1000, 285}, &Frame1};
  TextBox Text3{*this, "Text3", {120, 840, 1000, 285}};
  ComboBox Combo1{*this, "Combo1", {1200, 120, 900, 315}, nullptr, {"°F", "°C"}};
  CheckBox Check1{*this, "Check1", {0, 1200, 1500, 255}, nullptr, "Tick"};
  OptionButton Option1{*this, "Option1", {0, 1500, 1500, 255}, nullptr, "One"};
  OptionButton Option2{*this, "Option2", {0, 1800, 1500, 255}, nullptr, "Two"};
  CommandButton Exit{*this, "Exit", {0, 2100, 900, 375}, nullptr, "Exit"};
  TextBox Note{*this, "Note", {0, 2500, 2000, 600}, nullptr, "", true};

  void logLine(const std::string& line) { events.lines.push_back(line); }

  EventLog& events;
  int loads = 0;
  bool keepOpen = false;
  bool refuseLeavingList = false;
  bool validateMovesFocus = false;
};

class FormEvents : public ::testing::Test {
 protected:
  testing::FakeServices services;
  Application app{services};
  std::vector<std::string>& log = app.shared<EventLog>().lines;
};

TEST_F(FormEvents, ChangeHandlersNestAndRunToTheirEnd) {
  auto& form = app.form<TestForm>();
  log.clear();
  form.Text1.setText("7");
  EXPECT_EQ(log, (std::vector<std::string>{"Text1_Change begin", "Text2_Change 7!", "Text3_Change",
                                           "Text1_Change end"}));
  EXPECT_EQ(form.Text3.text(), "from 2");
}

// A list, check box or option assigned in code runs its click, a list even
// without a change.
TEST_F(FormEvents, AssignedValuesRunTheClicks) {
  auto& form = app.form<TestForm>();
  form.Option1.setValue(true);
  log.clear();
  form.Combo1.setListIndex(1);
  form.Combo1.setListIndex(1);
  form.Check1.setValue(1);
  form.Option2.setValue(true);
  EXPECT_EQ(log, (std::vector<std::string>{"Combo1_Click 1", "Combo1_Click 1", "Check1_Click 1",
                                           "Option2_Click"}));
  EXPECT_EQ(form.Combo1.text(), "°C");
  EXPECT_FALSE(form.Option1.value());
  EXPECT_THROW(form.Combo1.setListIndex(2), RuntimeError);
}

TEST_F(FormEvents, LeavingAListValidatesAndMayKeepTheFocus) {
  auto& form = app.form<TestForm>();
  form.setFocus(form.Combo1);
  log.clear();
  form.refuseLeavingList = true;
  EXPECT_FALSE(form.setFocus(form.Text1));
  EXPECT_EQ(form.activeControl(), &form.Combo1);
  form.refuseLeavingList = false;
  EXPECT_TRUE(form.setFocus(form.Text1));
  EXPECT_EQ(form.activeControl(), &form.Text1);
  // A validate handler that moves the focus itself runs once.
  form.setFocus(form.Combo1);
  form.validateMovesFocus = true;
  EXPECT_TRUE(form.setFocus(form.Text1));
  EXPECT_EQ(form.activeControl(), &form.Text1);
  EXPECT_EQ(log, (std::vector<std::string>{"Combo1_Validate", "Combo1_Validate", "Text1_GotFocus",
                                           "Combo1_Validate", "Text1_GotFocus"}));
}

// One instance, loaded on first use; a cancelled unload keeps it with its
// state, and the next use after an unload builds a fresh one, which does not
// revive a reference to the old one's control.
TEST_F(FormEvents, OneInstanceFromLoadToUnload) {
  auto& form = app.form<TestForm>();
  EXPECT_EQ(&app.form<TestForm>(), &form);
  ControlRef<TextBox> target(form.Text3);
  EXPECT_EQ(form.loads, 1);
  form.Text3.setText("kept");
  form.keepOpen = true;
  EXPECT_FALSE(app.unload(form));
  ASSERT_EQ(app.find<TestForm>(), &form);
  EXPECT_EQ(form.Text3.text(), "kept");
  form.keepOpen = false;
  EXPECT_EQ(target.get(), &form.Text3);
  EXPECT_TRUE(app.unload(form));
  EXPECT_EQ(app.find<TestForm>(), nullptr);
  EXPECT_TRUE(target.isSet());
  EXPECT_EQ(target.get(), nullptr);
  auto& fresh = app.form<TestForm>();
  EXPECT_EQ(target.get(), nullptr);
  EXPECT_EQ(fresh.Text3.text(), "");
  EXPECT_EQ(fresh.loads, 1);
  EXPECT_EQ(log, (std::vector<std::string>{"Form_Load", "Text3_Change", "Form_Unload",
                                           "Form_Unload", "Form_Load"}));
}

TEST_F(FormEvents, UnloadInsideOwnHandlerFinishesTheHandler) {
  auto& form = app.form<TestForm>();
  form.Text1.setText("x");
  form.Exit.click();  // unloads itself, then reads its own control
  EXPECT_EQ(app.find<TestForm>(), nullptr);
  EXPECT_EQ(log.back(), "after unload, still running: x");
}

TEST_F(FormEvents, FormThatUnloadsWhileLoadingStaysReadableByItsCaller) {
  app.shared<EventLog>().unloadWhileLoading = true;
  auto& form = app.form<TestForm>();
  EXPECT_TRUE(form.isUnloaded());
  EXPECT_EQ(form.loads, 1);  // still a live object (checked under AddressSanitizer)
  EXPECT_EQ(app.find<TestForm>(), nullptr);
}

TEST_F(FormEvents, ObserversSeeEveryChange) {
  auto& form = app.form<TestForm>();
  std::vector<std::string> seen;
  form.subscribe([&seen](const Control* c) { seen.push_back(c ? c->name() : "form"); });
  form.Text1.setText("1");
  form.Text1.setEnabled(false);
  form.setCaption("New caption");
  EXPECT_EQ(seen, (std::vector<std::string>{"Text1", "Text2", "Text3", "Text1", "form"}));
}

TEST_F(FormEvents, SelectionEditsRunTheChangeHandler) {
  auto& form = app.form<TestForm>();
  form.Text3.setText("123456");
  form.Text3.setSelection(2, 3);
  EXPECT_EQ(form.Text3.selectedText(), "345");
  log.clear();
  form.Text3.replaceSelection("");
  EXPECT_EQ(form.Text3.text(), "126");
  EXPECT_EQ(log, (std::vector<std::string>{"Text3_Change"}));
  form.Text3.setSelection(10, 10);  // clamped to the text
  EXPECT_EQ(form.Text3.selStart(), 3);
  EXPECT_EQ(form.Text3.selLength(), 0);
}

// A single-line box keeps what stands before the first line break of a text
// assigned or pasted into it; a multi-line box keeps every line.
struct LineBreakCase {
  const char* name;
  const char* input;     // assigned (setText) or pasted over the "b" of "abc"
  const char* assigned;  // what the box then shows
  const char* pasted;
  bool multiLine;
};
void PrintTo(const LineBreakCase& c, std::ostream* out) { *out << c.name; }

class LineBreaks : public FormEvents, public ::testing::WithParamInterface<LineBreakCase> {};

TEST_P(LineBreaks, SingleLineBoxesKeepTheTextBeforeTheFirst) {
  const LineBreakCase& c = GetParam();
  auto& form = app.form<TestForm>();
  TextBox& box = c.multiLine ? form.Note : form.Text3;
  box.setText("abc");
  box.setSelection(1, 1);
  box.replaceSelection(c.input);
  EXPECT_EQ(box.text(), c.pasted);
  EXPECT_EQ(box.selStart() + box.selLength(), static_cast<int>(std::string(c.pasted).size()) - 1);
  box.setText(c.input);
  EXPECT_EQ(box.text(), c.assigned);
}

INSTANTIATE_TEST_SUITE_P(Texts, LineBreaks,
                         ::testing::Values(LineBreakCase{"CrLf", "62\r\n", "62", "a62c", false},
                                           LineBreakCase{"Lf", "62\nfoo", "62", "a62c", false},
                                           LineBreakCase{"LoneCr", "1\r2", "1", "a1c", false},
                                           LineBreakCase{"LeadingBreak", "\r\n7", "", "ac", false},
                                           LineBreakCase{"NoBreak", "45", "45", "a45c", false},
                                           LineBreakCase{"MultiLine", "\r\nmid\r\n", "\r\nmid\r\n",
                                                         "a\r\nmid\r\nc", true}),
                         [](const ::testing::TestParamInfo<LineBreakCase>& info) {
                           return info.param.name;
                         });

TEST_F(FormEvents, DisabledFrameBlocksItsChildren) {
  auto& form = app.form<TestForm>();
  EXPECT_TRUE(form.Text1.acceptsInput());
  form.Frame1.setEnabled(false);
  EXPECT_FALSE(form.Text1.acceptsInput());
  EXPECT_TRUE(form.Text3.acceptsInput());
}

TEST_F(FormEvents, NamedOpenersShowWindowsTheCallerDoesNotKnow) {
  EXPECT_FALSE(app.showForm("TestForm"));
  app.registerOpener("TestForm", [](Application& a) { a.form<TestForm>().show(); });
  EXPECT_TRUE(app.showForm("TestForm"));
  ASSERT_NE(app.find<TestForm>(), nullptr);
  EXPECT_TRUE(app.find<TestForm>()->visible());
  EXPECT_TRUE(app.anyVisibleForm());
}

}  // namespace
}  // namespace corvasine::runtime
