#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest/QTest>
#include <fstream>
#include <string>
#include <vector>

#include "gas_turbine/frmcomp.h"
#include "gas_turbine/frmgas.h"
#include "gas_turbine/gas_test_support.h"
#include "gui_qt/form_view.h"
#include "runtime/application.h"
#include "runtime/number.h"
#include "support/fake_services.h"

namespace corvasine::gui {
namespace {

// The user types the pure methane case into the real gas window and its fuel
// composition dialog, presses Enter, and reads the result box. Expected lines:
// reference/gas_reference.py, case methane_o2.
TEST(GasWindow, TypedCaseEvaluatesToTheReferenceFigures) {
  corvasine::testing::FakeServices services;
  std::ofstream(services.programFolder + "/gtunits.qvd", std::ios::binary)
      << "0*0*0*0*0*0*0*0*0*0\r\n";
  runtime::Application app(services);
  FormView view(app);
  gas::frmgas& gas = app.form<gas::frmgas>();
  FormWindow* window = view.windowOf(gas);
  ASSERT_NE(window, nullptr);
  const auto edit = [](FormWindow* w, const char* name) {
    auto* found = w->findChild<QLineEdit*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  };

  QTest::mouseClick(window->findChild<QWidget*>(QStringLiteral("Command1")), Qt::LeftButton);
  FormWindow* fuel = view.windowOf(*app.find<gas::frmcomp>());
  ASSERT_NE(fuel, nullptr);
  edit(fuel, "Text1")->selectAll();
  QTest::keyClicks(edit(fuel, "Text1"), QStringLiteral("100"));
  QTest::keyClick(edit(fuel, "Text1"), Qt::Key_Return);  // transfer values and exit
  ASSERT_EQ(app.find<gas::frmcomp>(), nullptr);

  const std::pair<const char*, const char*> typed[] = {
      {"Text1", "59"},   {"Text2", "0"},     {"Text4", "60.6"},  {"Text6", "10"},
      {"Text18", "80"},  {"Text16", "1000"}, {"Text10", "1050"}, {"Text15", "15"},
      {"Text19", "720"}, {"Text20", "220"},  {"Text26", "1.5"}};
  for (auto [name, text] : typed) {
    edit(window, name)->selectAll();
    QTest::keyClicks(edit(window, name), QString::fromUtf8(text));
  }
  for (const std::string& line : gas::referenceLines("gas_reference.txt", "kernels")) {
    if (line.rfind("methane case typed:", 0) != 0) continue;
    EXPECT_EQ(runtime::NumberText(gas.inputState().finalInletPress),
              gas::figure(line, "finalInletPress "));
    EXPECT_EQ(gas.Text5.text(), gas::figure(line, "Text5 "));
  }
  QTest::keyClick(edit(window, "Text20"), Qt::Key_Return);  // Evaluate is the default button

  std::vector<std::string> expected = gas::referenceLines("gas_reference.txt", "methane_o2");
  expected.erase(expected.begin());
  auto* result = window->findChild<QPlainTextEdit*>(QStringLiteral("rich_result"));
  ASSERT_NE(result, nullptr);
  std::vector<std::string> shown;
  for (const QString& line : result->toPlainText().split(QLatin1Char('\n')))
    shown.push_back(line.toStdString());
  EXPECT_EQ(shown, expected);
  EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace corvasine::gui
