#pragma once

// What the fuzz targets know of the case files: an independent reading of a
// file's bytes, written from the file's description rather than from the
// readers; what each window's case holds, in file order; and a window that
// opens one file after another.

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_services.h"
#include "gas_turbine/frmgas.h"
#include "runtime/application.h"

namespace corvasine::fuzz {

// The pieces of the file's first field (leading blanks skipped, closed by a
// comma or a line end, split at the separator); nothing when the file holds
// no field.
std::optional<std::vector<std::string>> casePieces(std::string_view bytes, char separator);

// The piece as a whole number rounded half to even, when it is a number.
std::optional<double> wholeNumber(const std::string& piece);
// Whether the piece is a number that rounds to a whole number from low to high.
bool isWhole(const std::string& piece, double low, double high);
// Whether the piece is written as a whole number from 0 to below the count of choices.
bool isChoice(const std::string& piece, std::size_t choices);
// What a window's case holds after opening an accepted file: the first boxes
// pieces as they stand, then the pieces from settings on as whole numbers.
std::vector<std::string> openedTexts(const std::vector<std::string>& pieces, std::size_t boxes,
                                     std::size_t settings);

// The unit lists and the balance mode of a gas case, in file order.
std::vector<runtime::ComboBox*> gasSettingLists(gas::frmgas& f);
// A gas case as its file holds it but for the composition: the 14 boxes, the
// settings' list positions and the generator check box.
std::vector<std::string> gasCaseTexts(runtime::Form& window);
// A steam case as its file holds it: the 12 boxes, the check boxes, the
// turbine type and the unit lists' positions.
std::vector<std::string> steamCaseTexts(runtime::Form& window);

// The state of the gas calculator that no box shows: the fuel composition
// and the default units, byte for byte.
std::string gasHiddenState(runtime::Application& app);
// The units file of a fresh installation.
void writeDefaultUnits(const std::string& programFolder);

// One window for the process: each case file is opened over what the last
// one left.
struct CaseFileFixture {
  using HiddenState = std::string (*)(runtime::Application&);
  CaseFileFixture(std::set<std::string> messages, const std::string& fileName,
                  HiddenState hidden = nullptr);
  // Opens the bytes through the window's Open menu item and returns whether
  // the system refused them. It must refuse exactly what is not acceptable,
  // with its one message, and leave the windows (and the state that
  // hiddenState gives) as they were; an accepted file must show no
  // non-finite number that its bytes do not hold.
  bool open(runtime::Form& window, std::string_view bytes, bool acceptable);

  FuzzServices services;
  runtime::Application app{services};
  HiddenState hiddenState;
};

}  // namespace corvasine::fuzz
