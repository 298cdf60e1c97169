#include <gtest/gtest.h>
#include <sys/stat.h>

#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "gui_qt/desktop_registry.h"
#include "runtime/application.h"
#include "shell/frmboota.h"
#include "support/fake_services.h"

namespace corvasine::gui {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kHklm = 0x80000002u;
constexpr std::uint32_t kAllAccess = 0x2003Fu;
constexpr const char* kMsInfo = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

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

TEST_F(DesktopRegistryTest, FirstToolInOrderThatCanRunIsFound) {
  addTool("first", "gnome-system-monitor");
  addTool("first", "hardinfo", false);  // not executable: skipped
  const std::string kinfo = addTool("second", "kinfocenter");
  DesktopRegistry registry(searchPath());
  EXPECT_EQ(registry.systemInfoTool(), kinfo);
}

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
  EXPECT_NE(registry.RegCloseKey(key), runtime::kRegSuccess);
}

TEST_F(DesktopRegistryTest, WithoutAToolNeitherKeyExists) {
  DesktopRegistry registry(searchPath());
  std::uint32_t key = 0;
  EXPECT_EQ(registry.RegOpenKeyExA(kHklm, kMsInfo, kAllAccess, key), runtime::kRegFileNotFound);
  EXPECT_EQ(
      registry.RegOpenKeyExA(kHklm, "SOFTWARE\\Microsoft\\Shared Tools Location", kAllAccess, key),
      runtime::kRegFileNotFound);
}

// Services whose registry is the desktop's, over the test's search path.
class DesktopRegistryServices : public corvasine::testing::FakeServices {
 public:
  explicit DesktopRegistryServices(std::string searchPath) : desktop(std::move(searchPath)) {}
  runtime::Registry& registry() override { return desktop; }
  DesktopRegistry desktop;
};

TEST_F(DesktopRegistryTest, AboutBoxStartsTheToolOrSaysItIsUnavailable) {
  {
    DesktopRegistryServices services(searchPath());
    runtime::Application app(services);
    app.form<shell::frmboota>().cmdSysInfo.click();
    EXPECT_TRUE(services.programsStarted.empty());
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "System Information Is Unavailable At This Time");
  }
  const std::string tool = addTool("first", "kinfocenter");
  DesktopRegistryServices services(searchPath());
  runtime::Application app(services);
  app.form<shell::frmboota>().cmdSysInfo.click();
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(services.programsStarted, std::vector<std::string>{tool});
}

}  // namespace
}  // namespace corvasine::gui
