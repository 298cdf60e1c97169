// The steam case file: the line as saved, reopening replays the typing, and a
// bad file leaves the window exactly as it was.

#include <gtest/gtest.h>

#include "steam_turbine/steam_case_file.h"
#include "steam_turbine/steam_window_support.h"

namespace corvasine::steam_turbine {
namespace {

using SteamCaseFileTest = SteamWindowTest;

// Everything a user can see or that the evaluation reads.
std::vector<std::string> snapshot(frmstm& f) {
  std::vector<std::string> seen;
  for (runtime::Control* c : f.controls()) {
    std::string entry = c->name() + (c->enabled() ? "+" : "-") + (c->visible() ? "v" : "h");
    if (auto* box = dynamic_cast<runtime::TextBox*>(c))
      entry += box->text() + "#" + std::to_string(box->backColor());
    if (auto* list = dynamic_cast<runtime::ComboBox*>(c))
      entry += std::to_string(list->listIndex());
    if (auto* check = dynamic_cast<runtime::CheckBox*>(c)) entry += std::to_string(check->value());
    if (auto* label = dynamic_cast<runtime::Label*>(c)) entry += label->caption();
    seen.push_back(entry);
  }
  const StreamState& s = f.streamState();
  for (const PerGroup* values : {&s.streamTemp, &s.streamPress, &s.streamFlow, &s.satTemp,
                                 &s.streamEntropy, &s.streamEnthalpy})
    for (double v : *values) seen.push_back(std::to_string(v));
  seen.push_back(std::to_string(s.inductionOn) + std::to_string(s.extractionOn));
  return seen;
}

void typeBackPressureCase(frmstm& f) {
  f.Text1.setText("900");
  f.Text2.setText("600");
  f.Text3.setText("100");
  f.Text22.setText("350");
  f.Text23.setText("150");
}

TEST_F(SteamCaseFileTest, SavesTheLineOfTheExample) {
  frmstm& f = window();
  typeBackPressureCase(f);
  services.fileDialogAnswers = {path("case.qvds")};
  f.clickMenuItem("m_save");
  EXPECT_EQ(readFile("case.qvds"), "900^600^100^^^^^^^350^150^100^0^0^0\r\n");
  ASSERT_EQ(services.fileDialogs.size(), 1u);
  const auto& dialog = services.fileDialogs[0];
  EXPECT_EQ(dialog.title, "Corvasine - Save file");
  EXPECT_EQ(dialog.initialFolder, services.programFolder);
  EXPECT_EQ(dialog.defaultExt, "qvds");
  EXPECT_EQ(dialog.filter, "Corvasine files (*.qvds)|*.qvds|All Files (*.*)|*.*");
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(SteamCaseFileTest, AnEmptyWindowSavesTwelveSeparatorsAndZeroes) {
  frmstm& f = window();
  services.fileDialogAnswers = {path("empty.qvds")};
  f.clickMenuItem("m_save");
  EXPECT_EQ(readFile("empty.qvds"), "^^^^^^^^^^^^0^0^0\r\n");
}

TEST_F(SteamCaseFileTest, ACondensingCaseWithStreamsReopensAsItWasSaved) {
  frmstm& f = window();
  f.Check1.setValue(1);
  f.Check2.setValue(1);
  f.Combo1.setListIndex(1);
  f.Text1.setText("900");
  f.Text2.setText("600");
  f.Text3.setText("200");
  f.Text8.setText("500");
  f.Text9.setText("150");
  f.Text10.setText("30");
  f.Text21.setText("450");
  f.Text20.setText("100");
  f.Text19.setText("50");
  f.Text23.setText("1.5");
  f.Text22.setText("92");
  const std::vector<std::string> saved = snapshot(f);
  services.fileDialogAnswers = {path("wet.qvds")};
  f.clickMenuItem("m_save");
  EXPECT_EQ(readFile("wet.qvds"), "900^600^200^500^150^30^450^100^50^92^1.5^180^1^1^1\r\n");

  f.m_new_Click();
  services.fileDialogAnswers = {path("wet.qvds")};
  f.clickMenuItem("m_open");
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(f.Text22.text(), "92");  // the type came first
  EXPECT_EQ(f.Combo1.listIndex(), 1);
  EXPECT_EQ(snapshot(f), saved);
}

TEST_F(SteamCaseFileTest, CancelledDialogsEndQuietly) {
  frmstm& f = window();
  typeBackPressureCase(f);
  const auto before = snapshot(f);
  services.fileDialogAnswers = {"", ""};
  f.clickMenuItem("m_save");
  f.clickMenuItem("m_open");
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(snapshot(f), before);
}

TEST_F(SteamCaseFileTest, TextsThatWouldNotReadBackAreRefusedBeforeTheDialog) {
  frmstm& f = window();
  for (const char* text : {"1,5", "9^9", "7,"}) {
    f.Text3.setText(text);
    services.messages.clear();
    f.clickMenuItem("m_save");
    ASSERT_EQ(services.messages.size(), 1u) << text;
    EXPECT_EQ(services.messages[0].text, "Error exporting data.");
  }
  EXPECT_TRUE(services.fileDialogs.empty());
}

TEST_F(SteamCaseFileTest, AFailedWriteKeepsTheOldFile) {
  frmstm& f = window();
  writeFile("old.qvds", "old\r\n");
  typeBackPressureCase(f);
  services.fileDialogAnswers = {path("missing-folder/new.qvds")};
  f.clickMenuItem("m_save");
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, "Error exporting data.");
  EXPECT_EQ(readFile("old.qvds"), "old\r\n");
}

TEST_F(SteamCaseFileTest, ABadFileLeavesTheWindowAsItWas) {
  const std::pair<const char*, std::string> badFiles[] = {
      {"missing pieces", "900^600^100^^^^^^^350^150^100^0^0\r\n"},
      {"type beyond the list", "900^600^100^^^^^^^350^150^100^0^0^2\r\n"},
      {"check value 3", "900^600^100^^^^^^^350^150^100^3^0^0\r\n"},
      {"check not a number", "900^600^100^^^^^^^350^150^100^x^0^0\r\n"},
      {"type overflows", "900^600^100^^^^^^^350^150^100^0^0^1e9\r\n"},
      {"comma cuts the line", "900^6,00^100^^^^^^^350^150^100^0^0^0\r\n"},
      {"binary garbage", std::string("\x00\xff\x13^\x80\x7f", 6)},
      {"empty file", ""},
  };
  for (const auto& [what, content] : badFiles) {
    frmstm& f = window();
    f.Check1.setValue(1);
    typeBackPressureCase(f);
    const auto before = snapshot(f);
    writeFile("bad.qvds", content);
    services.messages.clear();
    services.fileDialogAnswers = {path("bad.qvds")};
    f.clickMenuItem("m_open");
    ASSERT_EQ(services.messages.size(), 1u) << what;
    EXPECT_EQ(services.messages[0].text, "Error importing data.") << what;
    EXPECT_EQ(snapshot(f), before) << what;
  }
}

TEST_F(SteamCaseFileTest, OddButReadableFiles) {
  frmstm& f = window();
  // Only the first line and the first 15 pieces count; -1 leaves no type, 2 dims a box.
  writeFile("odd.qvds", "900^600^100^^^^^^^85^1.5^100^2^0^-1^extra\r\nsecond line\r\n");
  services.fileDialogAnswers = {path("odd.qvds")};
  f.clickMenuItem("m_open");
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(f.Combo1.listIndex(), -1);
  EXPECT_EQ(f.Label43.caption(), "Vapor fraction:");
  EXPECT_EQ(f.Text22.text(), "85");
  EXPECT_EQ(f.Check1.value(), 2);
  EXPECT_FALSE(f.Frame2.enabled());
  EXPECT_EQ(f.streamState().inductionOn, kFalse);
}

}  // namespace
}  // namespace corvasine::steam_turbine
