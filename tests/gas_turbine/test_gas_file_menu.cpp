// The window's File menu: saving and opening cases, and the export and print
// on a recording spreadsheet that can fail at any call.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "gas_turbine/frmcomp.h"
#include "gas_turbine/gas_report.h"
#include "gas_turbine/gas_report_case.h"
#include "gas_turbine/gas_test_support.h"
#include "runtime/number.h"

namespace corvasine::gas {
namespace {

using runtime::MessageAnswer;
using runtime::WorkbookFormat;

class GasCaseFile : public FrmgasTest {
 protected:
  void save(const std::string& name) {
    services.fileDialogAnswers.push_back(name.empty() ? "" : services.programFile(name));
    window().clickMenuItem("m_save");
  }
  void open(const std::string& name) {
    services.fileDialogAnswers.push_back(name.empty() ? "" : services.programFile(name));
    window().clickMenuItem("m_open");
  }
  void expectOneError(const std::string& text) {
    EXPECT_EQ(shownMessages(services), std::vector<std::string>{"error|Corvasine|" + text});
  }
};

// The boxes and composition of typeCase, written by hand: all a file held
// before the settings were stored.
const std::string kCaseFields =
    "59^150^60^4^80^300^1000^1.5^98.5^1050^5.5^15^720^220"
    "^0^85.25^6^0^2^0^0^0^0^0^0^0^0^2^4.25^0.5^0^0^0^0^0";

// A file without the settings carries numbers only: they are read in the
// unit the list shows at open, the lists, mode and check box stay, and an
// empty box opens empty, its handler keeping the stored value.
TEST_F(GasCaseFile, AFileWithoutSettingsReadsTheTextsAsTheyStand) {
  frmgas& f = window();
  typeCase(f);
  typeInto(f, "cmbtemp=1 balancetype=1 Check1=1 Text19=800");
  std::string fields = kCaseFields;
  fields.replace(fields.find("^720^"), 5, "^^");
  services.writeProgramFile("old.qvdg", "20" + fields.substr(2) + "\r\n");
  open("old.qvdg");
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(f.Text1.text(), "20");
  EXPECT_DOUBLE_EQ(f.inputState().ambientTemp, 68);
  EXPECT_EQ(f.cmbtemp.listIndex(), 1);
  EXPECT_EQ(f.balancetype.listIndex(), 1);
  EXPECT_EQ(f.Check1.value(), 1);
  EXPECT_EQ(f.inputState().exhaustFlow, 15);  // Text15 read as a flow
  EXPECT_EQ(f.Text19.text(), "");
  EXPECT_EQ(f.inputState().compDischTemp, 800);
}

// What the open dialog shows replaces the composition just read.
TEST_F(GasCaseFile, AnOpenFuelDialogTransfersItsOwnBoxes) {
  frmgas& f = window();
  typeCase(f);
  save("case.qvdg");
  gasState().fuelComp.fill(0.0);
  gasState().fuelComp[2] = 100;
  f.Command1.click();
  open("case.qvdg");
  EXPECT_EQ(gasState().fuelComp[1], 0.0);
  EXPECT_EQ(gasState().fuelComp[2], 100.0);
  EXPECT_EQ(f.Text12.text(), "30.07");  // ethane
}

// Everything a failed open could touch: every control's state, the stored
// inputs, the composition and whether the fuel dialog exists.
std::vector<std::string> windowSnapshot(frmgas& f, const GasShared& shared,
                                        const runtime::Application& app) {
  std::vector<std::string> shot;
  for (const runtime::Control* c : f.controls()) {
    std::string line =
        c->name() + (c->enabled() ? " on" : " off") + (c->visible() ? "" : " hidden");
    if (c->kind() == runtime::ControlKind::TextBox)
      line += " '" + static_cast<const runtime::TextBox*>(c)->text() + "'";
    if (c->kind() == runtime::ControlKind::ComboBox)
      line += " #" + std::to_string(static_cast<const runtime::ComboBox*>(c)->listIndex());
    if (c->kind() == runtime::ControlKind::CheckBox)
      line += " =" + std::to_string(static_cast<const runtime::CheckBox*>(c)->value());
    shot.push_back(line);
  }
  const GasInputState& in = f.inputState();
  for (double v : {in.ambientTemp, in.siteAltitude, in.inletPress, in.inletDrop, in.finalInletPress,
                   in.fuelTemp, in.fuelFlow, in.exhaustTemp, in.exhaustFlow, in.compDischTemp,
                   in.compDischPress})
    shot.push_back(runtime::NumberText(v));
  shot.push_back("mode " + std::to_string(in.balanceMode));
  for (double share : shared.fuelComp) shot.push_back(runtime::NumberText(share));
  shot.push_back(app.find<frmcomp>() != nullptr ? "dialog" : "no dialog");
  return shot;
}

// Good box texts, composition 100 % methane; a bad file spoils one thing.
const std::string kBoxes = "61^200^50^4^80^300^1000^1.5^98.5^1050^5.5^15^720^220";
const std::string kComposition = "^0^100^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0";
// Every list on its first entry, the check box unticked: 18 settings.
const std::string kSettings = "^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0";

// A file that is missing or not a whole, good case leaves every box, list,
// check box and stored value exactly as it was, over a result on screen. The
// fuzz corpus of the case file reader holds more kinds of bad file.
TEST_F(GasCaseFile, ABadFileLeavesTheWindowUnchanged) {
  frmgas& f = window();
  typeCase(f);
  f.Command2.click();
  typeInto(f, "cmbtemp=1 balancetype=1 Check1=1 Text1=15");
  const auto before = windowSnapshot(f, gasState(), app);
  const std::string bad[] = {
      "Dear operator, please find the readings below.\r\n",
      kBoxes + kComposition.substr(0, kComposition.size() - 2),  // the last field cut
      kBoxes + "^0^100^-5^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0\r\n",
      kBoxes + kComposition + kSettings.substr(2) + "\r\n",  // a setting short
      kBoxes + kComposition + kSettings.substr(0, 34) + "^on\r\n"};
  for (const std::string& content : bad) {
    services.writeProgramFile("bad.qvdg", content);
    open("bad.qvdg");
    expectOneError("Error importing data.");
    EXPECT_EQ(windowSnapshot(f, gasState(), app), before) << content;
    services.messages.clear();
  }
  open("nowhere.qvdg");
  expectOneError("Error importing data.");
  EXPECT_EQ(windowSnapshot(f, gasState(), app), before);
}

// The settings go after the composition in a fixed order, and are set before
// the texts; a result on screen goes.
TEST_F(GasCaseFile, ReopensWithItsUnitsModeAndGeneratorInAFreshWindow) {
  frmgas* f = &window();
  typeInto(*f,
           "cmbtemp=1 cmdsite=1 cmdpress1=2 Combo1=2 Combo2=2 Combo3=3 Combo6=1 Combo7=3 "
           "Combo8=3 Combo4=2 Combo5=3 Combo11=1 Combo12=4 Combo13=2 Combo9=1 Combo10=2 "
           "balancetype=1 Check1=1");
  typeCase(*f);
  app.form<frmcomp>().Command1.click();  // as opening does
  save("case.qvdg");
  EXPECT_EQ(services.readProgramFile("case.qvdg"),
            kCaseFields + "^1^1^2^2^2^3^1^3^3^2^3^1^4^2^1^2^1^1\r\n");
  const auto saved = windowSnapshot(*f, gasState(), app);

  services.answers = {MessageAnswer::Yes};
  ASSERT_TRUE(app.unload(*f));
  f = &window();
  typeCase(*f);
  f->Command2.click();
  ASSERT_NE(f->rich_result.text(), kRightsNotice);
  open("case.qvdg");
  EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Are you sure to quit?"});
  EXPECT_EQ(windowSnapshot(*f, gasState(), app), saved);
  for (const auto& dialog : services.fileDialogs)
    EXPECT_EQ(dialog.filter, "Corvasine files (*.qvdg)|*.qvdg|All Files (*.*)|*.*");
}

TEST(WorkbookFormatFor, TheChosenExtensionPicksTheFormat) {
  const std::pair<const char*, WorkbookFormat> cases[] = {
      {"/tmp/case.XLS", WorkbookFormat::Excel97},
      {"/tmp/Case.XlsX", WorkbookFormat::ExcelXml},
      {"/tmp/case.ods", WorkbookFormat::OpenDocument},
      {"/tmp/case.txt", WorkbookFormat::Excel97},
      {"/tmp/x.ods/case", WorkbookFormat::Excel97}};
  for (auto [name, format] : cases) EXPECT_EQ(workbookFormatFor(name), format) << name;
}

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
  std::string chosen() const { return services.programFile("case.xls"); }
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

// A cancelled file dialog saves nothing and asks again next time.
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
  EXPECT_EQ(sheet().calls.front().text, services.programFile("gasturb.qvd"));
  const testing::SpreadsheetCall& save = sheet().calls[sheet().indexOf("saveAs")];
  EXPECT_EQ(save.format, WorkbookFormat::Excel97);
  EXPECT_EQ(services.readProgramFile("case.xls"), testing::FakeSpreadsheet::kSavedContent);
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

TEST_F(GasReportWindow, ExportRefusesTheTemplateAsTheTarget) {
  frmgas& f = evaluated();
  services.writeProgramFile("gasturb.qvd", "template");
  std::filesystem::create_directory(services.programFile("sub"));
  std::filesystem::create_symlink(services.programFile("gasturb.qvd"),
                                  services.programFile("link.xls"));
  for (const std::string& target :
       {services.programFile("gasturb.qvd"), services.programFile("sub/../gasturb.qvd"),
        services.programFile("link.xls")}) {
    services.messages.clear();
    sheet().calls.clear();
    services.fileDialogAnswers = {target};
    f.exporty_Click();
    EXPECT_EQ(services.messageTexts(), std::vector<std::string>{"Error while exporting file."})
        << target;
    EXPECT_EQ(sheet().indexOf("saveAs"), -1) << target;
    EXPECT_EQ(sheet().calls.back().operation, "quit") << target;
    EXPECT_EQ(services.readProgramFile("gasturb.qvd"), "template") << target;
  }
}

// Without a default printer nothing is opened.
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
      services.writeProgramFile("case.xls", "old");
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
      EXPECT_EQ(services.readProgramFile("case.xls"),
                saved ? testing::FakeSpreadsheet::kSavedContent : "old");
      EXPECT_EQ(leftFiles(), std::vector<std::string>{"case.xls"});
      EXPECT_EQ(sheet().indexOf("saveAs") != -1, failing >= saveIndex);
    }
  }
}

}  // namespace
}  // namespace corvasine::gas
