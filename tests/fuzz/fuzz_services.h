#pragma once

// The fuzz targets' services (the tests' fakes, answering from the fuzz input
// and aborting on a finding), what must hold of the windows, and a reading of
// the case files written from their description rather than from the readers.

#include <fuzzer/FuzzedDataProvider.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "gas_turbine/frmgas.h"
#include "runtime/application.h"
#include "support/fake_services.h"

namespace corvasine::fuzz {

// Reports a broken promise and aborts, so that libFuzzer keeps the input.
[[noreturn]] void finding(std::string_view what, std::string_view detail = {});

class FuzzServices : public corvasine::testing::FakeServices {
 public:
  // A message outside `allowed` (and the printer question when the window
  // prints) is a finding. The fuzz file is fileName in the program folder.
  FuzzServices(std::set<std::string> allowed, const std::string& fileName, bool prints = false);

  // The file a dialog can pick besides a missing one, the folder itself or cancel.
  std::string fuzzFile;
  // What the last file dialog answered.
  std::string lastChosen;

  // Answers come from this input; without one, No and the fuzz file.
  void answerFrom(FuzzedDataProvider* input) { input_ = input; }
  // At the end of an input: forgets what was shown, empties the program folder.
  void reset();

  runtime::MessageAnswer showMessage(const std::string& text, runtime::MessageKind kind,
                                     const std::string& title) override;
  // Save dialogs answer the same way.
  std::string openFileDialog(const runtime::FileDialogOptions& options) override;

 private:
  FuzzedDataProvider* input_ = nullptr;
  std::set<std::string> allowed_;
};

// Writes bytes to a file, replacing it.
void writeBytes(const std::string& path, std::string_view bytes);

// Everything a user can see of the loaded windows: equal snapshots, same windows.
std::string snapshot(const runtime::Application& app);

// The decimal syntax that ParseNumber reads, written out again: blanks, sign,
// digits with an optional point (at least one digit), optional exponent,
// blanks. Gives the text without its blanks and its count of significant
// digits, or nothing when the text does not qualify, whatever its value.
struct DecimalText {
  std::string core;
  int significantDigits = 0;
};
std::optional<DecimalText> decimalText(std::string_view text);

// The first box or label that shows a non-finite number ("inf", "NaN",
// "1.#INF", digits beyond the Double range) that the system made, as
// "form.control: text"; empty when none. Boxes in userEdited and tokens in
// userMaterial (typed, pasted or read from a file) are the user's.
std::string nonFiniteShown(const runtime::Application& app,
                           const std::set<const runtime::Control*>& userEdited,
                           std::string_view userMaterial);

// Every text the system shows in a message box, by the windows that show it.
std::set<std::string> steamMessages();
std::set<std::string> gasMessages();

// The file's first field (leading blanks skipped, up to a comma or line end)
// split at the separator; nothing when the file holds no field.
std::optional<std::vector<std::string>> casePieces(std::string_view bytes, char separator);

// The piece as a whole number rounded half to even, when it is a number.
std::optional<double> wholeNumber(const std::string& piece);
// Whether the piece is a number that rounds to a whole number from low to high.
bool isWhole(const std::string& piece, double low, double high);
// Whether the piece is written as a whole number from 0 to below the count of choices.
bool isChoice(const std::string& piece, std::size_t choices);
// A case after opening an accepted file: the first `boxes` pieces as they
// stand, then the pieces from `settings` on as whole numbers.
std::vector<std::string> openedTexts(const std::vector<std::string>& pieces, std::size_t boxes,
                                     std::size_t settings);

// The unit lists and the balance mode of a gas case, in file order.
std::vector<runtime::ComboBox*> gasSettingLists(gas::frmgas& f);
// A window's case in file order (gas: without the composition).
std::vector<std::string> gasCaseTexts(runtime::Form& window);
std::vector<std::string> steamCaseTexts(runtime::Form& window);

// The gas state that no box shows: fuel composition and default units, as bytes.
std::string gasHiddenState(runtime::Application& app);
// The units file of a fresh installation.
void writeDefaultUnits(const std::string& programFolder);

// One window for the process, each case file opened over what the last left.
struct CaseFileFixture {
  // Opens the bytes through the Open menu item; whether they were refused. It
  // must refuse exactly what is not acceptable, with its one message, and
  // leave the windows and hiddenState as they were; an accepted file must
  // show no non-finite number that its bytes do not hold.
  bool open(runtime::Form& window, std::string_view bytes, bool acceptable);

  FuzzServices services;
  std::string (*hiddenState)(runtime::Application&) = nullptr;
  runtime::Application app{services};
};

}  // namespace corvasine::fuzz
