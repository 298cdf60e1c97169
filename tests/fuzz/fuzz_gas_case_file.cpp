// The gas case file reader on any bytes: a file of 35 fields whose 21
// composition entries are mole percentages, optionally followed by the 18
// settings (each unit list and the balance mode on one of its entries, the
// generator check box 0 or 1), fills the window's boxes, lists and the fuel
// composition; any other file is refused with the system's message and
// leaves the windows and the composition as they were.

#include <cstdint>
#include <iterator>
#include <string>

#include "fuzz/case_file_oracle.h"
#include "fuzz/fuzz_services.h"
#include "fuzz/gas_fixture.h"
#include "fuzz/window_checks.h"
#include "gas_turbine/frmgas.h"
#include "runtime/number.h"
#include "shell/case_file.h"

namespace corvasine::fuzz {
namespace {

using gas::frmgas;

constexpr std::size_t kBoxFields = 14;
constexpr std::size_t kFields = 35;

// The settings after the composition, in file order; the generator check box
// follows them.
constexpr const char* kSettingLists[] = {"cmbtemp", "cmdsite",    "cmdpress1", "Combo1",  "Combo2",
                                         "Combo3",  "Combo6",     "Combo7",    "Combo8",  "Combo4",
                                         "Combo5",  "Combo11",    "Combo12",   "Combo13", "Combo9",
                                         "Combo10", "balancetype"};
constexpr std::size_t kSettings = std::size(kSettingLists) + 1;

runtime::ComboBox& settingList(frmgas& f, std::size_t k) {
  return *static_cast<runtime::ComboBox*>(f.findControl(kSettingLists[k]));
}

// A whole number from 0 to below the count of choices.
bool isChoice(const std::string& piece, std::size_t choices) {
  const auto whole = wholeNumber(piece);
  return whole && *whole == runtime::ParseNumber(piece) && *whole >= 0 &&
         *whole < static_cast<double>(choices);
}

bool acceptable(const std::optional<std::vector<std::string>>& pieces, frmgas& f) {
  if (!pieces || (pieces->size() != kFields && pieces->size() != kFields + kSettings)) return false;
  for (std::size_t k = kBoxFields; k < kFields; ++k) {
    const std::string& piece = (*pieces)[k];
    if (!runtime::IsNumber(piece)) return false;
    const double share = runtime::ParseNumber(piece);
    if (share < 0 || share > 100) return false;
  }
  if (pieces->size() == kFields) return true;
  for (std::size_t k = 0; k < std::size(kSettingLists); ++k)
    if (!isChoice((*pieces)[kFields + k], settingList(f, k).items().size())) return false;
  return isChoice(pieces->back(), 2);
}

// One window for the process: each file is opened over what the last one left.
struct Fixture {
  FuzzServices services;
  runtime::Application app{services};
  frmgas* window = nullptr;
  std::string shown;  // the snapshot and hidden state after the last file

  Fixture() {
    services.allowMessages(gasMessages());
    services.fuzzFile = services.programFolder + "/fuzz.qvdg";
    writeDefaultUnits(services.programFolder);
    window = &app.form<frmgas>();
    shown = snapshot(app) + gasHiddenState(app);
  }
};

void openCase(Fixture& fixture, std::string_view bytes) {
  frmgas& f = *fixture.window;
  writeBytes(fixture.services.fuzzFile, bytes);
  {
    runtime::Application::EventScope scope(fixture.app);
    f.clickMenuItem("m_open");
  }
  const auto pieces = casePieces(bytes, '^');
  bool refused = false;
  for (const auto& m : fixture.services.messages) refused |= m.text == shell::kOpenFailedMessage;
  if (refused != !acceptable(pieces, f))
    finding(refused ? "a sound case file was refused" : "a bad case file was accepted");
  if (refused) {
    if (fixture.services.messages.size() != 1) finding("a refused file showed another message");
    if (snapshot(fixture.app) + gasHiddenState(fixture.app) != fixture.shown)
      finding("a refused case file changed the window");
    return;
  }
  const runtime::TextBox* boxes[] = {&f.Text1,  &f.Text2,  &f.Text4,  &f.Text6,  &f.Text18,
                                     &f.Text17, &f.Text16, &f.Text26, &f.Text25, &f.Text10,
                                     &f.Text11, &f.Text15, &f.Text19, &f.Text20};
  for (std::size_t k = 0; k < kBoxFields; ++k)
    if (boxes[k]->text() != (*pieces)[k])
      finding("a box does not hold its field", boxes[k]->name());
  if (pieces->size() == kFields + kSettings) {
    for (std::size_t k = 0; k < std::size(kSettingLists); ++k)
      if (settingList(f, k).listIndex() != runtime::ParseNumber((*pieces)[kFields + k]))
        finding("a list is not on its setting", settingList(f, k).name());
    if (f.Check1.value() != runtime::ParseNumber(pieces->back()))
      finding("the generator check box is not on its setting");
  }
  const std::string nonFinite = nonFiniteShown(fixture.app, {}, bytes);
  if (!nonFinite.empty()) finding("a box shows a number that is not finite", nonFinite);
  fixture.shown = snapshot(fixture.app) + gasHiddenState(fixture.app);
}

}  // namespace
}  // namespace corvasine::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static corvasine::fuzz::Fixture fixture;
  corvasine::fuzz::openCase(fixture, std::string_view(reinterpret_cast<const char*>(data), size));
  fixture.services.messages = {};
  fixture.services.fileDialogs = {};
  return 0;
}
