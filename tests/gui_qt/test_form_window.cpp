#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest/QTest>
#include <string>

#include "gui_qt/form_view.h"
#include "runtime/application.h"
#include "support/fake_services.h"
#include "view_test_form.h"

namespace corvasine::gui {
namespace {

using testing::ViewTestForm;

class FormWindowTest : public ::testing::Test {
 protected:
  FormWindowTest() {
    view.onLastWindowClosed = [this] { ++lastWindowClosed; };
  }

  ViewTestForm& showForm() {
    ViewTestForm& form = app.form<ViewTestForm>();
    form.show();
    return form;
  }
  template <class W>
  W* widget(const runtime::Form& form, const char* name) {
    return testing::widgetOf<W>(view, form, name);
  }

  corvasine::testing::FakeServices services;
  runtime::Application app{services};
  FormView view{app};
  int lastWindowClosed = 0;
};

TEST_F(FormWindowTest, WindowIsMadeWhenTheFormFirstShows) {
  ViewTestForm& form = app.form<ViewTestForm>();
  EXPECT_EQ(view.windowOf(form), nullptr);
  form.show();
  FormWindow* window = view.windowOf(form);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), QStringLiteral("View test"));
  EXPECT_EQ(window->centralWidget()->width(), window->pixels(4800));
  // Controls of a frame sit in its group box, at positions relative to it.
  QLineEdit* edit = widget<QLineEdit>(form, "Text1");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->parentWidget()->objectName(), QStringLiteral("Frame1"));
  EXPECT_EQ(edit->x(), window->pixels(120));
}

TEST_F(FormWindowTest, ModelWritesShowInTheWidgetsAtOnce) {
  ViewTestForm& form = showForm();
  QLineEdit* edit = widget<QLineEdit>(form, "Text1");
  ASSERT_NE(edit, nullptr);

  form.Text1.setText("12.5");
  EXPECT_EQ(edit->text(), QStringLiteral("12.5"));
  form.Combo1.setListIndex(1);
  EXPECT_EQ(widget<QComboBox>(form, "Combo1")->currentText(), QStringLiteral("°C"));
  form.Check1.setValue(1);
  EXPECT_TRUE(widget<QCheckBox>(form, "Check1")->isChecked());
  form.Label1.setCaption("Gas && steam");
  EXPECT_EQ(widget<QLabel>(form, "Label1")->text(), QStringLiteral("Gas & steam"));
  // A disabled box is read-only and unreachable, but not greyed out.
  form.Text1.setEnabled(false);
  EXPECT_TRUE(edit->isReadOnly());
  EXPECT_EQ(edit->focusPolicy(), Qt::NoFocus);
  form.Text1.setEnabled(true);
  EXPECT_FALSE(edit->isReadOnly());
  EXPECT_EQ(edit->focusPolicy(), Qt::StrongFocus);
  form.Boom.setVisible(false);
  EXPECT_TRUE(widget<QPushButton>(form, "Boom")->isHidden());

  // The model's selection is in bytes: "°" takes two.
  form.Text1.setText("°C 20");
  form.Text1.setSelection(0, 2);
  EXPECT_EQ(edit->selectedText(), QStringLiteral("°"));
}

TEST_F(FormWindowTest, TypingRunsTheChangeHandler) {
  ViewTestForm& form = showForm();
  QLineEdit* edit = widget<QLineEdit>(form, "Text1");
  ASSERT_NE(edit, nullptr);

  QTest::keyClicks(edit, QStringLiteral("4°"));
  EXPECT_EQ(form.Text1.text(), "4°");
  EXPECT_EQ(form.changes, 2);
  EXPECT_EQ(widget<QLabel>(form, "Label1")->text(), QStringLiteral("Typed: 4°"));
  EXPECT_EQ(form.Text1.selStart(), 3);  // after "4" and the two bytes of "°"

  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(form.Text1.text(), "4");
  EXPECT_EQ(form.changes, 3);
}

TEST_F(FormWindowTest, CancelledCloseKeepsTheWindow) {
  ViewTestForm& form = showForm();
  QPointer<FormWindow> window = view.windowOf(form);
  form.keepOpen = true;
  EXPECT_FALSE(window->close());
  EXPECT_EQ(form.unloadAsks, 1);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(app.find<ViewTestForm>(), &form);
  EXPECT_EQ(lastWindowClosed, 0);

  form.keepOpen = false;
  window->close();
  EXPECT_EQ(app.find<ViewTestForm>(), nullptr);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(lastWindowClosed, 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
}

TEST_F(FormWindowTest, MenuShortcutRunsTheItemEvenInAnEdit) {
  ViewTestForm& form = showForm();
  FormWindow* window = view.windowOf(form);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QLineEdit* edit = widget<QLineEdit>(form, "Text1");
  edit->setFocus();
  EXPECT_EQ(form.activeControl(), &form.Text1);

  QTest::keyClick(edit, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(form.newClicks, 1);
  // Ctrl+A belongs to the menu, not to the edit's select-all.
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(form.aboutClicks, 1);
}

TEST_F(FormWindowTest, ListThatRefusesToLetGoKeepsTheFocus) {
  ViewTestForm& form = showForm();
  FormWindow* window = view.windowOf(form);
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  auto* combo = widget<QComboBox>(form, "Combo1");
  combo->setFocus();
  ASSERT_EQ(form.activeControl(), &form.Combo1);

  form.refuseLeavingList = true;
  widget<QLineEdit>(form, "Text1")->setFocus();
  QCoreApplication::processEvents();
  EXPECT_EQ(form.validations, 1);
  EXPECT_EQ(form.activeControl(), &form.Combo1);
  EXPECT_TRUE(combo->hasFocus());

  form.refuseLeavingList = false;
  widget<QLineEdit>(form, "Text1")->setFocus();
  EXPECT_EQ(form.activeControl(), &form.Text1);
}

TEST_F(FormWindowTest, ExceptionOfAHandlerDoesNotEscape) {
  ViewTestForm& form = showForm();
  ::testing::internal::CaptureStderr();
  QTest::mouseClick(widget<QPushButton>(form, "Boom"), Qt::LeftButton);
  const std::string reported = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(reported.find("handler failed on purpose"), std::string::npos) << reported;
  form.Text1.setText("still working");
  EXPECT_EQ(widget<QLineEdit>(form, "Text1")->text(), QStringLiteral("still working"));
}

TEST_F(FormWindowTest, EscapePressesTheCancelButton) {
  ViewTestForm& form = showForm();
  QTest::keyClick(widget<QLineEdit>(form, "Text1"), Qt::Key_Escape);
  EXPECT_EQ(app.find<ViewTestForm>(), nullptr);
  EXPECT_EQ(lastWindowClosed, 1);
}

}  // namespace
}  // namespace corvasine::gui
