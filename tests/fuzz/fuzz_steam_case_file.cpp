// The steam case file reader on any bytes: a file that the description
// accepts fills the window with its fields and units, any other is refused
// with the system's message and leaves the window as it was.

#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/case_file_oracle.h"
#include "fuzz/fuzz_services.h"
#include "fuzz/window_checks.h"
#include "runtime/number.h"
#include "shell/case_file.h"
#include "steam_turbine/frmstm.h"

namespace corvasine::fuzz {
namespace {

using steam_turbine::frmstm;

// Entries of the unit lists Combo2 to Combo21: temperature 2, pressure 4,
// flow 6, entropy 3, enthalpy 3.
constexpr int kUnitEntries[] = {2, 4, 6, 3, 3, 3, 3, 6, 4, 2, 3, 3, 6, 4, 2, 3, 3, 6, 4, 2};
constexpr std::size_t kOldPieces = 15;
constexpr std::size_t kPiecesWithUnits = kOldPieces + std::size(kUnitEntries);

// The piece as a list position: written as a whole number, within the list.
bool isUnitPiece(const std::string& piece, int entries) {
  const auto position = wholeNumber(piece);
  return position && runtime::ParseNumber(piece) == *position && *position >= 0 &&
         *position < entries;
}

// Whether the pieces make a steam case: 15 fields, the check boxes 0 to 2,
// the turbine type -1 (none) to 1; then either nothing more or a valid
// position for every unit list.
bool acceptable(const std::optional<std::vector<std::string>>& pieces) {
  if (!pieces || pieces->size() < kOldPieces) return false;
  const auto check1 = wholeNumber((*pieces)[12]);
  const auto check2 = wholeNumber((*pieces)[13]);
  const auto type = wholeNumber((*pieces)[14]);
  if (!(check1 && check2 && type && *check1 >= 0 && *check1 <= 2 && *check2 >= 0 && *check2 <= 2 &&
        *type >= -1 && *type <= 1))
    return false;
  if (pieces->size() == kOldPieces) return true;
  if (pieces->size() != kPiecesWithUnits) return false;
  for (std::size_t k = 0; k < std::size(kUnitEntries); ++k)
    if (!isUnitPiece((*pieces)[kOldPieces + k], kUnitEntries[k])) return false;
  return true;
}

// One window for the process: each file is opened over what the last one left.
struct Fixture {
  FuzzServices services;
  runtime::Application app{services};
  frmstm* window = nullptr;
  std::string shown;  // the snapshot after the last file

  Fixture() {
    services.allowMessages(steamMessages());
    services.fuzzFile = services.programFolder + "/fuzz.qvds";
    window = &app.form<frmstm>();
    shown = snapshot(app);
  }
};

void openCase(Fixture& fixture, std::string_view bytes) {
  frmstm& f = *fixture.window;
  // Switching a stream on or off reruns the flow balance over the exhaust flow.
  const bool induction = f.Check1.value() == 1;
  const bool extraction = f.Check2.value() == 1;
  std::vector<int> unitsBefore;
  for (const runtime::ComboBox* list : f.unitLists()) unitsBefore.push_back(list->listIndex());
  writeBytes(fixture.services.fuzzFile, bytes);
  {
    runtime::Application::EventScope scope(fixture.app);
    f.clickMenuItem("m_open");
  }
  const auto pieces = casePieces(bytes, '^');
  const bool refused = !fixture.services.messages.empty();
  if (refused != !acceptable(pieces))
    finding(refused ? "a sound case file was refused" : "a bad case file was accepted");
  if (refused) {
    if (fixture.services.messageTexts() != std::vector<std::string>{shell::kOpenFailedMessage})
      finding("a refused file showed another message");
    if (snapshot(fixture.app) != fixture.shown) finding("a refused case file changed the window");
    return;
  }
  const runtime::TextBox* boxes[] = {
      &f.inlet.temperature,      &f.inlet.pressure,      &f.inlet.flow,
      &f.induction.temperature,  &f.induction.pressure,  &f.induction.flow,
      &f.extraction.temperature, &f.extraction.pressure, &f.extraction.flow,
      &f.exhaust.temperature,    &f.exhaust.pressure,    &f.exhaust.flow};
  const bool switched = induction != (*wholeNumber((*pieces)[12]) == 1) ||
                        extraction != (*wholeNumber((*pieces)[13]) == 1);
  for (std::size_t k = 0; k < (switched ? 11 : 12); ++k)
    if (boxes[k]->text() != (*pieces)[k])
      finding("a box does not hold its field", boxes[k]->name());
  const auto lists = f.unitLists();
  for (std::size_t k = 0; k < lists.size(); ++k) {
    const int expected = pieces->size() == kPiecesWithUnits
                             ? static_cast<int>(*wholeNumber((*pieces)[kOldPieces + k]))
                             : unitsBefore[k];
    if (lists[k]->listIndex() != expected)
      finding("a unit list does not hold its field", lists[k]->name());
  }
  if (f.Check1.value() != *wholeNumber((*pieces)[12]) ||
      f.Check2.value() != *wholeNumber((*pieces)[13]) ||
      f.Combo1.listIndex() != *wholeNumber((*pieces)[14]))
    finding("a check box or the type does not hold its field");
  const std::string nonFinite = nonFiniteShown(fixture.app, {}, bytes);
  if (!nonFinite.empty()) finding("a box shows a number that is not finite", nonFinite);
  fixture.shown = snapshot(fixture.app);
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
