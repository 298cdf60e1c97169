#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest/QTest>
#include <fstream>
#include <string>

#include "runtime/application.h"
#include "steam_turbine/frmstm.h"
#include "support/fake_services.h"
#include "view_test_form.h"

namespace corvasine::gui {
namespace {

// The line "results ..." of a case of the steam reference figures.
std::string referenceResults(const std::string& caseName) {
  std::ifstream in(std::string(CORVASINE_STEAM_REFERENCE_DIR) + "/steam_reference.txt");
  std::string line;
  while (std::getline(in, line) && line != "# case " + caseName) {
  }
  while (std::getline(in, line) && line.rfind("results ", 0) != 0) {
  }
  std::string text = line.substr(std::string("results ").size());
  for (std::size_t at; (at = text.find("\\r\\n")) != std::string::npos;) text.replace(at, 4, "\n");
  return text;
}

// The user types the back-pressure reference case into the real steam window,
// presses Enter and reads the result box (reference case back_pressure).
class SteamWindow : public ::testing::Test {
 protected:
  SteamWindow() { steam.show(); }
  QLineEdit* box(const char* name) { return testing::widgetOf<QLineEdit>(view, steam, name); }

  corvasine::testing::FakeServices services;
  runtime::Application app{services};
  FormView view{app};
  steam_turbine::frmstm& steam = app.form<steam_turbine::frmstm>();
};

TEST_F(SteamWindow, TypedCaseEvaluatesToTheReferenceFigures) {
  const std::pair<const char*, const char*> typed[] = {
      {"Text1", "900"}, {"Text2", "900"}, {"Text3", "250"}, {"Text22", "500"}, {"Text23", "150"}};
  QLineEdit* last = nullptr;
  for (auto [name, text] : typed) {
    last = testing::widgetOf<QLineEdit>(view, steam, name);
    ASSERT_NE(last, nullptr) << name;
    last->selectAll();
    QTest::keyClicks(last, QString::fromUtf8(text));
  }
  EXPECT_EQ(testing::widgetOf<QLineEdit>(view, steam, "Text24")->text(), QStringLiteral("250"));
  QTest::keyClick(last, Qt::Key_Return);  // Evaluate Performance is the default button

  auto* result = testing::widgetOf<QPlainTextEdit>(view, steam, "results");
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->toPlainText().toStdString(), referenceResults("back_pressure"));
  EXPECT_TRUE(services.messages.empty());
}

// A computed box that is not negative looks like the saturation temperature
// box beside it, read-only in an enabled frame and disabled in a disabled
// one; a negative one is light red.
TEST_F(SteamWindow, ComputedBoxesKeepOneLook) {
  steam.Check1.setValue(1);
  steam.Check2.setValue(1);
  for (auto [field, text] :
       {std::pair<runtime::TextBox*, const char*>{&steam.inlet.temperature, "900"},
        {&steam.inlet.pressure, "600"},
        {&steam.inlet.flow, "100"},
        {&steam.induction.temperature, "700"},
        {&steam.induction.pressure, "300"},
        {&steam.extraction.flow, "150"}})
    field->setText(text);
  steam.Check1.setValue(0);
  const std::pair<const char*, const char*> computed[] = {
      {"Text5", "Text4"},   {"Text6", "Text4"},   {"Text7", "Text4"},
      {"Text12", "Text11"}, {"Text13", "Text11"}, {"Text14", "Text11"}};
  for (auto [name, saturation] : computed) {
    SCOPED_TRACE(name);
    ASSERT_FALSE(box(name)->text().startsWith(QLatin1Char('-')));
    EXPECT_EQ(box(name)->palette(), box(saturation)->palette());
    EXPECT_EQ(box(name)->isEnabled(), box(saturation)->isEnabled());
  }
  EXPECT_FALSE(box("Text12")->isEnabled());
  EXPECT_EQ(box("Text24")->text(), QStringLiteral("-50"));
  EXPECT_EQ(box("Text24")->palette().color(QPalette::Base), QColor(0xFF, 0x80, 0x80));
}

// The unit labels that open a converter look like links; the exhaust row's
// "%" opens none and looks like a plain label.
TEST_F(SteamWindow, ConverterLabelsLookLikeLinks) {
  steam.Combo1.setListIndex(1);
  for (const char* name : {"Label8", "Label9", "Label10", "Label22", "Label50"}) {
    SCOPED_TRACE(name);
    auto* label = testing::widgetOf<QLabel>(view, steam, name);
    ASSERT_NE(label, nullptr);
    const bool link = std::string(name) != "Label50";
    const QPalette& colours = label->palette();
    EXPECT_EQ(colours.color(QPalette::Active, QPalette::WindowText) ==
                  colours.color(QPalette::Active, QPalette::Link),
              link);
    EXPECT_EQ(label->cursor().shape() == Qt::PointingHandCursor, link);
  }
}

}  // namespace
}  // namespace corvasine::gui
