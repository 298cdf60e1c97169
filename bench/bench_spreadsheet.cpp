// An export and a print of a gas turbine report on LibreOffice, each a whole
// run as File > Export and File > Print make it: soffice start, template,
// every cell, save or print, close and quit. Print needs a printer named in
// CORVASINE_TEST_PRINTER (a PDF printer, as .ci/pdf-printer makes one).

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "gas_turbine/gas_report.h"
#include "gas_turbine/reference/gas_reference_cases.h"
#include "spreadsheet/libreoffice_spreadsheet.h"

namespace corvasine::gas {
namespace {

// The cells of the methane reference case.
std::vector<CellWrite> referenceCells() {
  reference::GasCaseInput c = reference::methaneAt15PercentO2();
  const GasEvaluation record = evaluateGasTurbine(c.input, c.mix, GasEvaluation{}).record;
  GasReportBoxes boxes;
  boxes.Text1 = "59";
  boxes.cmbtemp = "°F";
  boxes.Text5 = "0.0064";
  boxes.Combo1 = "lb/lb";
  boxes.Text26 = "1.5";
  return gasReportCells(boxes, c.mix.fuelComp, record);
}

// Argument 1: with a temporary folder whose path holds a space.
void BM_ExportReport(benchmark::State& state) {
  const std::vector<CellWrite> cells = referenceCells();
  std::string folder = (std::filesystem::temp_directory_path() / "corvasine-bench-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const char* oldTmpdir = std::getenv("TMPDIR");
  const std::string savedTmpdir = oldTmpdir != nullptr ? oldTmpdir : "";
  if (state.range(0) == 1) {
    std::filesystem::create_directory(folder + "/temporary files");
    setenv("TMPDIR", (folder + "/temporary files").c_str(), 1);
  }
  for (auto _ : state) {
    spreadsheet::LibreOfficeSpreadsheet sheet;
    fillReport(sheet, CORVASINE_REPORT_TEMPLATE, cells);
    sheet.saveAs(folder + "/report.xls", runtime::WorkbookFormat::Excel97);
    sheet.closeWithoutSaving();
    sheet.quit();
  }
  if (oldTmpdir != nullptr)
    setenv("TMPDIR", savedTmpdir.c_str(), 1);
  else
    unsetenv("TMPDIR");
  std::filesystem::remove_all(folder);
}

void BM_PrintReport(benchmark::State& state) {
  const char* printer = std::getenv("CORVASINE_TEST_PRINTER");
  if (printer == nullptr) {
    state.SkipWithError("no printer: set CORVASINE_TEST_PRINTER");
    return;
  }
  const std::vector<CellWrite> cells = referenceCells();
  for (auto _ : state) {
    spreadsheet::LibreOfficeSpreadsheet sheet;
    fillReport(sheet, CORVASINE_REPORT_TEMPLATE, cells);
    sheet.printOut(printer);
    sheet.closeWithoutSaving();
    sheet.quit();
  }
}

BENCHMARK(BM_ExportReport)
    ->ArgName("spaced_tmpdir")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();
BENCHMARK(BM_PrintReport)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true)
    ->UseRealTime();

}  // namespace
}  // namespace corvasine::gas
