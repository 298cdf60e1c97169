// Saving and opening gas cases through the window's File menu.

#include <gtest/gtest.h>

#include <string>

#include "gas_turbine/frmcomp.h"
#include "gas_turbine/gas_test_support.h"

namespace corvasine::gas {
namespace {

using runtime::MessageAnswer;

class GasCaseFile : public FrmgasTest {
 protected:
  void save(const std::string& name) {
    services.fileDialogAnswers.push_back(name.empty() ? "" : path(name));
    window().clickMenuItem("m_save");
  }
  void open(const std::string& name) {
    services.fileDialogAnswers.push_back(name.empty() ? "" : path(name));
    window().clickMenuItem("m_open");
  }
  void expectOneError(const std::string& text) {
    EXPECT_EQ(shownMessages(services), std::vector<std::string>{"error|Corvasine|" + text});
  }
};

// The line of typeCase, written by hand.
constexpr const char* kCaseLine =
    "59^150^60^4^80^300^1000^1.5^98.5^1050^5.5^15^720^220"
    "^0^85.25^6^0^2^0^0^0^0^0^0^0^0^2^4.25^0.5^0^0^0^0^0\r\n";

TEST_F(GasCaseFile, RoundTripThroughOneLineOf35Fields) {
  frmgas& f = window();
  typeCase(f);
  const auto savedComp = gasState().fuelComp;
  save("case.qvdg");
  EXPECT_EQ(readProgramFile("case.qvdg"), kCaseLine);
  services.answers = {MessageAnswer::Yes};
  f.clickMenuItem("m_new");
  gasState().fuelComp[20] = 3.5;

  open("case.qvdg");
  EXPECT_EQ(services.messages.size(), 1u);  // the New question only
  const std::pair<runtime::TextBox*, const char*> texts[] = {
      {&f.Text1, "59"},    {&f.Text2, "150"},   {&f.Text4, "60"},    {&f.Text6, "4"},
      {&f.Text18, "80"},   {&f.Text17, "300"},  {&f.Text16, "1000"}, {&f.Text26, "1.5"},
      {&f.Text25, "98.5"}, {&f.Text10, "1050"}, {&f.Text11, "5.5"},  {&f.Text15, "15"},
      {&f.Text19, "720"},  {&f.Text20, "220"}};
  for (auto [box, text] : texts) EXPECT_EQ(box->text(), text) << box->name();
  for (std::size_t i = 0; i < 20; ++i) EXPECT_EQ(gasState().fuelComp[i], savedComp[i]) << i;
  EXPECT_EQ(gasState().fuelComp[20], 3.5);  // not read back
  // The handlers ran and the fuel dialog transferred the mixture, unseen.
  EXPECT_EQ(f.inputState().siteAltitude, 150);
  EXPECT_EQ(f.inputState().compDischPress, 220);
  EXPECT_FALSE(f.Text12.text().empty());
  EXPECT_FALSE(f.Text8.text().empty());
  EXPECT_EQ(app.find<frmcomp>(), nullptr);  // the transfer unloads it

  ASSERT_EQ(services.fileDialogs.size(), 2u);
  EXPECT_EQ(services.fileDialogs[0].title, "Corvasine - Save file");
  EXPECT_EQ(services.fileDialogs[1].title, "Corvasine - Open file");
  for (const auto& dialog : services.fileDialogs) {
    EXPECT_EQ(dialog.filter, "Corvasine files (*.qvdg)|*.qvdg|All Files (*.*)|*.*");
    EXPECT_EQ(dialog.defaultExt, "qvdg");
    EXPECT_EQ(dialog.initialFolder, services.programFolder);
    EXPECT_EQ(dialog.fileName, "");
  }
}

// The file carries numbers only: they are read in the unit the list shows at
// open, and an empty box opens empty, its handler keeping the stored value.
TEST_F(GasCaseFile, OpenReadsTheTextsAsTheyStand) {
  frmgas& f = window();
  typeCase(f);
  f.cmbtemp.setListIndex(1);
  f.Text1.setText("20");
  f.Text19.setText("");
  save("case.qvdg");
  f.cmbtemp.setListIndex(0);
  f.Text19.setText("800");
  open("case.qvdg");
  EXPECT_EQ(f.Text1.text(), "20");
  EXPECT_EQ(f.inputState().ambientTemp, 20);
  EXPECT_EQ(f.Text19.text(), "");
  EXPECT_EQ(f.inputState().compDischTemp, 800);
}

// An open fuel composition dialog transfers what its boxes show, which then
// replaces the composition just read.
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

TEST_F(GasCaseFile, ACommaCutsTheLineAfterTheBoxesBeforeIt) {
  frmgas& f = window();
  typeCase(f);
  const auto compBefore = gasState().fuelComp;
  writeProgramFile("comma.qvdg",
                   "61^200^5,5^4^80^300^1000^1.5^98.5^1050^5.5^15^720^220"
                   "^0^100^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0\r\n");
  open("comma.qvdg");
  expectOneError("Error importing data.");
  EXPECT_EQ(f.Text1.text(), "61");
  EXPECT_EQ(f.Text2.text(), "200");
  EXPECT_EQ(f.Text4.text(), "5");
  EXPECT_EQ(f.Text6.text(), "4");  // not reached
  EXPECT_EQ(gasState().fuelComp, compBefore);
  EXPECT_EQ(app.find<frmcomp>(), nullptr);
}

TEST_F(GasCaseFile, ACompositionThatIsNoNumberFailsAfterTheBoxes) {
  frmgas& f = window();
  writeProgramFile("bad.qvdg",
                   "61^200^50^4^80^300^1000^1.5^98.5^1050^5.5^15^720^220"
                   "^0^90^ten^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0^0\r\n");
  open("bad.qvdg");
  expectOneError("Error importing data.");
  EXPECT_EQ(f.Text20.text(), "220");
  EXPECT_EQ(gasState().fuelComp[1], 90.0);
  EXPECT_EQ(app.find<frmcomp>(), nullptr);
}

TEST_F(GasCaseFile, MissingOrEmptyFileFailsWithTheOpenMessage) {
  window();
  open("nowhere.qvdg");
  writeProgramFile("empty.qvdg", "");
  open("empty.qvdg");
  EXPECT_EQ(services.messageTexts(),
            (std::vector<std::string>{"Error importing data.", "Error importing data."}));
}

TEST_F(GasCaseFile, CancelChangesNothing) {
  frmgas& f = window();
  typeCase(f);
  save("");
  open("");
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(f.Text1.text(), "59");
  EXPECT_EQ(services.fileDialogs.size(), 2u);
}

class UnreadableText : public GasCaseFile, public ::testing::WithParamInterface<const char*> {};

// A text that would shift or cut the fields is refused before any file is
// written: the case already on disk stays as it was.
TEST_P(UnreadableText, IsRefusedWithTheSaveMessage) {
  frmgas& f = window();
  typeCase(f);
  save("case.qvdg");
  f.Text17.setText(GetParam());
  save("case.qvdg");
  expectOneError("Error exporting data.");
  EXPECT_EQ(readProgramFile("case.qvdg"), kCaseLine);
  EXPECT_EQ(services.fileDialogs.size(), 1u);  // not asked for a file
}

// (A line break cannot reach a single-line box.)
INSTANTIATE_TEST_SUITE_P(Texts, UnreadableText, ::testing::Values("1^2", "300,5"));

TEST_F(GasCaseFile, AFailedWriteShowsTheSaveMessage) {
  typeCase(window());
  save("no-such-folder/case.qvdg");
  expectOneError("Error exporting data.");
}

}  // namespace
}  // namespace corvasine::gas
