#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "gas_turbine/frm_gtunits.h"
#include "gas_turbine/gas_test_support.h"
#include "gas_turbine/gt_units_file.h"

namespace corvasine::gas {
namespace {

using Units = std::array<short, 10>;

constexpr const char* kNotFound =
    "warning|Corvasine|Unit databse is not found; default units selected.";
constexpr const char* kNotWritable =
    "warning|Corvasine|Application directry is not accessible. Make sure you have sufficient "
    "writes to modify items in application folder.";
constexpr const char* kZerosLine = "0*0*0*0*0*0*0*0*0*0\r\n";

class DefaultUnits : public FrmgasTest {
 protected:
  DefaultUnits() { std::filesystem::remove(services.programFile("gtunits.qvd")); }

  std::string fileBytes() const { return services.readProgramFile("gtunits.qvd"); }
  Units firstTen() {
    Units units{};
    for (std::size_t i = 0; i < units.size(); ++i) units[i] = gasState().gtUnits[i];
    return units;
  }
};

// No file gives the warning, all zeros and a fresh file; a folder that cannot
// take one gives a second warning. The fuzz corpus of the units file reader
// holds good and bad contents.
TEST_F(DefaultUnits, MissingFileIsReplacedAndAnUnwritableFolderWarnsTwice) {
  gasState().gtUnits.fill(1);  // whatever stood before
  loadUnits(app);
  EXPECT_EQ(firstTen(), Units{});
  EXPECT_EQ(gasState().gtUnits[10], 1);  // never stored
  EXPECT_EQ(shownMessages(services), std::vector<std::string>{kNotFound});
  EXPECT_EQ(fileBytes(), kZerosLine);

  std::filesystem::remove(services.programFile("gtunits.qvd"));
  std::filesystem::create_directory(
      services.programFile("gtunits.qvd"));  // cannot be written as a file
  services.messages.clear();
  loadUnits(app);
  EXPECT_EQ(shownMessages(services), (std::vector<std::string>{kNotFound, kNotWritable}));
}

// The build places the file that the dialog writes with every list on its
// first entry, only where none is; the build's own program folder holds one
// that the gas window loads without the warning.
TEST_F(DefaultUnits, BuildPlacesTheFirstEntriesFileWhereNoneIs) {
  gasState().gtUnits.fill(0);
  app.form<frm_gtunits>().cmd_ok.click();
  const std::string dialogBytes = fileBytes();
  std::filesystem::remove(services.programFile("gtunits.qvd"));
  EXPECT_TRUE(placeDefaultUnitsFile(services.programFolder));
  EXPECT_EQ(fileBytes(), dialogBytes);
  services.writeProgramFile("gtunits.qvd", "1*2*0*0*0*0*0*0*0*0\r\n");
  EXPECT_FALSE(placeDefaultUnitsFile(services.programFolder));
  EXPECT_EQ(fileBytes(), "1*2*0*0*0*0*0*0*0*0\r\n");

  std::filesystem::copy_file(std::string(CORVASINE_PROGRAM_DIR) + "/gtunits.qvd",
                             services.programFile("gtunits.qvd"),
                             std::filesystem::copy_options::overwrite_existing);
  window();
  EXPECT_TRUE(services.messages.empty());
}

TEST_F(DefaultUnits, DialogShowsTheStoredPositions) {
  gasState().gtUnits = {1, 3, 2, 4, 1, 3, 4, 3, 2, 0, 0};
  auto& dialog = app.form<frm_gtunits>();
  const std::string shown[] = {"°C",      "kg/cm2", "km", "psia",  "Btu/lb",
                               "kgmol/h", "psia",   "MW", "kJ/kWh"};
  for (std::size_t i = 0; i < dialog.choices.size(); ++i)
    EXPECT_EQ(dialog.choices[i].list.text(), shown[i]) << i;
}

// OK stores the lists in gtUnits and writes them with the tenth value as it
// stands; an open gas window keeps its lists, the next one reads the file.
TEST_F(DefaultUnits, OkStoresWritesAndCloses) {
  services.writeProgramFile("gtunits.qvd", "1*1*0*0*0*0*0*0*0*0\r\n");
  frmgas& gas = window();
  for (short tenth : {0, 7}) {
    gasState().gtUnits[9] = tenth;
    auto& dialog = app.form<frm_gtunits>();
    dialog.cmbtemp.setListIndex(1);    // °C
    dialog.cmdpress1.setListIndex(2);  // bar
    dialog.cmd_ok.click();
    EXPECT_EQ(fileBytes(), "1*2*0*0*0*0*0*0*0*" + std::to_string(tenth) + "\r\n");
    EXPECT_EQ(app.find<frm_gtunits>(), nullptr);
  }
  EXPECT_TRUE(services.messages.empty());
  EXPECT_EQ(gas.cmdpress1.text(), "atm");
  loadUnits(app);
  EXPECT_EQ(firstTen(), (Units{1, 2, 0, 0, 0, 0, 0, 0, 0, 7}));
}

// Cancel does nothing. A units file marked read-only is not replaced: OK warns
// and stays open with the new positions. A folder that refuses the temporary
// file (here a folder holds its name) still gets the units file written in place.
TEST_F(DefaultUnits, ReadOnlyFileWarnsAndARefusingFolderIsWrittenInPlace) {
  namespace fs = std::filesystem;
  const std::string file = services.programFile("gtunits.qvd");
  services.writeProgramFile("gtunits.qvd", "0*0*0*0*0*0*0*0*0*0\r\n");
  auto& dialog = app.form<frm_gtunits>();
  dialog.cmbtemp.setListIndex(1);
  dialog.cmd_cancel.click();
  ASSERT_NE(app.find<frm_gtunits>(), nullptr);
  EXPECT_EQ(gasState().gtUnits[0], 0);
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  dialog.cmd_ok.click();
  EXPECT_EQ(shownMessages(services), std::vector<std::string>{kNotWritable});
  EXPECT_EQ(fileBytes(), "0*0*0*0*0*0*0*0*0*0\r\n");
  EXPECT_EQ(gasState().gtUnits[0], 1);
  ASSERT_NE(app.find<frm_gtunits>(), nullptr);

  fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
  fs::create_directory(file + ".tmp~");
  dialog.cmd_ok.click();
  EXPECT_EQ(fileBytes(), "1*0*0*0*0*0*0*0*0*0\r\n");
  EXPECT_EQ(app.find<frm_gtunits>(), nullptr);
}

}  // namespace
}  // namespace corvasine::gas
