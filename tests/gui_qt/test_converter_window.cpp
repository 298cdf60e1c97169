#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QtTest/QTest>

#include "gas_turbine/frmcomp.h"
#include "gui_qt/form_view.h"
#include "runtime/application.h"
#include "shell/converters.h"
#include "shell/vari.h"
#include "support/fake_services.h"
#include "view_test_form.h"

namespace corvasine::gui {
namespace {

// The user types into the temperature converter's real edit and presses
// Enter: the value arrives, in °F, in the field of the window that opened it.
TEST(ConverterWindow, TypedTemperatureArrivesInTheTargetField) {
  corvasine::testing::FakeServices services;
  runtime::Application app(services);
  FormView view(app);
  testing::ViewTestForm& target = app.form<testing::ViewTestForm>();
  target.show();
  shell::vari(app).tempTarget = target.Text1;

  shell::frmtemp1& dialog = app.form<shell::frmtemp1>();
  dialog.show();
  QPointer<FormWindow> window = view.windowOf(dialog);
  ASSERT_FALSE(window.isNull());
  auto* edit = testing::widgetOf<QLineEdit>(view, dialog, "Text1");
  ASSERT_NE(edit, nullptr);

  QTest::keyClicks(edit, QStringLiteral("37"));
  QTest::keyClick(edit, Qt::Key_Return);

  EXPECT_EQ(target.Text1.text(), "98.6");  // 37 °C = 98.6 °F
  EXPECT_EQ(target.changes, 1);
  EXPECT_EQ(testing::widgetOf<QLineEdit>(view, target, "Text1")->text(), QStringLiteral("98.6"));
  EXPECT_EQ(app.find<shell::frmtemp1>(), nullptr);
  EXPECT_FALSE(window->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(services.messages.empty());
}

// Esc closes a converter and the fuel dialog as their title bars do, with
// nothing written; neither offers to minimise or maximise.
TEST(ConverterWindow, EscClosesTheDialogsWritingNothing) {
  corvasine::testing::FakeServices services;
  runtime::Application app(services);
  FormView view(app);
  testing::ViewTestForm& target = app.form<testing::ViewTestForm>();
  target.show();
  shell::vari(app).tempTarget = target.Text1;
  shell::frmtemp1& converter = app.form<shell::frmtemp1>();
  converter.Text1.setText("37");
  gas::frmcomp& fuel = app.form<gas::frmcomp>();
  for (runtime::Form* dialog :
       {static_cast<runtime::Form*>(&converter), static_cast<runtime::Form*>(&fuel)}) {
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
  EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace corvasine::gui
