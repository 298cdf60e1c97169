// File > Export and File > Print of the gas window on the real LibreOffice:
// the saved workbook read back, the page printed on CI's PDF printer.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include "gas_turbine/gas_report.h"
#include "gas_turbine/gas_report_case.h"
#include "spreadsheet/libreoffice_spreadsheet.h"
#include "spreadsheet/libreoffice_test_support.h"

namespace corvasine::gas {
namespace {

using runtime::MessageAnswer;

class GasReportOnLibreOffice : public FrmgasTest {
 protected:
  GasReportOnLibreOffice() {
    std::filesystem::copy_file(CORVASINE_REPORT_TEMPLATE, services.programFile("gasturb.qvd"));
    templateBytes_ = services.readProgramFile("gasturb.qvd");
    services.realSpreadsheet = &libreOffice;
  }
  ~GasReportOnLibreOffice() override {
    EXPECT_EQ(services.readProgramFile("gasturb.qvd"), templateBytes_) << "the template changed";
    EXPECT_EQ(testing::sofficeProcessIds(), std::vector<int>{}) << "soffice left behind";
    EXPECT_EQ(testing::pipeSockets(), std::vector<std::string>{}) << "pipe socket left behind";
  }
  frmgas& evaluated() {
    frmgas& f = window();
    typeMethaneCase(f, gasState());
    f.Command2.click();
    EXPECT_TRUE(services.messages.empty());
    return f;
  }

  spreadsheet::LibreOfficeSpreadsheet libreOffice;
  testing::TempFolder out;

 private:
  std::string templateBytes_;
};

TEST_F(GasReportOnLibreOffice, ExportWritesAnExcel97WorkbookHoldingEveryCell) {
  frmgas& f = evaluated();
  services.fileDialogAnswers = {out.file("methane case.xls")};
  f.clickMenuItem("exporty");
  EXPECT_TRUE(services.messages.empty());
  const auto csv = testing::firstSheetAsCsv(out.file("methane case.xls"));
  // Every cell of the map (checked against the reference figures by the
  // report's own tests), numbers at the 15 digits LibreOffice writes.
  const auto cells = gasReportCells(gasReportBoxes(f), gasState().fuelComp, f.evaluation());
  for (const CellWrite& cell : cells) {
    const std::string field = testing::csvField(csv, cell.row, cell.column);
    if (const double* number = std::get_if<double>(&cell.value))
      EXPECT_NEAR(runtime::ParseNumber(field), *number, 1e-9 * std::max(1.0, std::abs(*number)))
          << cell.row << "," << cell.column;
    else
      EXPECT_EQ(field, std::get<std::string>(cell.value)) << cell.row << "," << cell.column;
  }
  // The template's own cells stay: the footnote names the unit the electric power is shown in.
  EXPECT_NE(testing::csvField(csv, 37, 8).find("electric power in MW"), std::string::npos);
}

// The template itself is no target (the fixture checks its bytes).
TEST_F(GasReportOnLibreOffice, ExportOverTheTemplateWritesNothing) {
  frmgas& f = evaluated();
  services.fileDialogAnswers = {services.programFile("gasturb.qvd")};
  f.clickMenuItem("exporty");
  EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Error while exporting file."});
  EXPECT_TRUE(std::filesystem::is_empty(out.path()));
}

// The print tests need the PDF printer of .ci/run: its name and output file.
class GasReportPrint : public GasReportOnLibreOffice {
 protected:
  void SetUp() override {
    const char* printer = std::getenv("CORVASINE_TEST_PRINTER");
    const char* output = std::getenv("CORVASINE_TEST_PRINT_FILE");
    if (printer == nullptr || output == nullptr)
      GTEST_SKIP() << "no test printer (CORVASINE_TEST_PRINTER, CORVASINE_TEST_PRINT_FILE)";
    services.printerName = printer;
    printed = output;
    std::filesystem::remove(printed);
  }
  // Waits until the printer has no job left, at most a bound.
  static void waitForPrinter() {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline &&
           !testing::runCommand("lpstat -o 2>/dev/null").empty())
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }

  std::string printed;
};

// No prints nothing; Yes prints one page with the values.
TEST_F(GasReportPrint, OnlyYesPrintsOnePageWithTheValuesOnTheDefaultPrinter) {
  frmgas& f = evaluated();
  services.answers = {MessageAnswer::No, MessageAnswer::Yes};
  f.Command3_Click();
  waitForPrinter();
  EXPECT_FALSE(std::filesystem::exists(printed));
  f.clickMenuItem("printoo");
  EXPECT_EQ(services.messages.size(), 2u);  // the questions alone
  waitForPrinter();
  ASSERT_TRUE(std::filesystem::exists(printed));
  EXPECT_NE(testing::runCommand("pdfinfo '" + printed + "'").find("Pages:           1\n"),
            std::string::npos);
  const std::string text = testing::runCommand("pdftotext -layout '" + printed + "' -");
  for (const ReferenceCell& ref : methaneReferenceCells())
    EXPECT_NE(text.find(runtime::NumberText(ref.value)), std::string::npos) << ref.value;
  EXPECT_NE(text.find("Corvasine - Gas Turbine Performance Report"), std::string::npos);
}

}  // namespace
}  // namespace corvasine::gas
