#pragma once

// Helpers of the tests on the real LibreOffice.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace corvasine::testing {

// A fresh temporary folder, removed with what it holds.
class TempFolder {
 public:
  TempFolder() : path_(std::filesystem::temp_directory_path() / "corvasine-lo-test-XXXXXX") {
    if (mkdtemp(path_.data()) == nullptr) ADD_FAILURE() << "cannot make a temporary folder";
  }
  ~TempFolder() { std::filesystem::remove_all(path_, ignored_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
  std::error_code ignored_;  // the removal is best effort
};

std::string readFile(const std::string& path);

// The first sheet of a workbook, as LibreOffice converts it to CSV with raw
// (unformatted) values: rows of fields, row 1 first.
std::vector<std::vector<std::string>> firstSheetAsCsv(const std::string& workbook);

// The field at a 1-based row and column, empty past the sheet's used area.
std::string csvField(const std::vector<std::vector<std::string>>& sheet, int row, int column);

// The soffice processes that this test process (or `owner`) started, by their pipe name.
std::vector<int> sofficeProcessIds(int owner = getpid());
// The sockets of those processes' pipes left in the system's temporary folder.
std::vector<std::string> pipeSockets(int owner = getpid());

// Runs a shell command; its standard output.
std::string runCommand(const std::string& command);

}  // namespace corvasine::testing
