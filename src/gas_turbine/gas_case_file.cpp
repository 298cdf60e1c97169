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

// The composition texts are the program's own numbers, always storable.
void saveGasCase(frmgas& form) {
  std::vector<std::string> fields;
  for (const runtime::TextBox* box : caseBoxes(form)) fields.push_back(box->text());
  for (double share : gasShared(form.application()).fuelComp)
    fields.push_back(runtime::NumberText(share));
  shell::saveCaseFields(form.application().services(), kGasCaseFile, fields);
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
