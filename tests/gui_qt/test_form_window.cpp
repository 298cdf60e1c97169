// The generic window of a form, driven through a small form with one control
// of each kind and through the converter dialogs, as the user drives it.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QtTest/QTest>
#include <string>

#include "gas_turbine/frmcomp.h"
#include "gui_qt/text_offsets.h"
#include "shell/converters.h"
#include "shell/vari.h"
#include "view_test_form.h"

namespace corvasine::gui {
namespace {

using testing::ViewTestForm;

class FormWindowTest : public testing::ViewTest {
 protected:
  ViewTestForm& showForm() {
    ViewTestForm& form = app.form<ViewTestForm>();
    form.show();
    return form;
  }
};

// The window is made when the form first shows; model writes show at once.
TEST_F(FormWindowTest, WindowIsMadeAtFirstShowAndFollowsTheModel) {
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
  EXPECT_EQ(edit->parentWidget()->objectName(), QStringLiteral("Frame1"));
  EXPECT_EQ(edit->x(), window->pixels(120));

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
  EXPECT_TRUE(widget(form, "Boom")->isHidden());

  // The model's selection is in bytes: "°" takes two.
  form.Text1.setText("°C 20");
  form.Text1.setSelection(0, 2);
  EXPECT_EQ(edit->selectedText(), QStringLiteral("°"));
}

// A close that Form_Unload cancels keeps the window; Esc presses the cancel
// button, whose unload closes it.
TEST_F(FormWindowTest, CancelledCloseKeepsTheWindowAndEscClosesIt) {
  ViewTestForm& form = showForm();
  QPointer<FormWindow> window = view.windowOf(form);
  form.keepOpen = true;
  EXPECT_FALSE(window->close());
  EXPECT_EQ(form.unloadAsks, 1);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(app.find<ViewTestForm>(), &form);
  EXPECT_EQ(lastWindowClosed, 0);

  form.keepOpen = false;
  QTest::keyClick(widget(form, "Text1"), Qt::Key_Escape);
  EXPECT_EQ(app.find<ViewTestForm>(), nullptr);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(lastWindowClosed, 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
}

// Each key typed runs the change handler; a menu shortcut runs its item even
// in an edit.
TEST_F(FormWindowTest, TypingRunsTheChangeHandlerAndShortcutsTheMenu) {
  ViewTestForm& form = showForm();
  activate(form);
  widget(form, "Text1")->setFocus();
  EXPECT_EQ(form.activeControl(), &form.Text1);
  QLineEdit* edit = widget<QLineEdit>(form, "Text1");
  QTest::keyClicks(edit, QStringLiteral("4°"));
  EXPECT_EQ(form.Text1.text(), "4°");
  EXPECT_EQ(form.changes, 2);
  EXPECT_EQ(widget<QLabel>(form, "Label1")->text(), QStringLiteral("Typed: 4°"));
  EXPECT_EQ(form.Text1.selStart(), 3);  // after "4" and the two bytes of "°"
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(form.Text1.text(), "4");
  EXPECT_EQ(form.changes, 3);

  QTest::keyClick(edit, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(form.newClicks, 1);
  // Ctrl+A belongs to the menu, not to the edit's select-all.
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(form.aboutClicks, 1);
  EXPECT_EQ(form.Text1.text(), "4");
}

TEST_F(FormWindowTest, ListThatRefusesToLetGoKeepsTheFocus) {
  ViewTestForm& form = showForm();
  activate(form);
  widget(form, "Combo1")->setFocus();
  ASSERT_EQ(form.activeControl(), &form.Combo1);

  form.refuseLeavingList = true;
  widget(form, "Text1")->setFocus();
  QCoreApplication::processEvents();
  EXPECT_EQ(form.validations, 1);
  EXPECT_EQ(form.activeControl(), &form.Combo1);
  EXPECT_TRUE(widget(form, "Combo1")->hasFocus());

  form.refuseLeavingList = false;
  widget(form, "Text1")->setFocus();
  EXPECT_EQ(form.activeControl(), &form.Text1);
}

TEST_F(FormWindowTest, ExceptionOfAHandlerDoesNotEscape) {
  ViewTestForm& form = showForm();
  ::testing::internal::CaptureStderr();
  QTest::mouseClick(widget(form, "Boom"), Qt::LeftButton);
  const std::string reported = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(reported.find("handler failed on purpose"), std::string::npos) << reported;
  form.Text1.setText("still working");
  EXPECT_EQ(widget<QLineEdit>(form, "Text1")->text(), QStringLiteral("still working"));
}

// Esc closes a converter and the fuel dialog as their title bars do, with
// nothing written; neither offers to minimise or maximise. Typed into the
// converter's real edit with Enter, the value arrives, in °F, in the field of
// the window that opened it.
TEST_F(FormWindowTest, DialogsCloseOnEscAndTransferOnEnter) {
  ViewTestForm& target = showForm();
  shell::vari(app).tempTarget = target.Text1;
  app.form<shell::frmtemp1>().Text1.setText("37");
  for (runtime::Form* dialog : {static_cast<runtime::Form*>(&app.form<shell::frmtemp1>()),
                                static_cast<runtime::Form*>(&app.form<gas::frmcomp>())}) {
    SCOPED_TRACE(dialog->name());
    dialog->show();
    FormWindow* window = view.windowOf(*dialog);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
  }
  EXPECT_EQ(app.find<shell::frmtemp1>(), nullptr);
  EXPECT_EQ(app.find<gas::frmcomp>(), nullptr);
  EXPECT_EQ(target.changes, 0);

  shell::frmtemp1& converter = app.form<shell::frmtemp1>();
  converter.show();
  QTest::keyClicks(widget(converter, "Text1"), QStringLiteral("37"));
  QTest::keyClick(widget(converter, "Text1"), Qt::Key_Return);
  EXPECT_EQ(target.Text1.text(), "98.6");  // 37 °C = 98.6 °F
  EXPECT_EQ(target.changes, 1);
  EXPECT_EQ(widget<QLineEdit>(target, "Text1")->text(), QStringLiteral("98.6"));
  EXPECT_EQ(app.find<shell::frmtemp1>(), nullptr);
  EXPECT_TRUE(services.messages.empty());
}

// Byte offsets of the model against UTF-16 indexes of the edit, counted by
// hand from the encodings: "°" is C2 B0, U+1F600 is F0 9F 98 80 in UTF-8 and
// a surrogate pair in UTF-16. Inside a character counts from its start;
// beyond the end stops at the end.
TEST(TextOffsets, MapBothWays) {
  struct OffsetCase {
    const char *name, *text;
    bool multiLine;
    int byteOffset, widgetIndex;
    int backOffset;  // of the widget index
  };
  const OffsetCase cases[] = {{"degree", "°C", false, 2, 1, 2},
                              {"surrogate pair", "x😀y", false, 5, 3, 5},
                              {"CR LF, multi-line", "a\r\nb", true, 3, 2, 3},
                              {"empty", "", false, 0, 0, 0},
                              {"inside °", "°C", false, 1, 0, 0},
                              {"between CR and LF", "a\r\nb", true, 2, 1, 1},
                              {"beyond the end", "abc", false, 10, 3, 3}};
  for (const OffsetCase& c : cases) {
    EXPECT_EQ(widgetIndexOf(c.text, c.byteOffset, c.multiLine), c.widgetIndex) << c.name;
    EXPECT_EQ(byteOffsetOf(c.text, c.widgetIndex, c.multiLine), c.backOffset) << c.name;
  }
  EXPECT_EQ(byteOffsetOf("x😀y", 2, false), 1);  // between the surrogates
  EXPECT_EQ(byteOffsetOf("abc", 10, false), 3);
  EXPECT_EQ(displayText("a\r\nb\r\n", true), "a\nb\n");
  EXPECT_EQ(displayText("a\r\nb", false), "a\r\nb");
  EXPECT_EQ(modelTextFromDisplay("a\nb", true), "a\r\nb");
  EXPECT_EQ(modelTextFromDisplay("a\nb", false), "a\nb");
}

}  // namespace
}  // namespace corvasine::gui
