#include "gas_turbine/gas_report.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>

#include "gas_turbine/frmgas.h"
#include "gas_turbine/gas_shared.h"
#include "gas_turbine/gas_tables.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "shell/unit_factors.h"

namespace corvasine::gas {

using runtime::checked;
using runtime::checkedDiv;
using runtime::MessageAnswer;
using runtime::MessageKind;
using runtime::RoundHalfEven;
using runtime::SpreadsheetApplication;
using shell::kBtuPerHourPerHp;
using shell::kWattsPerHp;
using shell::kWattsPerMegawatt;

namespace {

constexpr int kInputValueColumn = 5;
constexpr int kInputUnitColumn = 6;
constexpr int kResultValueColumn = 10;
constexpr int kResultUnitColumn = 11;
constexpr int kFreshAirRow = 16;
constexpr int kFuelRowOffset = 24;  // component i is on row 24 + i
constexpr std::size_t kLastReportedComponent = kO2;

constexpr const char* kExportDialogTitle = "Corvasine - Save file";
constexpr const char* kExportDefaultExt = "xls";
constexpr const char* kExportFilter = "Microsoft Excel files (*.xls)|*.xls|All Files (*.*)|*.*";
constexpr const char* kTemporarySuffix = ".tmp~";

// An input row that shows a box's text and the unit its list shows.
struct BoxRow {
  int row;
  std::string GasReportBoxes::*value;
  std::string GasReportBoxes::*unit;
};

constexpr BoxRow kAirRows[] = {
    {8, &GasReportBoxes::Text1, &GasReportBoxes::cmbtemp},
    {9, &GasReportBoxes::Text2, &GasReportBoxes::cmdsite},
    {10, &GasReportBoxes::Text3, &GasReportBoxes::cmdpress1},
    {13, &GasReportBoxes::Text1, &GasReportBoxes::cmbtemp},
    {14, &GasReportBoxes::Text6, &GasReportBoxes::Combo2},
    {15, &GasReportBoxes::Text7, &GasReportBoxes::Combo3},
};
constexpr BoxRow kWaterAndFuelRows[] = {
    {17, &GasReportBoxes::Text5, &GasReportBoxes::Combo1},
    {20, &GasReportBoxes::Text18, &GasReportBoxes::Combo6},
    {21, &GasReportBoxes::Text17, &GasReportBoxes::Combo7},
    {22, &GasReportBoxes::Text16, &GasReportBoxes::Combo8},
};

class CellList {
 public:
  CellList(int valueColumn, int unitColumn, std::vector<CellWrite>& cells)
      : valueColumn_(valueColumn), unitColumn_(unitColumn), cells_(cells) {}
  void add(int row, CellValue value, std::string unit) {
    cells_.push_back({row, valueColumn_, std::move(value)});
    cells_.push_back({row, unitColumn_, std::move(unit)});
  }
  void add(const GasReportBoxes& boxes, const BoxRow& row) {
    add(row.row, boxes.*row.value, boxes.*row.unit);
  }

 private:
  int valueColumn_;
  int unitColumn_;
  std::vector<CellWrite>& cells_;
};

double horsepower(double btuPerHour) {
  return RoundHalfEven(checked(btuPerHour / kBtuPerHourPerHp), 0);
}

// Shares of the wet exhaust flow in %, 2 decimals; the two spellings keep the
// order of the operations, which can decide a rounding tie.
double shareOfTotal(double flow, double exhaustTotal) {
  return RoundHalfEven(checked(checkedDiv(flow, exhaustTotal) * 100.0), 2);
}
double hundredfoldOverTotal(double flow, double exhaustTotal) {
  return RoundHalfEven(checkedDiv(flow * 100.0, exhaustTotal), 2);
}

void addInputCells(const GasReportBoxes& boxes, const std::array<double, 21>& fuelComp,
                   const GasEvaluation& r, std::vector<CellWrite>& cells) {
  CellList inputs(kInputValueColumn, kInputUnitColumn, cells);
  for (const BoxRow& row : kAirRows) inputs.add(boxes, row);
  inputs.add(kFreshAirRow, checked(r.dryAirFlow + r.humidWater), "kscfh");
  for (const BoxRow& row : kWaterAndFuelRows) inputs.add(boxes, row);
  for (std::size_t i = kFirstFuelComponent; i <= kLastReportedComponent; ++i)
    inputs.add(kFuelRowOffset + static_cast<int>(i), RoundHalfEven(fuelComp[i], 2), "%");
}

void addResultCells(const GasReportBoxes& boxes, const GasEvaluation& r,
                    std::vector<CellWrite>& cells) {
  CellList results(kResultValueColumn, kResultUnitColumn, cells);
  results.add(8, boxes.Text10, boxes.Combo11);
  results.add(9, boxes.Text11, boxes.Combo12);
  results.add(10, r.exhaustTotal, "kscfh");
  results.add(11, r.o2DryPercent, "%");
  // The exhaust composition: the share of argon, N2, O2, CO2, SO2 and water.
  results.add(14, shareOfTotal(r.argonFlow, r.exhaustTotal), "%");
  results.add(15, hundredfoldOverTotal(r.n2Air + r.n2Fuel, r.exhaustTotal), "%");
  results.add(16, shareOfTotal(r.o2Excess, r.exhaustTotal), "%");
  results.add(17, hundredfoldOverTotal(r.co2Combustion + r.co2Air, r.exhaustTotal), "%");
  results.add(18, shareOfTotal(r.so2Flow, r.exhaustTotal), "%");
  results.add(19, shareOfTotal(r.waterTotal, r.exhaustTotal), "%");
  results.add(22, horsepower(r.thermalPower), "hp");
  results.add(23, RoundHalfEven(100.0 - runtime::ParseNumber(boxes.Text26), 2), "%");
  results.add(24, horsepower(r.mechPower), "hp");
  if (boxes.Check1Ticked) {
    results.add(25, boxes.Text25, "%");
    const double megawatts =
        checked(r.electricPower / kBtuPerHourPerHp * kWattsPerHp / kWattsPerMegawatt);
    results.add(26, RoundHalfEven(megawatts, 2), "MW");
  } else {
    results.add(25, std::string("-"), "-");
    results.add(26, std::string("-"), "-");
  }
  results.add(27, RoundHalfEven(r.thermalEff, 2), "%");
  results.add(28, RoundHalfEven(r.heatRate, 0), "BTU/hp-hr");
  results.add(31, boxes.Text20, boxes.Combo10);
  results.add(32, boxes.Text19, boxes.Combo9);
  results.add(33, horsepower(r.compressorHeat), "hp");
  results.add(34, RoundHalfEven(r.polyEfficiency, 2), "%");
}

// Ends the spreadsheet application however the operation ends, so that no
// process is left behind; a failure while ending it is not reported again.
class SpreadsheetRun {
 public:
  explicit SpreadsheetRun(SpreadsheetApplication& sheet) : sheet_(sheet) {}
  SpreadsheetRun(const SpreadsheetRun&) = delete;
  SpreadsheetRun& operator=(const SpreadsheetRun&) = delete;
  ~SpreadsheetRun() {
    if (finished_) return;
    try {
      if (open_) sheet_.closeWithoutSaving();
    } catch (const std::exception&) {
    }
    try {
      sheet_.quit();
    } catch (const std::exception&) {
    }
  }

  void fill(const std::string& templatePath, const std::vector<CellWrite>& cells) {
    // Closing is harmless when the open failed and nothing is open.
    open_ = true;
    fillReport(sheet_, templatePath, cells);
  }

  void finish() {
    sheet_.closeWithoutSaving();
    open_ = false;
    sheet_.quit();
    finished_ = true;
  }

  SpreadsheetApplication& sheet() { return sheet_; }

 private:
  SpreadsheetApplication& sheet_;
  bool open_ = false;
  bool finished_ = false;
};

std::string templatePath(runtime::Services& services) {
  return services.ProgramFolder() + "/" + kReportTemplateFile;
}

std::vector<CellWrite> reportCells(frmgas& form) {
  return gasReportCells(gasReportBoxes(form), gasShared(form.application()).fuelComp,
                        form.evaluation());
}

// Saves beside the chosen name, then renames, so that the name holds either
// the whole workbook or what it held before.
void saveWorkbook(SpreadsheetApplication& sheet, const std::string& fileName) {
  const std::string temporary = fileName + kTemporarySuffix;
  try {
    sheet.saveAs(temporary, workbookFormatFor(fileName));
    std::filesystem::rename(temporary, fileName);
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    throw;
  }
}

// The template is never a target: a name that reaches the template file
// itself, by another spelling or through a link, is refused.
void refuseTemplateTarget(const std::string& fileName, const std::string& templateFile) {
  std::error_code unreadable;
  if (std::filesystem::equivalent(fileName, templateFile, unreadable))
    throw runtime::RuntimeError("the template cannot be a target: " + fileName);
}

void showFailure(runtime::Services& services, std::string_view message) {
  services.ShowMessage(std::string(message), MessageKind::Error);
}

}  // namespace

std::vector<CellWrite> gasReportCells(const GasReportBoxes& boxes,
                                      const std::array<double, 21>& fuelComp,
                                      const GasEvaluation& record) {
  std::vector<CellWrite> cells;
  addInputCells(boxes, fuelComp, record, cells);
  addResultCells(boxes, record, cells);
  return cells;
}

void fillReport(SpreadsheetApplication& sheet, const std::string& templatePath,
                const std::vector<CellWrite>& cells) {
  sheet.openTemplate(templatePath);
  sheet.useFirstSheet();
  for (const CellWrite& cell : cells) {
    if (const double* number = std::get_if<double>(&cell.value))
      sheet.setCellNumber(cell.row, cell.column, *number);
    else
      sheet.setCellText(cell.row, cell.column, std::get<std::string>(cell.value));
  }
}

GasReportBoxes gasReportBoxes(const frmgas& f) {
  GasReportBoxes b;
  b.Text1 = f.Text1.text();
  b.cmbtemp = f.cmbtemp.text();
  b.Text2 = f.Text2.text();
  b.cmdsite = f.cmdsite.text();
  b.Text3 = f.Text3.text();
  b.cmdpress1 = f.cmdpress1.text();
  b.Text6 = f.Text6.text();
  b.Combo2 = f.Combo2.text();
  b.Text7 = f.Text7.text();
  b.Combo3 = f.Combo3.text();
  b.Text5 = f.Text5.text();
  b.Combo1 = f.Combo1.text();
  b.Text18 = f.Text18.text();
  b.Combo6 = f.Combo6.text();
  b.Text17 = f.Text17.text();
  b.Combo7 = f.Combo7.text();
  b.Text16 = f.Text16.text();
  b.Combo8 = f.Combo8.text();
  b.Text10 = f.Text10.text();
  b.Combo11 = f.Combo11.text();
  b.Text11 = f.Text11.text();
  b.Combo12 = f.Combo12.text();
  b.Text26 = f.Text26.text();
  b.Check1Ticked = f.Check1.value() == 1;
  b.Text25 = f.Text25.text();
  b.Text20 = f.Text20.text();
  b.Combo10 = f.Combo10.text();
  b.Text19 = f.Text19.text();
  b.Combo9 = f.Combo9.text();
  return b;
}

runtime::WorkbookFormat workbookFormatFor(const std::string& fileName) {
  std::string extension = std::filesystem::path(fileName).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (extension == ".xlsx") return runtime::WorkbookFormat::ExcelXml;
  if (extension == ".ods") return runtime::WorkbookFormat::OpenDocument;
  return runtime::WorkbookFormat::Excel97;
}

// The cells are computed before the spreadsheet application starts: a value
// that cannot be computed (no evaluation yet) ends the export at once.
void exportExcel(frmgas& form) {
  runtime::Services& services = form.application().services();
  try {
    const std::vector<CellWrite> cells = reportCells(form);
    SpreadsheetRun run(services.spreadsheet());
    run.fill(templatePath(services), cells);
    runtime::FileDialogOptions dialog;
    dialog.title = kExportDialogTitle;
    dialog.fileName = "";
    dialog.initialFolder = services.ProgramFolder();
    dialog.defaultExt = kExportDefaultExt;
    dialog.filter = kExportFilter;
    const std::string fileName = services.saveFileDialog(dialog);
    if (!fileName.empty()) {
      refuseTemplateTarget(fileName, templatePath(services));
      saveWorkbook(run.sheet(), fileName);
    }
    run.finish();
  } catch (const std::exception&) {
    showFailure(services, kExportFailedMessage);
  }
}

// Without a default printer there is nothing to ask about: the print ends
// with its message before the spreadsheet application starts.
void printExcel(frmgas& form) {
  runtime::Services& services = form.application().services();
  try {
    const std::vector<CellWrite> cells = reportCells(form);
    const std::string printer = services.defaultPrinterName();
    if (printer.empty()) throw runtime::RuntimeError("no default printer");
    SpreadsheetRun run(services.spreadsheet());
    run.fill(templatePath(services), cells);
    const std::string question =
        "Print will be sent to your default printer;\r\nDefault printer: " + printer +
        "\r\nDo you want to continue?";
    if (services.ShowMessage(question, MessageKind::Question) == MessageAnswer::Yes)
      run.sheet().printOut(printer);
    run.finish();
  } catch (const std::exception&) {
    showFailure(services, kPrintFailedMessage);
  }
}

}  // namespace corvasine::gas
