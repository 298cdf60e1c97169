// The steam case file: the line as saved, old files, and a bad file leaves
// the window exactly as it was. That a saved case reopens as it was is the
// steam window fuzz target's check.

#include <gtest/gtest.h>

#include "steam_turbine/steam_case_file.h"
#include "steam_turbine/steam_window_support.h"

namespace corvasine::steam_turbine {
namespace {

using SteamCaseFileTest = SteamWindowTest;

// The unit pieces of a window whose lists are all at their first entries.
const std::string kFirstUnits = [] {
  std::string pieces;
  for (std::size_t k = 0; k < kUnitLists; ++k) pieces += "^0";
  return pieces;
}();

constexpr const char* kBackPressureCase = "Text1=900 Text2=600 Text3=100 Text22=350 Text23=150";

// The typed fields, the check boxes, the turbine type and the unit lists'
// positions, "^" between them, on one line.
TEST_F(SteamCaseFileTest, SavesTheFieldsAndUnitsOnOneLine) {
  const std::pair<const char*, std::string> cases[] = {
      {kBackPressureCase, "900^600^100^^^^^^^350^150^100^0^0^0"}, {"", "^^^^^^^^^^^^0^0^0"}};
  for (const auto& [typed, line] : cases) {
    frmstm& f = window();
    typeInto(f, typed);
    services.fileDialogAnswers = {services.programFile("case.qvds")};
    f.clickMenuItem("m_save");
    EXPECT_EQ(services.readProgramFile("case.qvds"), line + kFirstUnits + "\r\n");
    close(f);
  }
  const auto& dialog = services.fileDialogs.at(0);
  EXPECT_EQ(dialog.title, "Corvasine - Save file");
  EXPECT_EQ(dialog.initialFolder, services.programFolder);
  EXPECT_EQ(dialog.defaultExt, "qvds");
  EXPECT_EQ(dialog.filter, "Corvasine files (*.qvds)|*.qvds|All Files (*.*)|*.*");
}

// A file of the first 15 pieces, as saved before units were kept, leaves the
// lists as they are and is read in their units.
TEST_F(SteamCaseFileTest, AFileWithoutUnitsOpensInTheListsShown) {
  frmstm& f = window();
  typeInto(f, "Combo2=1");
  services.writeProgramFile("old.qvds", "100^14.5^100^^^^^^^350^150^100^0^0^0\r\n");
  services.fileDialogAnswers = {services.programFile("old.qvds")};
  f.clickMenuItem("m_open");
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(f.streamState().streamTemp[kInlet], 212);
  for (runtime::ComboBox* list : f.unitLists())
    EXPECT_EQ(list->listIndex(), list->name() == "Combo2" ? 1 : 0) << list->name();
}

TEST_F(SteamCaseFileTest, CancelledDialogsEndQuietly) {
  frmstm& f = window();
  typeInto(f, kBackPressureCase);
  const auto before = snapshot(f);
  services.fileDialogAnswers = {"", ""};
  f.clickMenuItem("m_save");
  f.clickMenuItem("m_open");
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(snapshot(f), before);
}

TEST_F(SteamCaseFileTest, TextsThatWouldNotReadBackAreRefusedBeforeTheDialog) {
  frmstm& f = window();
  for (const char* typed : {"1,5", "9^9", "7,"}) {
    control(f, "Text3").setText(typed);
    services.messages.clear();
    f.clickMenuItem("m_save");
    ASSERT_EQ(services.messages.size(), 1u) << typed;
    EXPECT_EQ(services.messages[0].text, "Error exporting data.");
  }
  EXPECT_TRUE(services.fileDialogs.empty());
}

TEST_F(SteamCaseFileTest, AFailedWriteKeepsTheOldFile) {
  frmstm& f = window();
  services.writeProgramFile("old.qvds", "old\r\n");
  typeInto(f, kBackPressureCase);
  services.fileDialogAnswers = {services.programFile("missing-folder/new.qvds")};
  f.clickMenuItem("m_save");
  ASSERT_EQ(services.messages.size(), 1u);
  EXPECT_EQ(services.messages[0].text, "Error exporting data.");
  EXPECT_EQ(services.readProgramFile("old.qvds"), "old\r\n");
}

// Short lines, binary bytes, a comma, checks, types and units beyond their
// lists and an extra piece are the fuzz corpus's (its oracle reads the file
// independently); these are the refusals it has no file for.
TEST_F(SteamCaseFileTest, ABadFileLeavesTheWindowAsItWas) {
  const std::pair<const char*, std::string> badFiles[] = {
      {"check not a number", "900^600^100^^^^^^^350^150^100^x^0^0\r\n"},
      {"type overflows", "900^600^100^^^^^^^350^150^100^0^0^1e9\r\n"},
      {"empty file", ""},
      {"one unit piece missing",
       "900^600^100^^^^^^^350^150^100^0^0^0" + kFirstUnits.substr(2) + "\r\n"},
      {"one unit piece too many", "900^600^100^^^^^^^350^150^100^0^0^0" + kFirstUnits + "^0\r\n"},
      {"a flow unit beyond its list",
       "900^600^100^^^^^^^350^150^100^0^0^0^0^0^6" + kFirstUnits.substr(6) + "\r\n"},
      {"a unit that is not whole",
       "900^600^100^^^^^^^350^150^100^0^0^0^0.5" + kFirstUnits.substr(2) + "\r\n"},
      {"a negative unit",
       "900^600^100^^^^^^^350^150^100^0^0^0^-1" + kFirstUnits.substr(2) + "\r\n"},
  };
  for (const auto& [what, content] : badFiles) {
    frmstm& f = window();
    f.Check1.setValue(1);
    typeInto(f, kBackPressureCase);
    const auto before = snapshot(f);
    services.writeProgramFile("bad.qvds", content);
    services.messages.clear();
    services.fileDialogAnswers = {services.programFile("bad.qvds")};
    f.clickMenuItem("m_open");
    ASSERT_EQ(services.messages.size(), 1u) << what;
    EXPECT_EQ(services.messages[0].text, "Error importing data.") << what;
    EXPECT_EQ(snapshot(f), before) << what;
  }
}

TEST_F(SteamCaseFileTest, OddButReadableFiles) {
  frmstm& f = window();
  // Only the first line counts; -1 leaves no type, 2 dims a box.
  services.writeProgramFile("odd.qvds", "900^600^100^^^^^^^85^1.5^100^2^0^-1\r\nsecond line\r\n");
  services.fileDialogAnswers = {services.programFile("odd.qvds")};
  f.clickMenuItem("m_open");
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(f.Combo1.listIndex(), -1);
  EXPECT_EQ(control<runtime::Label>(f, "Label43").caption(), "Vapor fraction:");
  EXPECT_EQ(text(f, "Text22"), "85");
  EXPECT_EQ(f.Check1.value(), 2);
  EXPECT_FALSE(f.Frame2.enabled());
  EXPECT_EQ(f.streamState().inductionOn, kFalse);
}

}  // namespace
}  // namespace corvasine::steam_turbine
