// The calculators as a desktop user meets them: cases typed into the real
// windows, and what the windows draw.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest/QTest>
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "gas_turbine/frm_gtunits.h"
#include "gas_turbine/frmcomp.h"
#include "gas_turbine/gas_test_support.h"
#include "steam_turbine/frmstm.h"
#include "steam_turbine/reference_cases.h"
#include "view_test_form.h"

namespace corvasine::gui {
namespace {

class CalculatorWindows : public testing::ViewTest {
 protected:
  gas::frmgas& gasWindow() {
    gas::frmgas& gas = app.form<gas::frmgas>();
    activate(gas);
    return gas;
  }
  steam_turbine::frmstm& steamWindow() {
    steam_turbine::frmstm& steam = app.form<steam_turbine::frmstm>();
    steam.show();
    return steam;
  }
  // Types "Text1=900 Text2=600 ..." into the boxes, each replacing what stood there.
  void type(const runtime::Form& form, const std::string& typed) {
    std::istringstream words(typed);
    for (std::string word; words >> word;) {
      auto* box = widget<QLineEdit>(form, word.substr(0, word.find('=')).c_str());
      box->selectAll();
      QTest::keyClicks(box, QString::fromStdString(word.substr(word.find('=') + 1)));
    }
  }
};

// Pure methane typed into the gas window and its fuel dialog, then Enter.
// Expected lines: reference/gas_reference.py, case methane_o2.
TEST_F(CalculatorWindows, TypedGasCaseEvaluatesToTheReferenceFigures) {
  gas::frmgas& gas = app.form<gas::frmgas>();
  QTest::mouseClick(widget(gas, "Command1"), Qt::LeftButton);
  ASSERT_NE(app.find<gas::frmcomp>(), nullptr);
  type(*app.find<gas::frmcomp>(), "Text1=100");
  QTest::keyClick(widget(*app.find<gas::frmcomp>(), "Text1"), Qt::Key_Return);  // transfer, exit
  ASSERT_EQ(app.find<gas::frmcomp>(), nullptr);

  type(gas,
       "Text1=59 Text2=0 Text4=60.6 Text6=10 Text18=80 Text16=1000 Text10=1050 Text15=15 "
       "Text19=720 Text20=220 Text26=1.5");
  QTest::keyClick(widget(gas, "Text20"), Qt::Key_Return);  // Evaluate is the default button

  std::vector<std::string> expected = gas::referenceLines("gas_reference.txt", "methane_o2");
  expected.erase(expected.begin());
  std::vector<std::string> shown;
  for (const QString& line : widget<QPlainTextEdit>(gas, "rich_result")->toPlainText().split('\n'))
    shown.push_back(line.toStdString());
  EXPECT_EQ(shown, expected);
  EXPECT_TRUE(services.messages.empty());
}

// Reference cases typed as the script typed them; Enter evaluates. In the
// second, the exhaust enthalpy's unit is picked after typing, by keyboard.
TEST_F(CalculatorWindows, TypedSteamCasesEvaluateToTheReferenceFigures) {
  const auto cases = steam_turbine::testing::readSteamReference(CORVASINE_STEAM_REFERENCE_DIR
                                                                "/steam_reference.txt");
  steam_turbine::frmstm& steam = steamWindow();
  for (const std::string name : {"back_pressure", "exhaust_enthalpy_unit_picked_after_typing"}) {
    const auto c =
        std::find_if(cases.begin(), cases.end(), [&](const auto& c) { return c.name == name; });
    ASSERT_NE(c, cases.end()) << name;
    const std::size_t pick = c->typed.find(" Combo17=1");
    type(steam, c->typed.substr(0, pick));
    EXPECT_EQ(widget<QLineEdit>(steam, "Text24")->text().toStdString(), c->text24) << name;
    if (pick != std::string::npos) QTest::keyClick(widget(steam, "Combo17"), Qt::Key_Down);
    QTest::keyClick(widget(steam, "Text23"), Qt::Key_Return);  // the default button

    std::string expected = c->results;
    for (std::size_t at; (at = expected.find("\r\n")) != std::string::npos;) expected.erase(at, 1);
    EXPECT_EQ(widget<QPlainTextEdit>(steam, "results")->toPlainText().toStdString(), expected);
  }
  EXPECT_TRUE(services.messages.empty());
}

// A computed box that is not negative looks like the saturation box beside
// it (disabled in a disabled frame); a negative one is light red. The
// result box is read-only too, but can be selected.
TEST_F(CalculatorWindows, ComputedBoxesKeepOneLook) {
  steam_turbine::frmstm& steam = steamWindow();
  steam.Check1.setValue(1);
  steam.Check2.setValue(1);
  type(steam, "Text1=900 Text2=600 Text3=100 Text8=700 Text9=300 Text19=150");
  steam.Check1.setValue(0);
  for (auto [name, saturation, enabled] : {std::tuple{"Text5", "Text4", true},
                                           {"Text7", "Text4", true},
                                           {"Text12", "Text11", false},
                                           {"Text14", "Text11", false}}) {
    SCOPED_TRACE(name);
    ASSERT_FALSE(widget<QLineEdit>(steam, name)->text().startsWith(QLatin1Char('-')));
    EXPECT_EQ(widget(steam, name)->palette(), widget(steam, saturation)->palette());
    EXPECT_EQ(widget(steam, name)->isEnabled(), enabled);
  }
  auto* saturation = widget<QLineEdit>(steam, "Text4");
  const QPalette normal = QApplication::palette(saturation);
  EXPECT_TRUE(saturation->isReadOnly());
  EXPECT_EQ(saturation->palette().color(QPalette::Active, QPalette::Text),
            normal.color(QPalette::Active, QPalette::Text));
  EXPECT_EQ(saturation->palette().color(QPalette::Active, QPalette::Base),
            normal.color(QPalette::Active, QPalette::Window));
  EXPECT_EQ(widget<QLineEdit>(steam, "Text24")->text(), QStringLiteral("-50"));
  EXPECT_EQ(widget(steam, "Text24")->palette().color(QPalette::Base), QColor(0xFF, 0x80, 0x80));
  auto* result = widget<QPlainTextEdit>(steam, "results");
  EXPECT_TRUE(result->textInteractionFlags() & Qt::TextSelectableByKeyboard);
  QTest::keyClicks(result, QStringLiteral("typed"));
  EXPECT_EQ(steam.results.text(), steam_turbine::kResultsAtLoad);
}

// The picture is scaled into its rectangle.
TEST_F(CalculatorWindows, PictureFitsItsRectangle) {
  QImage bitmap(472, 131, QImage::Format_RGB32);
  bitmap.fill(Qt::darkBlue);
  ASSERT_TRUE(bitmap.save(QString::fromStdString(services.programFolder + "/" + gas::kBannerFile)));
  gas::frmgas& gas = gasWindow();
  auto* picture = widget<QLabel>(gas, "Image1");
  ASSERT_FALSE(picture->pixmap().isNull());
  EXPECT_LE(picture->pixmap().width(), picture->width());
  EXPECT_LE(picture->pixmap().height(), picture->height());
}

// Each caption stands level with the field beside it, the text centred on it.
// Alt and a caption's key focus the list after it, which shows a focus frame.
TEST_F(CalculatorWindows, LabelsStandLevelAndTheirAccessKeysFocusTheirLists) {
  gas::frmgas& gas = gasWindow();
  auto& units = app.form<gas::frm_gtunits>();
  units.show();
  const std::tuple<const runtime::Form*, const char*, const char*> rows[] = {
      {&gas, "Label1", "Text1"}, {&gas, "Label24", "Text20"}, {&units, "Label1", "cmbtemp"}};
  for (auto [form, caption, field] : rows) {
    SCOPED_TRACE(caption);
    QLabel* label = widget<QLabel>(*form, caption);
    QWidget* box = widget(*form, field);
    EXPECT_TRUE(label->alignment() & Qt::AlignVCenter);
    EXPECT_NEAR(label->geometry().center().y(), box->geometry().center().y(), 1);
  }

  activate(units);
  QWidget* power = widget(units, "Combo1");
  const QImage unfocused = power->grab().toImage();
  QTest::keyClick(widget(units, "cmbtemp"), Qt::Key_W, Qt::AltModifier);  // "Po&wer:"
  EXPECT_TRUE(power->hasFocus());
  EXPECT_EQ(units.activeControl(), &units.Combo1);
  QTest::keyClick(power, Qt::Key_R, Qt::AltModifier);  // "Heat &Rate:"
  EXPECT_EQ(units.activeControl(), &units.Combo5);
  QTest::keyClick(widget(units, "Combo5"), Qt::Key_W, Qt::AltModifier);
  EXPECT_NE(power->grab().toImage(), unfocused);
}

// Alt and a menu's key open that menu at every press, also after the last
// one was closed with Esc; the gas window's buttons "&Fuel Composition" and
// "&Evaluate" share those keys. Edit > Copy chosen from the menu so opened
// copies the selection of the box that had the focus when the menu opened.
TEST_F(CalculatorWindows, EveryAltPressOpensItsMenu) {
  gas::frmgas& gas = gasWindow();
  QLineEdit* box = widget<QLineEdit>(gas, "Text2");
  box->setFocus();
  QTest::keyClicks(box, QStringLiteral("12345"));
  box->setSelection(1, 3);
  for (auto [key, name] : {std::pair{Qt::Key_F, "mm_file"}, {Qt::Key_E, "mm_edit"}}) {
    for (int press = 1; press <= 2; ++press) {
      QTest::keyClick(box, key, Qt::AltModifier);
      QWidget* popup = QApplication::activePopupWidget();
      ASSERT_NE(popup, nullptr) << name << " press " << press;
      EXPECT_EQ(popup->objectName(), QString::fromLatin1(name)) << press;
      QTest::keyClick(popup, Qt::Key_Escape);
      EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    }
  }
  EXPECT_EQ(app.find<gas::frmcomp>(), nullptr);  // "&Fuel Composition" not pressed
  EXPECT_TRUE(services.messages.empty());        // "&Evaluate" not pressed
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

// Links (the maker's notice, the unit labels that open a converter) are drawn
// in the desktop's link colour with a pointing hand, and underlined under the
// mouse; the steam exhaust row's "%" opens none and looks like a plain label.
TEST_F(CalculatorWindows, LinksLookLikeLinks) {
  steam_turbine::frmstm& steam = steamWindow();
  steam.Combo1.setListIndex(1);
  gas::frmgas& gas = gasWindow();
  const std::tuple<const runtime::Form*, const char*, bool> labels[] = {{&gas, "Label15", true},
                                                                        {&steam, "Label50", false}};
  for (auto [form, name, link] : labels) {
    SCOPED_TRACE(name);
    auto* label = widget<QLabel>(*form, name);
    const QPalette& colours = label->palette();
    EXPECT_EQ(colours.color(QPalette::Active, QPalette::WindowText) ==
                  colours.color(QPalette::Active, QPalette::Link),
              link);
    EXPECT_EQ(label->cursor().shape() == Qt::PointingHandCursor, link);
    EXPECT_FALSE(label->font().underline());
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(label, &enter);
    EXPECT_EQ(label->font().underline(), link);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label, &leave);
    EXPECT_FALSE(label->font().underline());
  }
}

}  // namespace
}  // namespace corvasine::gui
