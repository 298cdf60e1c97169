#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QtTest/QTest>
#include <fstream>
#include <stdexcept>
#include <string>

#include "gui_qt/form_view.h"
#include "runtime/application.h"
#include "runtime/form.h"
#include "support/fake_services.h"

namespace corvasine::gui::testing {

// A small window with one control of each kind that the view tests drive.
class ViewTestForm : public runtime::Form {
 public:
  explicit ViewTestForm(runtime::Application& app) : Form(app, "ViewTestForm") {
    setCaption("View test");
    setClientSize(4800, 2400);
    Text1.onChange = [this] {
      ++changes;
      Label1.setCaption("Typed: " + Text1.text());
    };
    Combo1.onValidate = [this](bool& cancel) {
      ++validations;
      cancel = refuseLeavingList;
    };
    Boom.onClick = [] { throw std::runtime_error("handler failed on purpose"); };
    Close.setCancel(true);
    Close.onClick = [this] { application().unload(*this); };
    menus().push_back({"mm_file",
                       "&File",
                       {{"m_new", "&New", "Ctrl+N", [this] { ++newClicks; }},
                        {"sep1", "-", "", nullptr},
                        {"m_about", "&About", "Ctrl+A", [this] { ++aboutClicks; }}}});
  }

  void Form_Unload(int& cancel) override {
    ++unloadAsks;
    cancel = keepOpen ? 1 : 0;
  }

  runtime::Frame Frame1{*this, "Frame1", {120, 120, 3000, 1200}, "Inputs:"};
  runtime::TextBox Text1{*this, "Text1", {120, 300, 1500, 285}, &Frame1};
  runtime::ComboBox Combo1{*this, "Combo1", {1700, 300, 975, 315}, &Frame1, {"°F", "°C"}};
  runtime::CheckBox Check1{*this, "Check1", {120, 720, 2000, 255}, &Frame1, "Tick"};
  runtime::Label Label1{*this, "Label1", {120, 1440, 3000, 255}, nullptr, "Typed:"};
  runtime::CommandButton Boom{*this, "Boom", {3300, 300, 1200, 375}, nullptr, "Boom"};
  runtime::CommandButton Close{*this, "Close", {3300, 840, 1200, 375}, nullptr, "Close"};

  int changes = 0;
  int newClicks = 0;
  int aboutClicks = 0;
  int unloadAsks = 0;
  int validations = 0;
  bool keepOpen = false;
  bool refuseLeavingList = false;
};

// An application with scripted services, shown through the real view.
class ViewTest : public ::testing::Test {
 protected:
  ViewTest() {
    view.onLastWindowClosed = [this] { ++lastWindowClosed; };
    // Saved default units, so that the gas window opens without a message.
    std::ofstream(services.programFolder + "/gtunits.qvd", std::ios::binary)
        << "0*0*0*0*0*0*0*0*0*0\r\n";
  }

  // The widget of a form's control, found by the control's name; none ends the test.
  template <class W = QWidget>
  W* widget(const runtime::Form& form, const char* name) {
    FormWindow* window = view.windowOf(form);
    W* found = window != nullptr ? window->findChild<W*>(QString::fromLatin1(name)) : nullptr;
    if (found == nullptr) throw std::runtime_error(std::string("no widget ") + name);
    return found;
  }
  void activate(const runtime::Form& form) {
    FormWindow* window = view.windowOf(form);
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }

  corvasine::testing::FakeServices services;
  runtime::Application app{services};
  FormView view{app};
  int lastWindowClosed = 0;
};

}  // namespace corvasine::gui::testing
