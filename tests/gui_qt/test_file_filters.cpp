#include <gtest/gtest.h>

#include <QStringList>

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

TEST(FileDialogNames, DefaultExtensionIsAppendedOnlyToANameWithoutOne) {
  struct ExtensionCase {
    const char* chosen;
    const char* defaultExt;
    const char* expected;
  };
  const ExtensionCase cases[] = {{"/tmp/case", "qvdg", "/tmp/case.qvdg"},
                                 {"/tmp/case", ".qvdg", "/tmp/case.qvdg"},
                                 {"/tmp/case.qvdg", "qvdg", "/tmp/case.qvdg"},
                                 {"/tmp/case.txt", "qvdg", "/tmp/case.txt"},
                                 {"/tmp/v1.2/case", "qvdg", "/tmp/v1.2/case.qvdg"},
                                 {"/tmp/case", "", "/tmp/case"},
                                 {"", "qvdg", ""}};
  for (const ExtensionCase& c : cases)
    EXPECT_EQ(withDefaultExtension(c.chosen, c.defaultExt), c.expected)
        << '"' << c.chosen << "\" + \"" << c.defaultExt << '"';
}

}  // namespace
}  // namespace corvasine::gui
