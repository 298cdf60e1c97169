#include <gtest/gtest.h>

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
TEST(SteamWindow, TypedCaseEvaluatesToTheReferenceFigures) {
  corvasine::testing::FakeServices services;
  runtime::Application app(services);
  FormView view(app);
  steam_turbine::frmstm& steam = app.form<steam_turbine::frmstm>();
  steam.show();

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

}  // namespace
}  // namespace corvasine::gui
