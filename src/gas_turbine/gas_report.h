#pragma once

// The gas turbine report: the window's inputs and the last evaluation's
// results written into the first sheet of the spreadsheet template
// "gasturb.qvd" of the program folder, then saved under a name the user picks
// (File > Export) or printed on the default printer (File > Print).

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "gas_turbine/gas_evaluation.h"
#include "runtime/services.h"

namespace corvasine::gas {

class frmgas;

inline constexpr const char* kReportTemplateFile = "gasturb.qvd";
inline constexpr std::string_view kExportFailedMessage = "Error while exporting file.";
inline constexpr std::string_view kPrintFailedMessage = "Error while printing data.";

// The texts of the boxes and lists that the report shows, as they stand: each
// value in the unit that the list beside it shows.
struct GasReportBoxes {
  std::string Text1, cmbtemp;    // ambient temperature
  std::string Text2, cmdsite;    // site altitude
  std::string Text3, cmdpress1;  // inlet pressure
  std::string Text6, Combo2;     // inlet system pressure drop
  std::string Text7, Combo3;     // final inlet pressure
  std::string Text5, Combo1;     // absolute water content
  std::string Text18, Combo6;    // fuel temperature
  std::string Text17, Combo7;    // fuel pressure
  std::string Text16, Combo8;    // fuel flow
  std::string Text10, Combo11;   // exhaust temperature
  std::string Text11, Combo12;   // exhaust pressure loss
  std::string Text26;            // mechanical losses, %
  bool Check1Ticked = false;     // "Generator efficiency:"
  std::string Text25;            // generator efficiency, %
  std::string Text20, Combo10;   // compressor discharge pressure
  std::string Text19, Combo9;    // compressor discharge temperature
};

using CellValue = std::variant<double, std::string>;

// One cell of the template's first sheet; rows and columns count from 1.
struct CellWrite {
  int row = 0;
  int column = 0;
  CellValue value;
  bool operator==(const CellWrite&) const = default;
};

// The cells of the report in the order they are written: every input cell
// (columns 5 and 6, value before unit), then every result cell (columns 10 and
// 11). RuntimeError when a value cannot be computed: a zero exhaust flow (no
// evaluation yet) or mechanical losses that are not a number.
std::vector<CellWrite> gasReportCells(const GasReportBoxes& boxes,
                                      const std::array<double, 21>& fuelComp,
                                      const GasEvaluation& record);

GasReportBoxes gasReportBoxes(const frmgas& form);

// Opens the template in the spreadsheet application, takes its first sheet
// and writes the cells in their order: numbers as numbers, texts literally.
void fillReport(runtime::SpreadsheetApplication& sheet, const std::string& templatePath,
                const std::vector<CellWrite>& cells);

// The format a chosen file name asks for: ".xlsx" and ".ods" name their own,
// anything else is saved as an Excel 97-2003 workbook.
runtime::WorkbookFormat workbookFormatFor(const std::string& fileName);

// File > Export: fills the template and saves it under the name chosen in the
// save dialog; a cancelled dialog saves nothing. A failure shows
// kExportFailedMessage and leaves no file under the chosen name; the template
// itself as the chosen file is such a failure, and stays as it was.
void exportExcel(frmgas& form);

// File > Print: fills the template and, after a question naming the default
// printer, prints it there. A failure shows kPrintFailedMessage.
void printExcel(frmgas& form);

}  // namespace corvasine::gas
