// The gas window, the fuel dialog and the default units dialog as a desktop
// user meets them: frames, captions, read-only boxes, the picture, access
// keys, the menus from the keyboard, the link, and the services' help window
// and clipboard.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyleOptionGroupBox>
#include <QTextBrowser>
#include <QtTest/QTest>
#include <fstream>
#include <string>

#include "gas_turbine/frm_gtunits.h"
#include "gas_turbine/frmcomp.h"
#include "gas_turbine/frmgas.h"
#include "gui_qt/qt_services.h"
#include "runtime/application.h"
#include "support/fake_services.h"
#include "view_test_form.h"

namespace corvasine::gui {
namespace {

class NativeLook : public ::testing::Test {
 protected:
  NativeLook() {
    std::ofstream(services.programFolder + "/gtunits.qvd", std::ios::binary)
        << "0*0*0*0*0*0*0*0*0*0\r\n";
  }

  gas::frmgas& gasWindow() {
    gas::frmgas& gas = app.form<gas::frmgas>();
    activate(gas);
    return gas;
  }
  void activate(const runtime::Form& form) {
    FormWindow* window = view.windowOf(form);
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    window->activateWindow();
  }
  template <class W>
  W* widget(const runtime::Form& form, const char* name) {
    W* found = testing::widgetOf<W>(view, form, name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  corvasine::testing::FakeServices services;
  runtime::Application app{services};
  FormView view{app};
};

// The caption is drawn across the frame's top border line, not above it.
TEST_F(NativeLook, FrameCaptionSitsInTheBorder) {
  gas::frmgas& gas = gasWindow();
  for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4"}) {
    auto* group = widget<QGroupBox>(gas, name);
    ASSERT_NE(group, nullptr);
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.textAlignment = group->alignment();
    const QRect frame = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxFrame, group);
    const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxLabel, group);
    EXPECT_GT(frame.top(), title.top()) << name;
    EXPECT_LT(frame.top(), title.bottom()) << name;
  }
}

// Each caption stands level with the field beside it: the same vertical
// centre, the text centred on it.
TEST_F(NativeLook, CaptionsStandLevelWithTheirFields) {
  gas::frmgas& gas = gasWindow();
  const std::pair<const char*, const char*> gasRows[] = {
      {"Label1", "Text1"}, {"Label8", "Text7"}, {"Label11", "Text16"}, {"Label24", "Text20"}};
  for (auto [caption, field] : gasRows) {
    QLabel* label = widget<QLabel>(gas, caption);
    QWidget* box = widget<QWidget>(gas, field);
    ASSERT_TRUE(label != nullptr && box != nullptr);
    EXPECT_TRUE(label->alignment() & Qt::AlignVCenter) << caption;
    EXPECT_NEAR(label->geometry().center().y(), box->geometry().center().y(), 1) << caption;
  }
  auto& units = app.form<gas::frm_gtunits>();
  units.show();
  const std::pair<const char*, const char*> unitRows[] = {{"Label1", "cmbtemp"},
                                                          {"Label9", "Combo5"}};
  for (auto [caption, list] : unitRows) {
    QLabel* label = widget<QLabel>(units, caption);
    QWidget* combo = widget<QWidget>(units, list);
    ASSERT_TRUE(label != nullptr && combo != nullptr);
    EXPECT_NEAR(label->geometry().center().y(), combo->geometry().center().y(), 1) << caption;
  }
}

// Computed boxes: no focus, no editing, but the text in the normal colour on
// the window's background.
TEST_F(NativeLook, ComputedBoxesAreReadOnlyAndReadable) {
  gas::frmgas& gas = gasWindow();
  gas.Text2.setText("0");
  const QPalette normal = QApplication::palette(widget<QLineEdit>(gas, "Text1"));
  for (const char* name : {"Text3", "Text5", "Text7", "Text12", "Text13", "Text14"}) {
    QLineEdit* box = widget<QLineEdit>(gas, name);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->isEnabled()) << name;  // not greyed out
    EXPECT_TRUE(box->isReadOnly()) << name;
    EXPECT_EQ(box->focusPolicy(), Qt::NoFocus) << name;
    EXPECT_EQ(box->palette().color(QPalette::Active, QPalette::Text),
              normal.color(QPalette::Active, QPalette::Text))
        << name;
    EXPECT_EQ(box->palette().color(QPalette::Active, QPalette::Base),
              normal.color(QPalette::Active, QPalette::Window))
        << name;
  }
  EXPECT_EQ(widget<QLineEdit>(gas, "Text3")->text(), QStringLiteral("14.7"));
  QLineEdit* input = widget<QLineEdit>(gas, "Text1");
  EXPECT_FALSE(input->isReadOnly());
  EXPECT_EQ(input->focusPolicy(), Qt::StrongFocus);

  gas.Command1.click();
  auto* total = widget<QLineEdit>(*app.find<gas::frmcomp>(), "Text17");
  ASSERT_NE(total, nullptr);
  EXPECT_TRUE(total->isReadOnly());
  EXPECT_TRUE(total->isEnabled());
}

TEST_F(NativeLook, ResultBoxIsReadOnlyButSelectable) {
  gas::frmgas& gas = gasWindow();
  auto* result = widget<QPlainTextEdit>(gas, "rich_result");
  ASSERT_NE(result, nullptr);
  EXPECT_TRUE(result->isReadOnly());
  EXPECT_TRUE(result->textInteractionFlags() & Qt::TextSelectableByMouse);
  EXPECT_TRUE(result->textInteractionFlags() & Qt::TextSelectableByKeyboard);
  result->setFocus();
  QTest::keyClicks(result, QStringLiteral("typed"));
  EXPECT_EQ(gas.rich_result.text(), gas::kRightsNotice);
}

// The picture is scaled into its rectangle, which no frame covers.
TEST_F(NativeLook, PictureFitsItsRectangleClearOfTheFrames) {
  QImage bitmap(472, 131, QImage::Format_RGB32);
  bitmap.fill(Qt::darkBlue);
  ASSERT_TRUE(bitmap.save(QString::fromStdString(services.programFolder + "/" + gas::kBannerFile)));
  gas::frmgas& gas = gasWindow();
  auto* picture = widget<QLabel>(gas, "Image1");
  ASSERT_NE(picture, nullptr);
  ASSERT_FALSE(picture->pixmap().isNull());
  EXPECT_LE(picture->pixmap().width(), picture->width());
  EXPECT_LE(picture->pixmap().height(), picture->height());
  for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4"})
    EXPECT_FALSE(widget<QWidget>(gas, name)->geometry().intersects(picture->geometry())) << name;
}

// "&Temperature:" underlines its key; Alt and the key move the focus to the
// list after the label; the focused list shows a focus frame.
TEST_F(NativeLook, AccessKeysOfLabelsFocusTheirLists) {
  auto& units = app.form<gas::frm_gtunits>();
  units.show();
  activate(units);
  auto* temperature = widget<QLabel>(units, "Label1");
  ASSERT_NE(temperature, nullptr);
  EXPECT_EQ(temperature->text(), QStringLiteral("&Temperature:"));
  EXPECT_EQ(temperature->buddy(), widget<QWidget>(units, "cmbtemp"));

  auto* power = widget<QComboBox>(units, "Combo1");
  ASSERT_NE(power, nullptr);
  const QImage unfocused = power->grab().toImage();
  QTest::keyClick(widget<QWidget>(units, "cmbtemp"), Qt::Key_W, Qt::AltModifier);  // "Po&wer:"
  EXPECT_TRUE(power->hasFocus());
  EXPECT_EQ(units.activeControl(), &units.Combo1);
  QTest::keyClick(power, Qt::Key_R, Qt::AltModifier);  // "Heat &Rate:"
  EXPECT_EQ(units.activeControl(), &units.Combo5);
  QTest::keyClick(widget<QWidget>(units, "Combo5"), Qt::Key_W, Qt::AltModifier);
  EXPECT_NE(power->grab().toImage(), unfocused);
}

// Alt and a menu's key open that menu at every press, also after the last
// one was closed with Esc; the gas window's buttons "&Fuel Composition" and
// "&Evaluate" share those keys.
TEST_F(NativeLook, EveryAltPressOpensItsMenu) {
  gas::frmgas& gas = gasWindow();
  const std::pair<Qt::Key, const char*> menus[] = {
      {Qt::Key_F, "mm_file"}, {Qt::Key_E, "mm_edit"}, {Qt::Key_H, "mm_help"}};
  for (auto [key, name] : menus) {
    for (int press = 1; press <= 3; ++press) {
      QWidget* focus = QApplication::focusWidget();
      ASSERT_NE(focus, nullptr);
      QTest::keyClick(focus, key, Qt::AltModifier);
      QWidget* popup = QApplication::activePopupWidget();
      ASSERT_NE(popup, nullptr) << name << " press " << press;
      EXPECT_EQ(popup->objectName(), QString::fromLatin1(name)) << press;
      QTest::keyClick(popup, Qt::Key_Escape);
      EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
  }
  EXPECT_EQ(app.find<gas::frmcomp>(), nullptr);  // "&Fuel Composition" not pressed
  EXPECT_TRUE(services.messages.empty());        // "&Evaluate" not pressed
  ASSERT_NE(gas.activeControl(), nullptr);
}

// Edit > Copy chosen from the menu opened with Alt+E copies the selection of
// the box that had the focus when the menu opened.
TEST_F(NativeLook, CopyFromTheKeyboardMenuCopiesTheBoxSelection) {
  gas::frmgas& gas = gasWindow();
  QLineEdit* box = widget<QLineEdit>(gas, "Text2");
  ASSERT_NE(box, nullptr);
  box->setFocus();
  QTest::keyClicks(box, QStringLiteral("12345"));
  box->setSelection(1, 3);
  EXPECT_EQ(gas.Text2.selectedText(), "234");
  QTest::keyClick(box, Qt::Key_E, Qt::AltModifier);
  QWidget* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr);
  // "&Copy" and "&Cut" share their key: C moves onto the first, Enter chooses it.
  QTest::keyClick(popup, Qt::Key_C);
  QTest::keyClick(popup, Qt::Key_Return);
  // The menu flashes the chosen item before it runs it.
  EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, 2000));
  EXPECT_EQ(services.clipboard, "234");
  EXPECT_EQ(gas.Text2.text(), "12345");
}

// Under the mouse the maker's notice is underlined; it is drawn in the
// desktop's link colour with a pointing hand.
TEST_F(NativeLook, MakersNoticeLooksLikeALink) {
  gas::frmgas& gas = gasWindow();
  auto* notice = widget<QLabel>(gas, "Label15");
  ASSERT_NE(notice, nullptr);
  EXPECT_EQ(notice->palette().color(QPalette::Active, QPalette::WindowText),
            notice->palette().color(QPalette::Active, QPalette::Link));
  EXPECT_EQ(notice->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_FALSE(notice->font().underline());
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(notice, &enter);
  EXPECT_TRUE(notice->font().underline());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(notice, &leave);
  EXPECT_FALSE(notice->font().underline());
}

TEST(QtServicesHelp, EscClosesTheHelpWindow) {
  QtServices services;
  services.showHelpContents("/nowhere/corvasine.hlp");
  QTextBrowser* help = services.helpWindow();
  ASSERT_NE(help, nullptr);
  ASSERT_TRUE(help->isVisible());
  QApplication::setActiveWindow(help);
  QTest::keyClick(help, Qt::Key_Escape);
  EXPECT_TRUE(services.helpWindow() == nullptr || !services.helpWindow()->isVisible());
}

// The windows' texts use CR LF; the desktop clipboard gets LF, and both LF
// and CR LF come back as CR LF.
TEST(QtServicesClipboard, LineEndsAreLfOnTheClipboard) {
  QtServices services;
  services.setClipboardText("Fresh air flow: 1\r\nExhaust Flow: 2");
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("Fresh air flow: 1\nExhaust Flow: 2"));
  QGuiApplication::clipboard()->setText(QStringLiteral("a\nb\r\nc"));
  EXPECT_EQ(services.clipboardText(), "a\r\nb\r\nc");
  EXPECT_EQ(withLfLineEnds("x\ry\r\n"), "x\ry\n");
  EXPECT_EQ(withCrLfLineEnds("\nx\r"), "\r\nx\r");
}

}  // namespace
}  // namespace corvasine::gui
