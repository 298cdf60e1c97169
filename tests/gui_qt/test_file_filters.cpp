#include <gtest/gtest.h>

#include <QStringList>
#include <ostream>

#include "gui_qt/qt_services.h"

namespace corvasine::gui {
namespace {

TEST(FileDialogFilters, PairsBecomeQtNameFilters) {
  EXPECT_EQ(nameFilters("Gas turbine case (*.qvdg)|*.qvdg|All (*.*)|*.*"),
            QStringList({QStringLiteral("Gas turbine case (*.qvdg)"), QStringLiteral("All (*)")}));
  EXPECT_EQ(nameFilters("Workbook|*.xls;*.xlsx"),
            QStringList({QStringLiteral("Workbook (*.xls *.xlsx)")}));
  EXPECT_TRUE(nameFilters("").isEmpty());
  EXPECT_TRUE(nameFilters("Name without pattern").isEmpty());
}

struct ExtensionCase {
  const char* chosen;
  const char* defaultExt;
  const char* expected;
};

void PrintTo(const ExtensionCase& c, std::ostream* out) {
  *out << '"' << c.chosen << "\" + \"" << c.defaultExt << '"';
}

class DefaultExtension : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(DefaultExtension, IsAppendedOnlyToANameWithoutOne) {
  const ExtensionCase& c = GetParam();
  EXPECT_EQ(withDefaultExtension(c.chosen, c.defaultExt), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DefaultExtension,
    ::testing::Values(ExtensionCase{"/tmp/case", "qvdg", "/tmp/case.qvdg"},
                      ExtensionCase{"/tmp/case", ".qvdg", "/tmp/case.qvdg"},
                      ExtensionCase{"/tmp/case.qvdg", "qvdg", "/tmp/case.qvdg"},
                      ExtensionCase{"/tmp/case.txt", "qvdg", "/tmp/case.txt"},
                      ExtensionCase{"/tmp/v1.2/case", "qvdg", "/tmp/v1.2/case.qvdg"},
                      ExtensionCase{"/tmp/case", "", "/tmp/case"}, ExtensionCase{"", "qvdg", ""}));

}  // namespace
}  // namespace corvasine::gui
