#pragma once

// The spreadsheet service on LibreOffice Calc: a hidden soffice of our own
// for each run, driven through UNO. This header is free of UNO, so that the
// program's main can wire the backend in without the SDK's headers.

#include <chrono>
#include <memory>
#include <string>

#include "runtime/services.h"

namespace corvasine::spreadsheet {

// soffice of the LibreOffice that the build found.
std::string defaultSofficePath();

// Lets SIGTERM and SIGINT end every LibreOffice run of this process, and
// remove what the runs made, before the process ends by that signal. Call it
// once, first in main.
void endRunsOnTerminationSignals();

struct LibreOfficeOptions {
  std::string sofficePath = defaultSofficePath();
  // Until soffice accepts the connection.
  std::chrono::milliseconds startTimeout{30000};
  // For any one call; a call that takes longer ends soffice and fails.
  std::chrono::milliseconds callTimeout{30000};
};

class LibreOfficeSpreadsheet : public runtime::SpreadsheetApplication {
 public:
  explicit LibreOfficeSpreadsheet(LibreOfficeOptions options = {});
  ~LibreOfficeSpreadsheet() override;
  LibreOfficeSpreadsheet(const LibreOfficeSpreadsheet&) = delete;
  LibreOfficeSpreadsheet& operator=(const LibreOfficeSpreadsheet&) = delete;

  void openTemplate(const std::string& path) override;
  void useFirstSheet() override;
  void setCellNumber(int row, int column, double value) override;
  void setCellText(int row, int column, const std::string& text) override;
  void saveAs(const std::string& path, runtime::WorkbookFormat format) override;
  void printOut(const std::string& printerName) override;
  void closeWithoutSaving() override;
  void quit() override;

 private:
  struct Session;
  LibreOfficeOptions options_;
  std::unique_ptr<Session> session_;
};

}  // namespace corvasine::spreadsheet
