#include <gtest/gtest.h>

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
    Combo1.onValidate = [this](bool&) {
      logLine("Combo1_Validate");
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

  TextBox Text1{*this, "Text1", {120, 120, 1000, 285}};
  TextBox Text2{*this, "Text2", {120, 480, 1000, 285}};
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
  bool validateMovesFocus = false;
};

class FormEvents : public ::testing::Test {
 protected:
  testing::FakeServices services;
  Application app{services};
  std::vector<std::string>& log = app.shared<EventLog>().lines;
};

// Values assigned in code run the handlers: change handlers nest and run to
// their end; a list, check box or option runs its click, a list even without
// a change.
TEST_F(FormEvents, AssignedValuesRunTheHandlers) {
  auto& form = app.form<TestForm>();
  form.Option1.setValue(true);
  log.clear();
  form.Text1.setText("7");
  form.Combo1.setListIndex(1);
  form.Combo1.setListIndex(1);
  form.Check1.setValue(1);
  form.Option2.setValue(true);
  EXPECT_EQ(log, (std::vector<std::string>{"Text1_Change begin", "Text2_Change 7!", "Text3_Change",
                                           "Text1_Change end", "Combo1_Click 1", "Combo1_Click 1",
                                           "Check1_Click 1", "Option2_Click"}));
  EXPECT_EQ(form.Text3.text(), "from 2");
  EXPECT_EQ(form.Combo1.text(), "°C");
  EXPECT_FALSE(form.Option1.value());
  EXPECT_THROW(form.Combo1.setListIndex(2), RuntimeError);
}

// A validate handler that moves the focus itself runs once (a refusing one keeps the focus in
// the list: the view tests drive that through a real window).
TEST_F(FormEvents, ValidateHandlerMovingTheFocusRunsOnce) {
  auto& form = app.form<TestForm>();
  form.setFocus(form.Combo1);
  log.clear();
  form.validateMovesFocus = true;
  EXPECT_TRUE(form.setFocus(form.Text1));
  EXPECT_EQ(form.activeControl(), &form.Text1);
  EXPECT_EQ(log, (std::vector<std::string>{"Combo1_Validate", "Text1_GotFocus"}));
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

// A form unloaded inside its own handler, or while it loads, stays a live
// object until the event ends (checked under AddressSanitizer).
TEST_F(FormEvents, UnloadInsideAHandlerOrTheLoadFinishesIt) {
  auto& form = app.form<TestForm>();
  form.Text1.setText("x");
  form.Exit.click();  // unloads itself, then reads its own control
  EXPECT_EQ(app.find<TestForm>(), nullptr);
  EXPECT_EQ(log.back(), "after unload, still running: x");
  app.shared<EventLog>().unloadWhileLoading = true;
  auto& unloading = app.form<TestForm>();
  EXPECT_TRUE(unloading.isUnloaded());
  EXPECT_EQ(unloading.loads, 1);
  EXPECT_EQ(app.find<TestForm>(), nullptr);
}

// A selection is clamped to the text and its replacement runs the change
// handler. A single-line box keeps what stands before the first line break of
// a text assigned or pasted into it; a multi-line box keeps every line.
TEST_F(FormEvents, SingleLineBoxesKeepTheTextBeforeTheFirstLineBreak) {
  struct Case {
    const char* input;              // assigned (setText) or pasted over the "b" of "abc"
    const char *assigned, *pasted;  // what the box then shows after each
    bool multiLine;
  };
  const Case cases[] = {
      {"62\r\n", "62", "a62c", false}, {"62\nfoo", "62", "a62c", false},
      {"1\r2", "1", "a1c", false},     {"\r\n7", "", "ac", false},
      {"45", "45", "a45c", false},     {"\r\nmid\r\n", "\r\nmid\r\n", "a\r\nmid\r\nc", true}};
  auto& form = app.form<TestForm>();
  form.Text3.setText("123456");
  form.Text3.setSelection(10, 10);
  EXPECT_EQ(form.Text3.selStart(), 6);
  EXPECT_EQ(form.Text3.selLength(), 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(std::string(c.input)));
    TextBox& box = c.multiLine ? form.Note : form.Text3;
    box.setText("abc");
    box.setSelection(1, 1);
    EXPECT_EQ(box.selectedText(), "b");
    log.clear();
    box.replaceSelection(c.input);
    EXPECT_EQ(box.text(), c.pasted);
    EXPECT_EQ(log.size(), c.multiLine ? 0u : 1u);  // Text3_Change
    EXPECT_EQ(box.selStart() + box.selLength(), static_cast<int>(std::string(c.pasted).size()) - 1);
    box.setText(c.input);
    EXPECT_EQ(box.text(), c.assigned);
  }
}

}  // namespace
}  // namespace corvasine::runtime
