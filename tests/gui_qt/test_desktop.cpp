// The desktop's services: the registry answers of a Linux desktop, the file
// dialogs' filters, the help window and the clipboard.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QStringList>
#include <QTextBrowser>
#include <QtTest/QTest>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "gui_qt/desktop_registry.h"
#include "gui_qt/qt_services.h"
#include "runtime/application.h"
#include "shell/frmboota.h"
#include "support/fake_services.h"

namespace corvasine::gui {
namespace {

namespace fs = std::filesystem;

// The about box over the desktop's registry and a search path of two folders:
// it starts the first tool in the desktop's order that can run, wherever it
// lies, and says that there is none when there is none.
TEST(DesktopRegistry, AboutBoxStartsTheFirstToolOrSaysItIsUnavailable) {
  corvasine::testing::FakeServices scratch;  // for its temporary folder
  const fs::path first = fs::path(scratch.ProgramFolder()) / "first";
  const fs::path second = fs::path(scratch.ProgramFolder()) / "second";
  fs::create_directories(first);
  fs::create_directories(second);
  using Texts = std::vector<std::string>;
  auto sysInfo = [&] {  // the programs started and the messages shown
    DesktopRegistry desktop(first.string() + ":" + second.string());
    corvasine::testing::FakeServices services;
    services.realRegistry = &desktop;
    runtime::Application app(services);
    app.form<shell::frmboota>().cmdSysInfo.click();
    return std::pair{services.programsStarted, services.messageTexts()};
  };
  EXPECT_EQ(sysInfo(), std::pair(Texts{}, Texts{"System Information Is Unavailable At This Time"}));
  for (auto [path, mode] : {std::pair{first / "gnome-system-monitor", 0755},
                            {first / "hardinfo", 0644},  // not executable
                            {second / "kinfocenter", 0755}}) {
    std::ofstream(path) << "#!/bin/sh\n";
    ::chmod(path.c_str(), mode);
  }
  EXPECT_EQ(sysInfo(), std::pair(Texts{(second / "kinfocenter").string()}, Texts{}));
}

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
    const char *chosen, *defaultExt, *expected;
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
