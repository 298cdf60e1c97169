#include <gtest/gtest.h>

#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "runtime/application.h"
#include "shell/frmboota.h"
#include "support/fake_services.h"

namespace corvasine::shell {
namespace {

using runtime::Application;
using runtime::kRegDword;
using testing::FakeRegistry;
using Value = FakeRegistry::Value;

constexpr std::uint32_t kHklm = 0x80000002u;
const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class AboutBoxTest : public ::testing::Test {
 protected:
  testing::FakeServices services;
  FakeRegistry& registry = services.fakeRegistry;
  Application app{services};
  frmboota& about = app.form<frmboota>();
};

struct Lookup {
  const char* name;
  std::optional<Value> stored;  // none: the key does not exist
  bool denied, found;
  std::string expected;  // KeyVal afterwards; it starts as "before"
  const char* storedAs = "Value";
};

TEST_F(AboutBoxTest, GetKeyValueReadsOneValueAndClosesTheKey) {
  const auto text = FakeRegistry::text;
  const Lookup cases[] = {
      {"TextWithNul", text("C:\\Tools\\msinfo.exe", true), false, true, "C:\\Tools\\msinfo.exe"},
      {"TextWithoutNul", text("C:\\Tools", false), false, true, "C:\\Tools"},
      {"EmptyText", text("", true), false, true, ""},
      {"FillsTheBuffer", text(std::string(1024, 'x'), false), false, true, std::string(1024, 'x')},
      {"LongerThanTheBuffer", text(std::string(1024, 'x'), true), false, false, ""},
      {"DwordAllBytes", Value{kRegDword, {0x78, 0x56, 0x34, 0x12}}, false, true, "305419896"},
      {"OtherTypeKeepsTheText", Value{3, {1, 2, 3}}, false, true, "before"},
      {"MissingKey", std::nullopt, false, false, ""},
      {"MissingValue", text("x", true), false, false, "", "Other"},
      {"AccessDenied", text("x", true), true, false, ""}};
  for (const Lookup& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string key = std::string("Key\\") + c.name;
    if (c.stored) registry.setValue(kHklm, key, c.storedAs, *c.stored);
    if (c.denied) registry.denyAccess(kHklm, key);
    registry.lastAccess = 0;
    std::string value = "before";
    EXPECT_EQ(about.GetKeyValue(kHklm, key, "Value", value), c.found);
    EXPECT_EQ(value, c.expected);
    EXPECT_EQ(registry.lastAccess, 0x2003Fu);  // all access
    EXPECT_EQ(registry.openHandles(), 0);
  }
  EXPECT_TRUE(services.messages.empty());
}

// The tool's full name is started unchanged, without testing that it exists;
// else the folder of the second key, when it holds the program. OK closes.
TEST_F(AboutBoxTest, StartsTheRegisteredToolAndOkCloses) {
  registry.setText(kHklm, kToolKey, "PATH", "C:\\Odd Place\\tool.exe");
  registry.setText(kHklm, kFolderKey, "MSINFO", "C:\\Elsewhere");
  about.cmdSysInfo.click();
  registry.denyAccess(kHklm, kToolKey);  // the first key no longer opens
  registry.setText(kHklm, kFolderKey, "MSINFO", "C:\\Shared\\MSInfo", false);
  services.existingFiles.insert("C:\\Shared\\MSInfo\\MSINFO32.EXE");
  about.cmdSysInfo.click();
  EXPECT_EQ(
      services.programsStarted,
      (std::vector<std::string>{"C:\\Odd Place\\tool.exe", "C:\\Shared\\MSInfo\\MSINFO32.EXE"}));
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(registry.openHandles(), 0);
  about.cmdOK.click();
  EXPECT_EQ(app.find<frmboota>(), nullptr);
}

// Nothing registered, a folder without the program, a program that will not
// start, a path of another type: the one message, and the box stays open.
TEST(SysInfoUnavailable, ShowsTheOneMessageAndStaysOpen) {
  using Arrange = void (*)(testing::FakeServices&);
  const Arrange cases[] = {[](testing::FakeServices&) {},
                           [](testing::FakeServices& s) {
                             s.fakeRegistry.setText(kHklm, kFolderKey, "MSINFO", "C:\\Shared");
                             s.existingFiles.insert("C:\\Shared\\OTHER.EXE");
                           },
                           [](testing::FakeServices& s) {
                             s.fakeRegistry.setText(kHklm, kToolKey, "PATH", "C:\\broken.exe");
                             s.unstartablePrograms.insert("C:\\broken.exe");
                           },
                           [](testing::FakeServices& s) {
                             s.fakeRegistry.setValue(kHklm, kToolKey, "PATH", {3, {1, 2}});
                           }};
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    SCOPED_TRACE(k);
    testing::FakeServices services;
    cases[k](services);
    Application app{services};
    app.form<frmboota>().cmdSysInfo.click();
    EXPECT_EQ(services.messageTexts(),
              std::vector<std::string>{"System Information Is Unavailable At This Time"});
    EXPECT_TRUE(services.programsStarted.empty());
    EXPECT_EQ(services.fakeRegistry.openHandles(), 0);
    EXPECT_NE(app.find<frmboota>(), nullptr);
  }
}

}  // namespace
}  // namespace corvasine::shell
