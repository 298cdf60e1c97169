#include "gas_turbine/frm_gtunits.h"

#include <array>
#include <cstddef>

#include "gas_turbine/gas_shared.h"
#include "gas_turbine/gt_units_file.h"
#include "runtime/runtime_error.h"

namespace corvasine::gas {
namespace {

constexpr int kClientWidth = 3450;   // twips
constexpr int kClientHeight = 4380;  // twips

// The lists of gtUnits(0) to gtUnits(8), in index order.
std::array<runtime::ComboBox*, 9> unitLists(frm_gtunits& form) {
  return {&form.cmbtemp, &form.cmdpress1, &form.cmdsite, &form.Combo2, &form.Combo4,
          &form.Combo8,  &form.Combo12,   &form.Combo1,  &form.Combo5};
}

}  // namespace

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
  const auto lists = unitLists(*this);
  for (std::size_t i = 0; i < lists.size(); ++i) lists[i]->setListIndex(gtUnits[i]);
}

void frm_gtunits::cmd_ok_Click() {
  auto& gtUnits = gasShared(application()).gtUnits;
  const auto lists = unitLists(*this);
  for (std::size_t i = 0; i < lists.size(); ++i)
    gtUnits[i] = static_cast<short>(lists[i]->listIndex());
  try {
    writeUnitsFile(application().services().ProgramFolder(), unitsLine(gtUnits));
  } catch (const runtime::RuntimeError&) {
    application().services().ShowMessage(kFolderNotWritableMessage, runtime::MessageKind::Warning);
    return;
  }
  application().unload(*this);
}

}  // namespace corvasine::gas
