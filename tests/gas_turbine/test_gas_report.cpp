// The gas turbine report: the cell map from a record built by hand, and the
// export and print driving a recording spreadsheet that can fail at any call.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "gas_turbine/gas_report.h"
#include "gas_turbine/gas_report_case.h"
#include "gas_turbine/gas_test_support.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::gas {
namespace {

using runtime::MessageAnswer;
using runtime::WorkbookFormat;
using S = std::string;

constexpr double kHp = 2544.43;  // Btu/h per hp

GasReportBoxes typedBoxes() {
  return {.Text1 = "15",
          .cmbtemp = "°C",
          .Text2 = "150",
          .cmdsite = "ft",
          .Text3 = "14.62",
          .cmdpress1 = "psia",
          .Text6 = "4",
          .Combo2 = "inWC",
          .Text7 = "14.48",
          .Combo3 = "psia",
          .Text5 = "0.0064",
          .Combo1 = "lb/lb",
          .Text18 = "80",
          .Combo6 = "°F",
          .Text17 = "21",
          .Combo7 = "bar",
          .Text16 = "1000",
          .Combo8 = "kscfh",
          .Text10 = "1050",
          .Combo11 = "°F",
          .Text11 = "5.5",
          .Combo12 = "inWC",
          .Text26 = "1.5",
          .Check1Ticked = false,
          .Text25 = "98.5",
          .Text20 = "220",
          .Combo10 = "psia",
          .Text19 = "720",
          .Combo9 = "°F"};
}

// Round figures whose shares and powers are worked out by hand below; several
// land exactly on a rounding tie.
GasEvaluation handRecord() {
  GasEvaluation r;
  r.dryAirFlow = 30000;
  r.humidWater = 500.25;
  r.exhaustTotal = 32000;
  r.o2DryPercent = 14.987654321;
  r.argonFlow = 288;  // 0.9 %
  r.n2Air = 23000;    // with n2Fuel: 23040 / 32000 = 72 %
  r.n2Fuel = 40;
  r.o2Excess = 4000;       // 12.5 %
  r.co2Combustion = 1000;  // with co2Air: 1009 / 32000 = 3.153125 %
  r.co2Air = 9;
  r.so2Flow = 40;                   // 0.125 %, a tie: 0.12
  r.waterTotal = 2000;              // 6.25 %
  r.thermalPower = 110298.5 * kHp;  // a tie: 110298 hp
  r.mechPower = 1000 * kHp;
  r.electricPower = 100000 * kHp;  // 74.6 MW
  r.thermalEff = 35.125;           // a tie: 35.12
  r.heatRate = 7202.5;             // a tie: 7202
  r.compressorHeat = 150000.4 * kHp;
  r.polyEfficiency = 91.755;  // a tie: 91.76
  return r;
}

std::array<double, 21> handComposition() {
  std::array<double, 21> comp{};
  comp[1] = 85.255;  // a tie: 85.26
  comp[2] = 6;
  comp[16] = 1.004;
  comp[17] = 0.125;  // O2, a tie: 0.12
  comp[18] = 3;      // argon is not on the sheet
  return comp;
}

// The cell map row by row, value before unit; the inputs first.
std::vector<CellWrite> expectedCells(bool generator) {
  std::vector<CellWrite> c = {
      {8, 5, S("15")},     {8, 6, S("°C")},     {9, 5, S("150")},     {9, 6, S("ft")},
      {10, 5, S("14.62")}, {10, 6, S("psia")},  {13, 5, S("15")},     {13, 6, S("°C")},
      {14, 5, S("4")},     {14, 6, S("inWC")},  {15, 5, S("14.48")},  {15, 6, S("psia")},
      {16, 5, 30500.25},   {16, 6, S("kscfh")}, {17, 5, S("0.0064")}, {17, 6, S("lb/lb")},
      {20, 5, S("80")},    {20, 6, S("°F")},    {21, 5, S("21")},     {21, 6, S("bar")},
      {22, 5, S("1000")},  {22, 6, S("kscfh")}};
  const double shares[17] = {85.26, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0.12};
  for (int i = 1; i <= 17; ++i) {
    c.push_back({24 + i, 5, shares[i - 1]});
    c.push_back({24 + i, 6, S("%")});
  }
  const std::vector<CellWrite> results = {
      {8, 10, S("1050")}, {8, 11, S("°F")},     {9, 10, S("5.5")},      {9, 11, S("inWC")},
      {10, 10, 32000.0},  {10, 11, S("kscfh")}, {11, 10, 14.987654321}, {11, 11, S("%")},
      {14, 10, 0.9},      {14, 11, S("%")},     {15, 10, 72.0},         {15, 11, S("%")},
      {16, 10, 12.5},     {16, 11, S("%")},     {17, 10, 3.15},         {17, 11, S("%")},
      {18, 10, 0.12},     {18, 11, S("%")},     {19, 10, 6.25},         {19, 11, S("%")},
      {22, 10, 110298.0}, {22, 11, S("hp")},    {23, 10, 98.5},         {23, 11, S("%")},
      {24, 10, 1000.0},   {24, 11, S("hp")}};
  c.insert(c.end(), results.begin(), results.end());
  if (generator) {
    c.insert(c.end(), {{25, 10, S("98.5")}, {25, 11, S("%")}, {26, 10, 74.6}, {26, 11, S("MW")}});
  } else {
    c.insert(c.end(), {{25, 10, S("-")}, {25, 11, S("-")}, {26, 10, S("-")}, {26, 11, S("-")}});
  }
  c.insert(c.end(), {{27, 10, 35.12},
                     {27, 11, S("%")},
                     {28, 10, 7202.0},
                     {28, 11, S("BTU/hp-hr")},
                     {31, 10, S("220")},
                     {31, 11, S("psia")},
                     {32, 10, S("720")},
                     {32, 11, S("°F")},
                     {33, 10, 150000.0},
                     {33, 11, S("hp")},
                     {34, 10, 91.76},
                     {34, 11, S("%")}});
  return c;
}

}  // namespace

// Failures name the cell: "(row,column) value".
void PrintTo(const CellWrite& cell, std::ostream* out) {
  *out << "(" << cell.row << "," << cell.column << ") ";
  if (const double* number = std::get_if<double>(&cell.value))
    *out << runtime::NumberText(*number);
  else
    *out << '"' << std::get<S>(cell.value) << '"';
}

namespace {

class GasReportCells : public ::testing::TestWithParam<bool> {};

TEST_P(GasReportCells, FollowTheMapInOrderWithTheGeneratorBoxTickedOrNot) {
  GasReportBoxes boxes = typedBoxes();
  boxes.Check1Ticked = GetParam();
  const std::vector<CellWrite> cells = gasReportCells(boxes, handComposition(), handRecord());
  const std::vector<CellWrite> expected = expectedCells(GetParam());
  ASSERT_EQ(cells.size(), expected.size());
  for (std::size_t i = 0; i < cells.size(); ++i) EXPECT_EQ(cells[i], expected[i]) << "write " << i;
}

INSTANTIATE_TEST_SUITE_P(Generator, GasReportCells, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Ticked" : "Unticked"; });

TEST(GasReportCellFailures, NoEvaluationOrUnreadableLossesCannotBeReported) {
  const GasReportBoxes boxes = typedBoxes();
  EXPECT_THROW(gasReportCells(boxes, handComposition(), GasEvaluation{}), runtime::RuntimeError);
  for (const char* losses : {"", "abc", "1,5x"}) {
    GasReportBoxes bad = boxes;
    bad.Text26 = losses;
    EXPECT_THROW(gasReportCells(bad, handComposition(), handRecord()), runtime::RuntimeError)
        << losses;
  }
}

TEST(WorkbookFormatFor, TheChosenExtensionPicksTheFormat) {
  const std::pair<const char*, WorkbookFormat> cases[] = {
      {"/tmp/case.xls", WorkbookFormat::Excel97},
      {"/tmp/case.XLS", WorkbookFormat::Excel97},
      {"/tmp/case.xlsx", WorkbookFormat::ExcelXml},
      {"/tmp/Case.XlsX", WorkbookFormat::ExcelXml},
      {"/tmp/case.ods", WorkbookFormat::OpenDocument},
      {"/tmp/case", WorkbookFormat::Excel97},
      {"/tmp/case.txt", WorkbookFormat::Excel97},
      {"/tmp/x.ods/case", WorkbookFormat::Excel97}};
  for (auto [name, format] : cases) EXPECT_EQ(workbookFormatFor(name), format) << name;
}

// --- Export and print from the window on the recording spreadsheet ---------

class GasReportWindow : public FrmgasTest {
 protected:
  frmgas& evaluated() {
    frmgas& f = window();
    typeMethaneCase(f, gasState());
    f.Command2.click();
    EXPECT_TRUE(services.messages.empty()) << services.messages.front().text;
    return f;
  }
  testing::FakeSpreadsheet& sheet() { return services.fakeSpreadsheet; }
  std::string chosen() const { return path("case.xls"); }
  bool exists(const std::string& file) const { return std::filesystem::exists(file); }
  // Files of the program folder other than the units file.
  std::vector<std::string> leftFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(services.programFolder))
      if (entry.path().filename() != "gtunits.qvd") names.push_back(entry.path().filename());
    return names;
  }
  // The operations that are not cell writes.
  std::vector<std::string> framing() const {
    std::vector<std::string> names;
    for (const std::string& op : services.fakeSpreadsheet.operations())
      if (op != "setCellNumber" && op != "setCellText") names.push_back(op);
    return names;
  }
};

TEST_F(GasReportWindow, ExportFillsTheTemplateThenSavesUnderTheChosenName) {
  frmgas& f = evaluated();
  services.fileDialogAnswers = {chosen()};
  f.clickMenuItem("exporty");

  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(framing(), (std::vector<std::string>{"openTemplate", "useFirstSheet", "saveAs",
                                                 "closeWithoutSaving", "quit"}));
  EXPECT_EQ(sheet().calls.front().text, path("gasturb.qvd"));
  const testing::SpreadsheetCall& save = sheet().calls[sheet().indexOf("saveAs")];
  EXPECT_EQ(save.format, WorkbookFormat::Excel97);
  EXPECT_EQ(readProgramFile("case.xls"), testing::FakeSpreadsheet::kSavedContent);
  EXPECT_EQ(leftFiles(), std::vector<std::string>{"case.xls"});  // nothing beside it

  ASSERT_EQ(services.fileDialogs.size(), 1u);
  const runtime::FileDialogOptions& dialog = services.fileDialogs[0];
  EXPECT_EQ(dialog.title, "Corvasine - Save file");
  EXPECT_EQ(dialog.fileName, "");
  EXPECT_EQ(dialog.initialFolder, services.programFolder);
  EXPECT_EQ(dialog.defaultExt, "xls");
  EXPECT_EQ(dialog.filter, "Microsoft Excel files (*.xls)|*.xls|All Files (*.*)|*.*");
  // 28 input rows and 21 result rows, two cells each.
  EXPECT_EQ(sheet().calls.size(), 2u + 2 * 28 + 2 * 21 + 3);
}

TEST_F(GasReportWindow, CellsCarryTheReferenceEvaluationAndTheTypedTexts) {
  frmgas& f = evaluated();
  f.cmbtemp.setListIndex(1);  // the sheet shows "59" °C as typed, unconverted
  services.fileDialogAnswers = {""};
  f.clickMenuItem("exporty");
  auto cell = [&](int row, int column) -> const testing::SpreadsheetCall* {
    for (const auto& call : sheet().calls)
      if (call.row == row && call.column == column) return &call;
    ADD_FAILURE() << "no write to " << row << "," << column;
    return nullptr;
  };
  for (const ReferenceCell& ref : methaneReferenceCells()) {
    const testing::SpreadsheetCall* call = cell(ref.row, ref.column);
    ASSERT_NE(call, nullptr);
    EXPECT_EQ(call->operation, "setCellNumber");
    EXPECT_EQ(runtime::RoundHalfEven(call->number, ref.decimals), ref.value)
        << ref.row << "," << ref.column;
  }
  for (int row : {8, 13}) {
    EXPECT_EQ(cell(row, 5)->text, "59");
    EXPECT_EQ(cell(row, 5)->operation, "setCellText");
    EXPECT_EQ(cell(row, 6)->text, "°C");
  }
}

TEST_F(GasReportWindow, CancelledExportSavesNothingAndAsksAgainNextTime) {
  frmgas& f = evaluated();
  services.fileDialogAnswers = {"", ""};
  f.exporty_Click();
  f.exporty_Click();
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(sheet().indexOf("saveAs"), -1);
  EXPECT_EQ(services.fileDialogs.size(), 2u);
  EXPECT_EQ(services.fileDialogs[1].fileName, "");
  EXPECT_EQ(framing().back(), "quit");
  EXPECT_TRUE(leftFiles().empty());
}

// Under its own name, another spelling or a link, the template is refused
// before anything is saved.
TEST_F(GasReportWindow, ExportRefusesTheTemplateAsTheTarget) {
  frmgas& f = evaluated();
  writeProgramFile("gasturb.qvd", "template");
  std::filesystem::create_directory(path("sub"));
  std::filesystem::create_symlink(path("gasturb.qvd"), path("link.xls"));
  for (const std::string& target :
       {path("gasturb.qvd"), path("sub/../gasturb.qvd"), path("link.xls")}) {
    services.messages.clear();
    sheet().calls.clear();
    services.fileDialogAnswers = {target};
    f.exporty_Click();
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Error while exporting file."})
        << target;
    EXPECT_EQ(sheet().indexOf("saveAs"), -1) << target;
    EXPECT_EQ(sheet().calls.back().operation, "quit") << target;
    EXPECT_EQ(readProgramFile("gasturb.qvd"), "template") << target;
  }
}

TEST_F(GasReportWindow, PrintAsksNamingTheDefaultPrinterAndPrintsThereOnYes) {
  frmgas& f = evaluated();
  services.printerName = "Office Laser";
  services.answers = {MessageAnswer::Yes};
  f.clickMenuItem("printoo");
  EXPECT_EQ(shownMessages(services),
            std::vector<std::string>{"question|Corvasine|Print will be sent to your default "
                                     "printer;\r\nDefault printer: Office Laser\r\nDo you want "
                                     "to continue?"});
  EXPECT_EQ(framing(), (std::vector<std::string>{"openTemplate", "useFirstSheet", "printOut",
                                                 "closeWithoutSaving", "quit"}));
  EXPECT_EQ(sheet().calls[sheet().indexOf("printOut")].text, "Office Laser");
  EXPECT_TRUE(leftFiles().empty());
}

TEST_F(GasReportWindow, PrintAnsweredNoPrintsNothing) {
  frmgas& f = evaluated();
  services.answers = {MessageAnswer::No};
  f.Command3_Click();
  EXPECT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(framing(), (std::vector<std::string>{"openTemplate", "useFirstSheet",
                                                 "closeWithoutSaving", "quit"}));
}

TEST_F(GasReportWindow, NoDefaultPrinterEndsThePrintBeforeAnything) {
  frmgas& f = evaluated();
  services.printerName = "";
  f.printoo_Click();
  EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Error while printing data."});
  EXPECT_TRUE(sheet().calls.empty());
}

// A failure at any call of the spreadsheet ends in the message once, leaves
// the file under the chosen name as it was and still ends the application.
TEST_F(GasReportWindow, ExportFailingAtAnyCallKeepsTheChosenFileAndEndsTheApplication) {
  frmgas& f = evaluated();
  services.fileDialogAnswers = {chosen()};
  f.exporty_Click();
  const int callCount = static_cast<int>(sheet().calls.size());
  const int saveIndex = sheet().indexOf("saveAs");
  for (int failing = 0; failing < callCount; ++failing) {
    SCOPED_TRACE("failing call " + std::to_string(failing));
    writeProgramFile("case.xls", "old");
    services.messages.clear();
    sheet().calls.clear();
    sheet().failAtCall = failing;
    services.fileDialogAnswers = {chosen()};
    f.exporty_Click();
    const std::string failed = sheet().calls.at(failing).operation;
    const bool saved = failed == "closeWithoutSaving" || failed == "quit";
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Error while exporting file."});
    EXPECT_EQ(readProgramFile("case.xls"), saved ? testing::FakeSpreadsheet::kSavedContent : "old");
    EXPECT_EQ(leftFiles(), std::vector<std::string>{"case.xls"});
    EXPECT_EQ(sheet().calls.back().operation, "quit");
    EXPECT_EQ(sheet().indexOf("saveAs") != -1, failing >= saveIndex);
  }
}

TEST_F(GasReportWindow, PrintFailingAtAnyCallEndsInItsMessage) {
  frmgas& f = evaluated();
  services.answers = {MessageAnswer::Yes};
  f.printoo_Click();
  const int callCount = static_cast<int>(sheet().calls.size());
  for (int failing = 0; failing < callCount; ++failing) {
    SCOPED_TRACE("failing call " + std::to_string(failing));
    services.messages.clear();
    sheet().calls.clear();
    sheet().failAtCall = failing;
    services.answers = {MessageAnswer::Yes};
    f.printoo_Click();
    EXPECT_EQ(services.messageTexts().back(), "Error while printing data.");
    EXPECT_EQ(sheet().calls.back().operation, "quit");
  }
}

}  // namespace
}  // namespace corvasine::gas
