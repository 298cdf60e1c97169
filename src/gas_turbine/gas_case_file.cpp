#include "gas_turbine/gas_case_file.h"

#include <algorithm>

#include "gas_turbine/frmcomp.h"
#include "gas_turbine/frmgas.h"
#include "gas_turbine/gas_shared.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::gas {

using runtime::MessageKind;
using runtime::RuntimeError;

namespace {

// The boxes of the case, in file order.
std::array<runtime::TextBox*, kCaseBoxFields> caseBoxes(frmgas& f) {
  return {&f.Text1,  &f.Text2,  &f.Text4,  &f.Text6,  &f.Text18, &f.Text17, &f.Text16,
          &f.Text26, &f.Text25, &f.Text10, &f.Text11, &f.Text15, &f.Text19, &f.Text20};
}

}  // namespace

std::string caseLine(const std::array<std::string, kCaseBoxFields>& boxTexts,
                     const std::array<double, kCaseCompositionFields>& fuelComp) {
  std::vector<std::string> fields(boxTexts.begin(), boxTexts.end());
  for (double share : fuelComp) fields.push_back(runtime::NumberText(share));
  return shell::joinCaseFields(fields);
}

void saveGasCase(frmgas& form) {
  auto& services = form.application().services();
  std::array<std::string, kCaseBoxFields> texts;
  const auto boxes = caseBoxes(form);
  for (std::size_t k = 0; k < kCaseBoxFields; ++k) texts[k] = boxes[k]->text();
  // A text that would not read back is refused before the user picks a file,
  // so a saved case always opens as it was saved.
  if (!std::all_of(texts.begin(), texts.end(), shell::isStorableCaseText)) {
    services.ShowMessage(shell::kSaveFailedMessage, MessageKind::Error);
    return;
  }
  const std::string line = caseLine(texts, gasShared(form.application()).fuelComp);

  const std::string path = shell::askCaseFileToSave(services, kGasCaseFile);
  if (path.empty()) return;
  try {
    shell::writeCaseLine(path, line);
  } catch (const RuntimeError&) {
    services.ShowMessage(shell::kSaveFailedMessage, MessageKind::Error);
  }
}

namespace {

// Mole percent of one composition entry.
constexpr double kLowestShare = 0.0;
constexpr double kHighestShare = 100.0;

// The box texts may hold whatever the user typed; the composition entries
// are the numbers that a save writes.
bool isGoodCasePiece(std::size_t index, const std::string& piece) {
  return index < kCaseBoxFields || shell::isNumberWithin(piece, kLowestShare, kHighestShare);
}

}  // namespace

// The whole file is read and checked before anything is assigned: a file that
// is not a case leaves the window as it was.
void openGasCase(frmgas& form) {
  runtime::Application& app = form.application();
  auto& services = app.services();
  const std::string path = shell::askCaseFileToOpen(services, kGasCaseFile);
  if (path.empty()) return;
  std::vector<std::string> pieces;
  try {
    pieces = shell::readCheckedCasePieces(path, kCaseFields, isGoodCasePiece);
  } catch (const RuntimeError&) {
    services.ShowMessage(shell::kOpenFailedMessage, MessageKind::Error);
    return;
  }
  const auto boxes = caseBoxes(form);
  for (std::size_t k = 0; k < kCaseBoxFields; ++k) boxes[k]->setText(pieces[k]);
  auto& fuelComp = gasShared(app).fuelComp;
  for (std::size_t i = 0; i < kCaseCompositionFieldsRead; ++i)
    fuelComp[i] = runtime::ParseNumber(pieces[kCaseBoxFields + i]);
  app.form<frmcomp>().Command1.click();
}

}  // namespace corvasine::gas
