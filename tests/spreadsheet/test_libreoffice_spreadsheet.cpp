// The LibreOffice backend on the real application. Every test runs with a
// temporary folder whose path holds a space, and leaves no soffice, no
// temporary file, no pipe socket and the template as it was.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "runtime/runtime_error.h"
#include "spreadsheet/libreoffice_spreadsheet.h"
#include "spreadsheet/libreoffice_test_support.h"

namespace corvasine::spreadsheet {
namespace {

using runtime::RuntimeError;
using runtime::WorkbookFormat;
using testing::TempFolder;

class LibreOfficeTest : public ::testing::Test {
 protected:
  LibreOfficeTest() {
    std::filesystem::copy_file(CORVASINE_REPORT_TEMPLATE, templateCopy());
    templateBytes_ = testing::readFile(templateCopy());
    std::filesystem::create_directory(runTmp);
    if (const char* old = std::getenv("TMPDIR")) oldTmpdir_ = old;
    setenv("TMPDIR", runTmp.c_str(), 1);
  }
  ~LibreOfficeTest() override {
    oldTmpdir_ ? setenv("TMPDIR", oldTmpdir_->c_str(), 1) : unsetenv("TMPDIR");
    EXPECT_EQ(testing::sofficeProcessIds(), std::vector<int>{}) << "soffice left behind";
    EXPECT_EQ(testing::pipeSockets(), std::vector<std::string>{}) << "pipe socket left behind";
    EXPECT_TRUE(std::filesystem::is_empty(runTmp)) << "temporary files left behind";
    EXPECT_EQ(testing::readFile(templateCopy()), templateBytes_) << "the template changed";
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
      EXPECT_EQ(entry.path().filename().string().find(".~lock"), std::string::npos) << entry.path();
  }
  std::string templateCopy() const { return folder.file("gasturb.qvd"); }

  TempFolder folder;
  const std::string runTmp = folder.file("run tmp");

 private:
  std::optional<std::string> oldTmpdir_;
  std::string templateBytes_;
};

// Each format with its signature, texts literal and numbers exact; runs at
// once do not meet.
TEST_F(LibreOfficeTest, SavesWriteEachFormatAlsoTwoAtOnce) {
  const struct {
    const char* file;
    WorkbookFormat format;
    std::string signature;  // OLE2 compound file; ZIP for both XML formats
  } formats[] = {{"book.xls", WorkbookFormat::Excel97, "\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1"},
                 {"book.xlsx", WorkbookFormat::ExcelXml, "PK\x03\x04"},
                 {"book.ods", WorkbookFormat::OpenDocument, "PK\x03\x04"}};
  const char* texts[] = {"=1+1", "1e3", "0,5", "°C"};
  auto save = [&, this](const auto& f) {
    LibreOfficeSpreadsheet sheet;
    EXPECT_NO_THROW({
      sheet.openTemplate(templateCopy());
      sheet.useFirstSheet();
      for (int row = 8; row < 12; ++row) sheet.setCellText(row, 6, texts[row - 8]);
      sheet.setCellNumber(8, 5, 0.1 + 0.2);
      sheet.setCellNumber(9, 5, -1234567.875);
      sheet.saveAs(folder.file(f.file), f.format);
      sheet.closeWithoutSaving();
    }) << f.file;
    sheet.quit();
  };
  // All three at once, the first runs of this test process.
  std::thread xlsx([&] { save(formats[1]); });
  std::thread ods([&] { save(formats[2]); });
  save(formats[0]);
  xlsx.join();
  ods.join();
  for (const auto& f : formats) {
    SCOPED_TRACE(f.file);
    const std::string book = folder.file(f.file);
    EXPECT_EQ(testing::readFile(book).substr(0, f.signature.size()), f.signature);
    const auto csv = testing::firstSheetAsCsv(book);
    for (int row = 8; row < 12; ++row) EXPECT_EQ(testing::csvField(csv, row, 6), texts[row - 8]);
    EXPECT_EQ(testing::csvField(csv, 8, 5), "0.3");
    EXPECT_EQ(testing::csvField(csv, 9, 5), "-1234567.875");
  }
}

// A missing template, a printer it does not accept, a file where the folder
// should be: each fails, and leaves no process and no file.
TEST_F(LibreOfficeTest, FailuresLeaveNoProcessAndNoFile) {
  LibreOfficeSpreadsheet sheet;
  EXPECT_THROW(sheet.openTemplate(folder.file("missing.qvd")), RuntimeError);
  EXPECT_THROW(sheet.useFirstSheet(), RuntimeError);
  sheet.quit();
  EXPECT_EQ(testing::sofficeProcessIds(), std::vector<int>{});

  std::ofstream(folder.file("plain")) << "not a folder";
  sheet.openTemplate(templateCopy());
  sheet.useFirstSheet();
  EXPECT_THROW(sheet.printOut(""), RuntimeError);
  EXPECT_THROW(sheet.printOut("corvasine-no-such-printer"), RuntimeError);
  EXPECT_THROW(sheet.saveAs(folder.file("plain/book.xls"), WorkbookFormat::Excel97), RuntimeError);
  sheet.quit();
  EXPECT_EQ(testing::readFile(folder.file("plain")), "not a folder");
}

// A soffice that stops answering in the middle: the call ends at its bound.
TEST_F(LibreOfficeTest, ACallThatNeverReturnsEndsAtItsBound) {
  LibreOfficeSpreadsheet sheet({.callTimeout = std::chrono::milliseconds(1500)});
  sheet.openTemplate(templateCopy());
  sheet.useFirstSheet();
  const std::vector<int> ids = testing::sofficeProcessIds();
  ASSERT_FALSE(ids.empty());
  for (int id : ids) kill(id, SIGSTOP);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(sheet.setCellNumber(8, 5, 1.0), RuntimeError);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(15));
  sheet.quit();
}

// A start that cannot succeed ends within its bound: a soffice that never
// accepts, a temporary folder LibreOffice cannot take (relative, or not
// UTF-8; those fail at once and leave the folder empty).
TEST_F(LibreOfficeTest, AStartThatCannotSucceedEndsWithinItsBound) {
  const std::string silent = folder.file("silent-soffice");
  std::ofstream(silent) << "#!/bin/sh\nwhile :; do sleep 1; done\n";
  std::filesystem::permissions(silent, std::filesystem::perms::owner_all);
  for (const std::string& tmp : {runTmp, std::string("relative tmp"), folder.file("\xff\xfe")}) {
    std::filesystem::create_directory(tmp);
    setenv("TMPDIR", tmp.c_str(), 1);
    const bool silentStart = tmp == runTmp;
    LibreOfficeSpreadsheet sheet({.sofficePath = silentStart ? silent : defaultSofficePath(),
                                  .startTimeout = std::chrono::milliseconds(700)});
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(sheet.openTemplate(templateCopy()), RuntimeError) << tmp;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(silentStart ? 10 : 2));
    EXPECT_TRUE(std::filesystem::is_empty(tmp)) << tmp;
    if (!silentStart) std::filesystem::remove(tmp);
  }
}

// Only as the child process of the test below: works on LibreOffice until ended.
TEST(LibreOfficeChild, DISABLED_WorksUntilEnded) {
  endRunsOnTerminationSignals();
  for (double value = 0;; ++value) {
    LibreOfficeSpreadsheet sheet;
    sheet.openTemplate(CORVASINE_REPORT_TEMPLATE);
    sheet.useFirstSheet();
    for (int row = 1; row <= 40; ++row) sheet.setCellNumber(row, 5, value);
    sheet.quit();
  }
}

TEST_F(LibreOfficeTest, AProgramEndedBySigtermLeavesNoLibreOfficeAndNoFile) {
  const char* argv[] = {"/proc/self/exe", "--gtest_filter=LibreOfficeChild.*",
                        "--gtest_also_run_disabled_tests", nullptr};
  pid_t child = 0;
  ASSERT_EQ(posix_spawn(&child, argv[0], nullptr, nullptr, const_cast<char**>(argv), environ), 0);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (testing::sofficeProcessIds(child).empty() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));  // started and working
  kill(child, SIGTERM);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
  EXPECT_EQ(testing::sofficeProcessIds(child), std::vector<int>{});
  EXPECT_EQ(testing::pipeSockets(child), std::vector<std::string>{});
}

}  // namespace
}  // namespace corvasine::spreadsheet
