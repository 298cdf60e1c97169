// The spreadsheet backend of a build made without the LibreOffice SDK: every
// call fails, so export and print end in their messages.

#include "runtime/runtime_error.h"
#include "spreadsheet/libreoffice_spreadsheet.h"

namespace corvasine::spreadsheet {

namespace {

[[noreturn]] void unavailable() {
  throw runtime::RuntimeError("this build of Corvasine has no LibreOffice backend");
}

}  // namespace

struct LibreOfficeSpreadsheet::Session {};

LibreOfficeSpreadsheet::LibreOfficeSpreadsheet(LibreOfficeOptions options)
    : options_(std::move(options)) {}
LibreOfficeSpreadsheet::~LibreOfficeSpreadsheet() = default;

std::string defaultSofficePath() { return {}; }
// No run is ever started: the signals keep their default action.
void endRunsOnTerminationSignals() {}

void LibreOfficeSpreadsheet::openTemplate(const std::string&) { unavailable(); }
void LibreOfficeSpreadsheet::useFirstSheet() { unavailable(); }
void LibreOfficeSpreadsheet::setCellNumber(int, int, double) { unavailable(); }
void LibreOfficeSpreadsheet::setCellText(int, int, const std::string&) { unavailable(); }
void LibreOfficeSpreadsheet::saveAs(const std::string&, runtime::WorkbookFormat) { unavailable(); }
void LibreOfficeSpreadsheet::printOut(const std::string&) { unavailable(); }
void LibreOfficeSpreadsheet::closeWithoutSaving() {}
void LibreOfficeSpreadsheet::quit() {}

}  // namespace corvasine::spreadsheet
