#include "steam_turbine/steam_case_file.h"

#include <cmath>
#include <limits>
#include <optional>

#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "steam_turbine/frmstm.h"

namespace corvasine::steam_turbine {

using runtime::MessageKind;
using runtime::RuntimeError;
using shell::casePiece;

namespace {

// Pieces 0 to 11 are box texts; 12 and 13 the check boxes, 14 the type;
// then, in files that keep their units, the positions of the unit lists in
// the window's order (Combo2 to Combo21).
constexpr std::size_t kCheck1Piece = 12;
constexpr std::size_t kCheck2Piece = 13;
constexpr std::size_t kTypePiece = 14;
constexpr std::size_t kFirstUnitPiece = kSteamCaseFields;

// The stream boxes in file order.
std::vector<runtime::FieldBox*> caseBoxes(frmstm& f) { return runtime::caseFileBoxes(f); }

// A stored number as the 16-bit integer the window keeps.
int smallInteger(const std::string& piece) {
  const double rounded = runtime::RoundHalfEven(runtime::ParseNumber(piece), 0);
  if (rounded < std::numeric_limits<short>::min() || rounded > std::numeric_limits<short>::max())
    throw RuntimeError("overflow");
  return static_cast<int>(rounded);
}

struct SteamCase {
  std::array<std::string, 12> texts;
  int check1 = 0;
  int check2 = 0;
  int type = 0;
  std::optional<UnitPositions> units;  // none in a file without units
};

// The unit pieces of a file that has them are valid when there is one for
// every list, no more, and each is a whole number naming an entry of its
// list. Anything else after piece 14 is refused: a file of only the first 15
// pieces (as saved before units were kept) opens with the lists as they are.
std::optional<UnitPositions> readUnitPositions(frmstm& form,
                                               const std::vector<std::string>& pieces) {
  if (pieces.size() == kSteamCaseFields) return std::nullopt;
  if (pieces.size() != kSteamCaseFields + kUnitLists) throw RuntimeError("wrong unit pieces");
  const auto lists = form.unitLists();
  UnitPositions positions{};
  for (std::size_t k = 0; k < kUnitLists; ++k) {
    const std::string& piece = pieces[kFirstUnitPiece + k];
    const double last = static_cast<double>(lists[k]->items().size()) - 1.0;
    if (!shell::isNumberWithin(piece, 0.0, last)) throw RuntimeError("unit beyond its list");
    const double position = runtime::ParseNumber(piece);
    if (position != std::floor(position)) throw RuntimeError("unit not a whole number");
    positions[k] = static_cast<int>(position);
  }
  return positions;
}

// Every piece read and checked; RuntimeError on the first that is missing or
// out of its range.
SteamCase readSteamCase(frmstm& form, const std::string& path) {
  const std::vector<std::string> pieces = shell::readCasePieces(path);
  SteamCase c;
  for (std::size_t k = 0; k < c.texts.size(); ++k) c.texts[k] = casePiece(pieces, k);
  c.check1 = smallInteger(casePiece(pieces, kCheck1Piece));
  c.check2 = smallInteger(casePiece(pieces, kCheck2Piece));
  c.type = smallInteger(casePiece(pieces, kTypePiece));
  const auto isCheckValue = [](int v) { return v >= 0 && v <= 2; };
  if (!isCheckValue(c.check1) || !isCheckValue(c.check2)) throw RuntimeError("invalid check value");
  if (c.type < -1 || c.type > 1) throw RuntimeError("invalid list position");
  c.units = readUnitPositions(form, pieces);
  return c;
}

}  // namespace

std::vector<std::string> steamCaseFields(frmstm& form) {
  std::vector<std::string> fields;
  for (const runtime::TextBox* box : caseBoxes(form)) fields.push_back(box->text());
  fields.push_back(runtime::NumberText(form.Check1.value()));
  fields.push_back(runtime::NumberText(form.Check2.value()));
  fields.push_back(runtime::NumberText(form.Combo1.listIndex()));
  for (const runtime::ComboBox* list : form.unitLists())
    fields.push_back(runtime::NumberText(list->listIndex()));
  return fields;
}

void saveSteamCase(frmstm& form) {
  shell::saveCaseFields(form.application().services(), kSteamCaseFile, steamCaseFields(form));
}

// The units are set before any text, so that every handler reads its text in
// the unit it was saved in; the type before the exhaust boxes, since picking
// it empties the exhaust temperature box. A case opened starts without a
// result.
void openSteamCase(frmstm& form) {
  auto& services = form.application().services();
  const std::string path = shell::askCaseFileToOpen(services, kSteamCaseFile);
  if (path.empty()) return;
  SteamCase c;
  try {
    c = readSteamCase(form, path);
  } catch (const RuntimeError&) {
    services.ShowMessage(shell::kOpenFailedMessage, MessageKind::Error);
    return;
  }
  if (c.units) form.setUnitLists(*c.units);
  const auto boxes = caseBoxes(form);
  for (std::size_t k = 0; k < boxes.size(); ++k) {
    if (boxes[k] == &form.exhaust.temperature) form.Combo1.setListIndex(c.type);
    boxes[k]->setText(c.texts[k]);
  }
  form.Check1.setValue(c.check1);
  form.Check2.setValue(c.check2);
  form.results.setText(kResultsAtLoad);
}

}  // namespace corvasine::steam_turbine
