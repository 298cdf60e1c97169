#include "gas_turbine/frm_gtunits.h"

#include <array>
#include <cstddef>

#include "gas_turbine/gas_shared.h"
#include "gas_turbine/gt_units_file.h"
#include "runtime/layout.h"
#include "runtime/runtime_error.h"

namespace corvasine::gas {
namespace {

constexpr int kClientWidth = 3450;   // twips
constexpr int kClientHeight = 4380;  // twips

// The rows of the frame, twips: a caption and a list each, no box.
constexpr runtime::RowLayout kChoiceRows{.captionLeft = 240,
                                         .captionWidth = 1455,
                                         .unitLeft = 1800,
                                         .unitWidth = 1300,
                                         .firstTop = 330,
                                         .step = 360,
                                         .fieldHeight = 255,
                                         .listHeight = 315};

}  // namespace

UnitsChoice::UnitsChoice(runtime::Frame& frame, int slot, const char* labelName,
                         const char* caption, const char* listName, const shell::UnitList& units)
    : label(frame.form(), labelName, kChoiceRows.caption(slot), &frame, caption),
      list(frame.form(), listName, kChoiceRows.unitList(slot), &frame, units.items()) {}

frm_gtunits::frm_gtunits(runtime::Application& app) : Form(app, "frm_gtunits") {
  setCaption("Gas Turbine - Corvasine - Default units");
  setClientSize(kClientWidth, kClientHeight);
  // Cancel has no handler: Esc or a click leaves the dialog open.
  cmd_cancel.setCancel(true);
  cmd_ok.setDefault(true);
  cmd_ok.onClick = [this] { cmd_ok_Click(); };
}

void frm_gtunits::Form_Load() {
  const auto& gtUnits = gasShared(application()).gtUnits;
  for (std::size_t i = 0; i < choices.size(); ++i) choices[i].list.setListIndex(gtUnits[i]);
}

void frm_gtunits::cmd_ok_Click() {
  auto& gtUnits = gasShared(application()).gtUnits;
  for (std::size_t i = 0; i < choices.size(); ++i)
    gtUnits[i] = static_cast<short>(choices[i].list.listIndex());
  try {
    writeUnitsFile(application().services().ProgramFolder(), unitsLine(gtUnits));
  } catch (const runtime::RuntimeError&) {
    application().services().ShowMessage(kFolderNotWritableMessage, runtime::MessageKind::Warning);
    return;
  }
  application().unload(*this);
}

}  // namespace corvasine::gas
