// The gas turbine report: the export and print driving a recording spreadsheet
// that can fail at any call, with the cells checked against the reference
// figures of the methane case.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "gas_turbine/gas_report.h"
#include "gas_turbine/gas_report_case.h"
#include "gas_turbine/gas_test_support.h"
#include "runtime/number.h"

namespace corvasine::gas {
namespace {

using runtime::MessageAnswer;
using runtime::WorkbookFormat;

TEST(WorkbookFormatFor, TheChosenExtensionPicksTheFormat) {
  const std::pair<const char*, WorkbookFormat> cases[] = {
      {"/tmp/case.XLS", WorkbookFormat::Excel97},
      {"/tmp/Case.XlsX", WorkbookFormat::ExcelXml},
      {"/tmp/case.ods", WorkbookFormat::OpenDocument},
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
    for (const testing::SpreadsheetCall& call : services.fakeSpreadsheet.calls)
      if (call.operation != "setCellNumber" && call.operation != "setCellText")
        names.push_back(call.operation);
    return names;
  }
};

// A cancelled file dialog saves nothing and asks again next time; a chosen
// name gets the filled template.
TEST_F(GasReportWindow, ExportFillsTheTemplateThenSavesUnderTheChosenName) {
  frmgas& f = evaluated();
  services.fileDialogAnswers = {""};
  f.clickMenuItem("exporty");
  EXPECT_EQ(sheet().indexOf("saveAs"), -1);
  EXPECT_EQ(framing().back(), "quit");
  EXPECT_TRUE(leftFiles().empty());
  sheet().calls.clear();
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

  ASSERT_EQ(services.fileDialogs.size(), 2u);
  const runtime::FileDialogOptions& dialog = services.fileDialogs[1];
  EXPECT_EQ(dialog.title, "Corvasine - Save file");
  EXPECT_EQ(dialog.initialFolder, services.programFolder);
  EXPECT_EQ(dialog.filter, "Microsoft Excel files (*.xls)|*.xls|All Files (*.*)|*.*");
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

// The question names the default printer: No prints nothing, Yes prints
// there; without a default printer nothing is opened.
TEST_F(GasReportWindow, PrintAsksNamingTheDefaultPrinterAndPrintsThereOnYes) {
  frmgas& f = evaluated();
  services.printerName = "";
  f.printoo_Click();
  EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Error while printing data."});
  EXPECT_TRUE(sheet().calls.empty());
  services.messages.clear();
  services.printerName = "Office Laser";
  services.answers = {MessageAnswer::No};
  f.Command3_Click();
  EXPECT_EQ(sheet().indexOf("printOut"), -1);
  EXPECT_EQ(framing().back(), "quit");
  sheet().calls.clear();
  services.answers = {MessageAnswer::Yes};
  f.clickMenuItem("printoo");
  const std::string question =
      "question|Corvasine|Print will be sent to your default printer;\r\nDefault printer: Office "
      "Laser\r\nDo you want to continue?";
  EXPECT_EQ(shownMessages(services), (std::vector<std::string>{question, question}));
  EXPECT_EQ(framing(), (std::vector<std::string>{"openTemplate", "useFirstSheet", "printOut",
                                                 "closeWithoutSaving", "quit"}));
  EXPECT_EQ(sheet().calls[sheet().indexOf("printOut")].text, "Office Laser");
  EXPECT_TRUE(leftFiles().empty());
}

// A failure at any call of the spreadsheet, exporting or printing, ends in
// the message and still ends the application; an export shows it alone and
// leaves the file under the chosen name as it was.
TEST_F(GasReportWindow, FailingAtAnyCallEndsInTheMessageAndTheApplication) {
  frmgas& f = evaluated();
  for (const std::string item : {"exporty", "printoo"}) {
    const bool exporting = item == "exporty";
    const std::string message =
        exporting ? "Error while exporting file." : "Error while printing data.";
    sheet().failAtCall = -1;
    sheet().calls.clear();
    services.fileDialogAnswers = {chosen()};
    services.answers = {MessageAnswer::Yes};
    f.clickMenuItem(item);
    const int callCount = static_cast<int>(sheet().calls.size());
    const int saveIndex = sheet().indexOf("saveAs");
    for (int failing = 0; failing < callCount; ++failing) {
      SCOPED_TRACE(item + " failing at call " + std::to_string(failing));
      writeProgramFile("case.xls", "old");
      services.messages.clear();
      sheet().calls.clear();
      sheet().failAtCall = failing;
      services.fileDialogAnswers = {chosen()};
      services.answers = {MessageAnswer::Yes};
      f.clickMenuItem(item);
      EXPECT_EQ(services.messageTexts().back(), message);
      EXPECT_EQ(sheet().calls.back().operation, "quit");
      if (!exporting) continue;
      const std::string failed = sheet().calls.at(failing).operation;
      const bool saved = failed == "closeWithoutSaving" || failed == "quit";
      EXPECT_EQ(services.messages.size(), 1u);
      EXPECT_EQ(readProgramFile("case.xls"),
                saved ? testing::FakeSpreadsheet::kSavedContent : "old");
      EXPECT_EQ(leftFiles(), std::vector<std::string>{"case.xls"});
      EXPECT_EQ(sheet().indexOf("saveAs") != -1, failing >= saveIndex);
    }
  }
}

}  // namespace
}  // namespace corvasine::gas
