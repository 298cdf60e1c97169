#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QtTest/QTest>
#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "gas_turbine/frmcomp.h"
#include "gas_turbine/frmgas.h"
#include "gas_turbine/gas_test_support.h"
#include "runtime/application.h"
#include "runtime/number.h"
#include "support/fake_services.h"
#include "view_test_form.h"

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
  const auto edit = [&view](const runtime::Form& form, const char* name) {
    auto* found = testing::widgetOf<QLineEdit>(view, form, name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  };

  QTest::mouseClick(testing::widgetOf<QWidget>(view, gas, "Command1"), Qt::LeftButton);
  ASSERT_NE(app.find<gas::frmcomp>(), nullptr);
  QLineEdit* methane = edit(*app.find<gas::frmcomp>(), "Text1");
  ASSERT_NE(methane, nullptr);
  methane->selectAll();
  QTest::keyClicks(methane, QStringLiteral("100"));
  QTest::keyClick(methane, Qt::Key_Return);  // transfer values and exit
  ASSERT_EQ(app.find<gas::frmcomp>(), nullptr);

  const std::pair<const char*, const char*> typed[] = {
      {"Text1", "59"},   {"Text2", "0"},     {"Text4", "60.6"},  {"Text6", "10"},
      {"Text18", "80"},  {"Text16", "1000"}, {"Text10", "1050"}, {"Text15", "15"},
      {"Text19", "720"}, {"Text20", "220"},  {"Text26", "1.5"}};
  for (auto [name, text] : typed) {
    QLineEdit* box = edit(gas, name);
    ASSERT_NE(box, nullptr);
    box->selectAll();
    QTest::keyClicks(box, QString::fromUtf8(text));
  }
  const auto kernels = gas::referenceLines("gas_reference.txt", "kernels");
  const auto derived = std::find_if(kernels.begin(), kernels.end(), [](const std::string& l) {
    return l.rfind("methane case typed:", 0) == 0;
  });
  ASSERT_NE(derived, kernels.end());
  EXPECT_EQ(runtime::NumberText(gas.inputState().finalInletPress),
            gas::figure(*derived, "finalInletPress "));
  EXPECT_EQ(gas.Text5.text(), gas::figure(*derived, "Text5 "));
  QTest::keyClick(edit(gas, "Text20"), Qt::Key_Return);  // Evaluate is the default button

  std::vector<std::string> expected = gas::referenceLines("gas_reference.txt", "methane_o2");
  expected.erase(expected.begin());
  auto* result = testing::widgetOf<QPlainTextEdit>(view, gas, "rich_result");
  ASSERT_NE(result, nullptr);
  std::vector<std::string> shown;
  for (const QString& line : result->toPlainText().split(QLatin1Char('\n')))
    shown.push_back(line.toStdString());
  EXPECT_EQ(shown, expected);
  EXPECT_TRUE(services.messages.empty());
}

}  // namespace
}  // namespace corvasine::gui
