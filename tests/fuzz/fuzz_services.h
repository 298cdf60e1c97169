#pragma once

// Services for the fuzz targets: the fakes of the tests, except that every
// question and every file dialog is answered from the fuzz input, and that a
// finding ends the process with a report instead of failing a test; and what
// must hold of the windows after every action.
//
// What the fuzz targets know of the case files: an independent reading of a
// file's bytes, written from the file's description rather than from the
// readers; what each window's case holds, in file order; and a window that
// opens one file after another.

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
  // A message that is not among the allowed texts is a finding; a window
  // that prints asks the question that names the default printer too. The
  // fuzz file is fileName in the program folder.
  FuzzServices(std::set<std::string> allowed, const std::string& fileName, bool prints = false);

  // The file a dialog can pick besides a missing one, the folder itself or cancel.
  std::string fuzzFile;
  // What the last file dialog answered.
  std::string lastChosen;

  // Answers come from this input until the next call. Without an input every
  // question is answered No and every file dialog picks the fuzz file.
  void answerFrom(FuzzedDataProvider* input) { input_ = input; }
  // Forgets what was shown and empties the program folder; at the end of an input.
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

// Everything a user can see of the loaded windows: each form's caption and
// visibility and each control's text, caption, value, list position,
// enabled and visible flags. Two equal snapshots show the same windows.
std::string snapshot(const runtime::Application& app);

// The decimal syntax that ParseNumber reads, written out again: blanks, sign,
// digits with an optional point, optional exponent, blanks; at least one
// mantissa digit. Gives the text without its blanks and its count of
// significant digits, or nothing when the text does not qualify, whether or
// not its value fits a Double.
struct DecimalText {
  std::string core;
  int significantDigits = 0;
};
std::optional<DecimalText> decimalText(std::string_view text);

// The first box or label of the loaded windows that shows a number that is
// not finite ("inf", "NaN", "1.#INF", or digits beyond the Double range) and
// that the system made, as "form.control: text"; empty when there is none. Boxes
// in userEdited are the user's own text; a token found in userMaterial
// (texts typed, pasted or read from a file) came from the user too.
std::string nonFiniteShown(const runtime::Application& app,
                           const std::set<const runtime::Control*>& userEdited,
                           std::string_view userMaterial);

// Every text the system shows in a message box, by the windows that show it.
std::set<std::string> steamMessages();
std::set<std::string> gasMessages();

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
  // Opens the bytes through the window's Open menu item and returns whether
  // the system refused them. It must refuse exactly what is not acceptable,
  // with its one message, and leave the windows (and the state that
  // hiddenState gives) as they were; an accepted file must show no
  // non-finite number that its bytes do not hold.
  bool open(runtime::Form& window, std::string_view bytes, bool acceptable);

  FuzzServices services;
  std::string (*hiddenState)(runtime::Application&) = nullptr;
  runtime::Application app{services};
};

}  // namespace corvasine::fuzz
