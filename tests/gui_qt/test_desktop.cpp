// The desktop's services: the registry answers of a Linux desktop, the file
// dialogs' filters, the help window and the clipboard.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QStringList>
#include <QTextBrowser>
#include <QtTest/QTest>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "gui_qt/desktop_registry.h"
#include "gui_qt/qt_services.h"
#include "runtime/application.h"
#include "shell/frmboota.h"
#include "support/fake_services.h"

namespace corvasine::gui {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kHklm = 0x80000002u;
constexpr std::uint32_t kAllAccess = 0x2003Fu;

// Two folders of a search path, with the tools that the test puts there.
class DesktopRegistryTest : public ::testing::Test {
 protected:
  DesktopRegistryTest() {
    root_ = fs::path(services_.ProgramFolder()) / "path";
    fs::create_directories(root_ / "first");
    fs::create_directories(root_ / "second");
  }
  std::string searchPath() const {
    return (root_ / "first").string() + ":" + (root_ / "second").string();
  }
  std::string addTool(const char* folder, const char* name, bool executable = true) {
    const fs::path path = root_ / folder / name;
    std::ofstream(path) << "#!/bin/sh\n";
    ::chmod(path.c_str(), executable ? 0755 : 0644);
    return path.string();
  }

  corvasine::testing::FakeServices services_;  // for its temporary folder
  fs::path root_;
};

TEST_F(DesktopRegistryTest, PathValueIsTextWithItsNul) {
  const std::string tool = addTool("second", "hardinfo");
  DesktopRegistry registry(searchPath());
  std::uint32_t key = 0;
  ASSERT_EQ(
      registry.RegOpenKeyExA(kHklm, "software\\microsoft\\shared tools\\msinfo", kAllAccess, key),
      runtime::kRegSuccess);
  std::array<std::uint8_t, 1024> buffer{};
  std::uint32_t type = 0;
  std::uint32_t size = buffer.size();
  ASSERT_EQ(registry.RegQueryValueExA(key, "PATH", type, buffer.data(), size),
            runtime::kRegSuccess);
  EXPECT_EQ(type, runtime::kRegSz);
  ASSERT_EQ(size, tool.size() + 1);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer.data()), tool.size()), tool);
  EXPECT_EQ(buffer[tool.size()], 0);

  size = 4;  // too small for the value
  EXPECT_EQ(registry.RegQueryValueExA(key, "PATH", type, buffer.data(), size),
            runtime::kRegMoreData);
  EXPECT_EQ(size, tool.size() + 1);
  EXPECT_EQ(registry.RegQueryValueExA(key, "MSINFO", type, buffer.data(), size),
            runtime::kRegFileNotFound);
  EXPECT_EQ(registry.RegCloseKey(key), runtime::kRegSuccess);
}

// Services whose registry is the desktop's, over the test's search path.
class DesktopRegistryServices : public corvasine::testing::FakeServices {
 public:
  explicit DesktopRegistryServices(std::string searchPath) : desktop(std::move(searchPath)) {}
  runtime::Registry& registry() override { return desktop; }
  DesktopRegistry desktop;
};

TEST_F(DesktopRegistryTest, AboutBoxStartsTheFirstToolOrSaysItIsUnavailable) {
  {
    DesktopRegistryServices services(searchPath());
    runtime::Application app(services);
    app.form<shell::frmboota>().cmdSysInfo.click();
    EXPECT_TRUE(services.programsStarted.empty());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "System Information Is Unavailable At This Time");
  }
  // The first tool in the desktop's order that can run, wherever it lies.
  addTool("first", "gnome-system-monitor");
  addTool("first", "hardinfo", false);
  const std::string tool = addTool("second", "kinfocenter");
  DesktopRegistryServices services(searchPath());
  runtime::Application app(services);
  app.form<shell::frmboota>().cmdSysInfo.click();
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(services.programsStarted, std::vector<std::string>{tool});
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
