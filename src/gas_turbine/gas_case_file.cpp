#include "gas_turbine/gas_case_file.h"

#include <cmath>
#include <vector>

#include "gas_turbine/frmcomp.h"
#include "gas_turbine/frmgas.h"
#include "gas_turbine/gas_shared.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::gas {

using runtime::MessageKind;
using runtime::RuntimeError;

namespace {

// The boxes of the case, in file order: each row's case-file piece.
std::vector<runtime::FieldBox*> caseBoxes(const frmgas& f) { return runtime::caseFileBoxes(f); }

// The lists whose positions follow the composition, in file order: the rows'
// unit lists frame by frame, top to bottom, then the balance mode. The
// generator check box comes last. Save and Open both take this order; it
// never changes, since saved files depend on it.
std::vector<runtime::ComboBox*> caseLists(frmgas& f) {
  std::vector<runtime::ComboBox*> lists;
  for (const runtime::FieldBox* box : runtime::fieldBoxes(f))
    if (box->unitList() != nullptr) lists.push_back(box->unitList());
  lists.push_back(&f.balancetype);
  return lists;
}

// Unticked and ticked: the generator check box never shows the grey state.
constexpr int kCheckStates = 2;

}  // namespace

// The composition texts and positions are the program's own numbers, always
// storable.
void saveGasCase(frmgas& form) {
  std::vector<std::string> fields;
  for (const runtime::TextBox* box : caseBoxes(form)) fields.push_back(box->text());
  for (double share : gasShared(form.application()).fuelComp)
    fields.push_back(runtime::NumberText(share));
  for (const runtime::ComboBox* list : caseLists(form))
    fields.push_back(runtime::NumberText(list->listIndex()));
  fields.push_back(runtime::NumberText(form.Check1.value()));
  shell::saveCaseFields(form.application().services(), kGasCaseFile, fields);
}

namespace {

// Mole percent of one composition entry.
constexpr double kLowestShare = 0.0;
constexpr double kHighestShare = 100.0;

// A setting is a whole number from 0 to one less than its choices.
bool isSettingPiece(const std::string& piece, int choices) {
  return shell::isNumberWithin(piece, 0.0, choices - 1.0) &&
         std::floor(runtime::ParseNumber(piece)) == runtime::ParseNumber(piece);
}

// The pieces of the file when it is a whole, good case: 35 fields or 53 with
// the settings. The box texts may hold whatever the user typed; the
// composition entries and the settings are the numbers that a save writes.
std::vector<std::string> readGoodCase(frmgas& form, const std::string& path) {
  std::vector<std::string> pieces = shell::readCasePieces(path);
  if (pieces.size() != kCaseFields && pieces.size() != kCaseFieldsWithSettings)
    throw RuntimeError("not a gas case file: " + path);
  for (std::size_t k = kCaseBoxFields; k < kCaseFields; ++k)
    if (!shell::isNumberWithin(pieces[k], kLowestShare, kHighestShare))
      throw RuntimeError("not a gas case file: " + path);
  if (pieces.size() == kCaseFieldsWithSettings) {
    const auto lists = caseLists(form);
    for (std::size_t k = 0; k < lists.size(); ++k)
      if (!isSettingPiece(pieces[kCaseFields + k], static_cast<int>(lists[k]->items().size())))
        throw RuntimeError("not a gas case file: " + path);
    if (!isSettingPiece(pieces.back(), kCheckStates))
      throw RuntimeError("not a gas case file: " + path);
  }
  return pieces;
}

// Sets the lists, the mode and the check box of the case. Their handlers run
// as on a pick; the focus that the picks move goes back where it was.
void applySettings(frmgas& form, const std::vector<std::string>& pieces) {
  runtime::Control* focused = form.activeControl();
  const auto lists = caseLists(form);
  for (std::size_t k = 0; k < lists.size(); ++k)
    lists[k]->setListIndex(static_cast<int>(runtime::ParseNumber(pieces[kCaseFields + k])));
  form.Check1.setValue(static_cast<int>(runtime::ParseNumber(pieces.back())));
  if (focused != nullptr) form.setFocus(*focused);
}

}  // namespace

// The whole file is read and checked before anything is assigned: a file that
// is not a case leaves the window as it was. The settings come before the
// texts, so that each box's handler reads its text in the saved unit.
void openGasCase(frmgas& form) {
  runtime::Application& app = form.application();
  auto& services = app.services();
  const std::string path = shell::askCaseFileToOpen(services, kGasCaseFile);
  if (path.empty()) return;
  std::vector<std::string> pieces;
  try {
    pieces = readGoodCase(form, path);
  } catch (const RuntimeError&) {
    services.ShowMessage(shell::kOpenFailedMessage, MessageKind::Error);
    return;
  }
  if (pieces.size() == kCaseFieldsWithSettings) applySettings(form, pieces);
  const auto boxes = caseBoxes(form);
  for (std::size_t k = 0; k < kCaseBoxFields; ++k) boxes[k]->setText(pieces[k]);
  auto& fuelComp = gasShared(app).fuelComp;
  for (std::size_t i = 0; i < kCaseCompositionFieldsRead; ++i)
    fuelComp[i] = runtime::ParseNumber(pieces[kCaseBoxFields + i]);
  app.form<frmcomp>().Command1.click();
  form.startNewCase();
}

}  // namespace corvasine::gas
