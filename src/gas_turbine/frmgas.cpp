#include "gas_turbine/frmgas.h"

#include "gas_turbine/frm_gtunits.h"
#include "gas_turbine/frmcomp.h"
#include "gas_turbine/gas_case_file.h"
#include "gas_turbine/gas_report.h"
#include "gas_turbine/gas_shared.h"
#include "gas_turbine/gas_tables.h"
#include "gas_turbine/gt_units_file.h"
#include "runtime/binding.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::gas {

using runtime::MessageAnswer;
using runtime::MessageKind;

namespace {

constexpr int kClientWidth = 10050;  // twips
constexpr int kClientHeight = 7830;  // twips
constexpr const char* kCaption = "Gas Turbine - Corvasine";
constexpr const char* kQuitTitle = "Corvasine - Gasturbine";
constexpr const char* kNewQuestion = "Your current data will be lost. Do you want to continue?";

// Sets a unit list to a default position; one the list does not have leaves
// it on its base unit.
void setDefaultPosition(runtime::ComboBox& list, short position) {
  const int size = static_cast<int>(list.items().size());
  list.setListIndex(position >= 0 && position < size ? position : 0);
}

}  // namespace

frmgas::frmgas(runtime::Application& app) : CalculatorWindow(app, "frmgas", kQuitTitle) {
  setCaption(kCaption);
  setClientSize(kClientWidth, kClientHeight);
  setFixedSize(true);
  Command2.setDefault(true);
  Command3.setVisible(false);
  Text8.setVisible(false);
  Text9.setVisible(false);
  Combo13.setVisible(false);
  rich_result.setLocked(true);  // the result is read and copied, not typed
  Label15.setLink(true);        // opens the maker's home page
  bindHandlers();
  buildMenus({{"exporty", "&Export", "", [this] { exporty_Click(); }},
              {"printoo", "&Print", "Ctrl+P", [this] { printoo_Click(); }}},
             {{"m_units", "&Default Units", "Ctrl+U", [this] { m_units_Click(); }}});
}

// A list pick reads its row's box again in the new unit, except where the
// row shows a figure another box's handler computes.
void frmgas::bindHandlers() {
  Text1.bind(*this, &frmgas::Text1_Change);
  // Leaving the temperature list only reads the temperature again.
  cmbtemp.onValidate = [this](bool&) { Text1_Change(); };
  Text2.bind(*this, &frmgas::Text2_Change);
  Text3.bind<frmgas>(*this, nullptr, &Text2, &Text4);
  Text4.bind(*this, &frmgas::Text4_Change);
  // lb/lb, g/g and kg/kg are the same ratio: the water content keeps its number.
  Text5.bind<frmgas>(*this, nullptr, nullptr, &Text6);
  Text6.bind(*this, &frmgas::Text6_Change);
  Text7.bind<frmgas>(*this, nullptr, &Text6, &Text18);
  Text18.bind(*this, &frmgas::Text18_Change);
  Text17.bind<frmgas>(*this, nullptr);
  Text16.bind(*this, &frmgas::Text16_Change);
  Text14.bind<frmgas>(*this, nullptr, &Text8, &Text26);
  Text13.bind<frmgas>(*this, nullptr, &Text9, &Text26);
  runtime::bindChange(Text8, this, &frmgas::Text8_Change);
  runtime::bindChange(Text9, this, &frmgas::Text9_Change);
  Text10.bind(*this, &frmgas::Text10_Change);
  Text11.bind<frmgas>(*this, nullptr);
  Text15.setUnitList(Combo13);
  Text15.bind(*this, &frmgas::Text15_Change);
  Text19.bind(*this, &frmgas::Text19_Change);
  Text20.bind(*this, &frmgas::Text20_Change);

  runtime::bindClick(balancetype, this, &frmgas::balancetype_Click);
  balancetype.onValidate = [this](bool&) { balancetype_Click(); };
  runtime::bindClick(Check1, this, &frmgas::Check1_Click);
  runtime::bindClick(Command1, this, &frmgas::Command1_Click);
  runtime::bindClick(Command2, this, &frmgas::Command2_Click);
  runtime::bindClick(Command3, this, &frmgas::Command3_Click);
  runtime::bindClick(Label15, this, &frmgas::Label15_Click);
}

// Every assignment below runs the target's handler at once, so the order is
// part of the behaviour: the balance type shows the window before the unit
// lists are set, and the lists re-read their (still empty) boxes.
void frmgas::Form_Load() {
  auto& shared = gasShared(application());

  nameHelpFile();
  input_.balanceMode = kBalanceExhaustO2;
  Text3.setEnabled(false);
  Text5.setEnabled(false);
  Text7.setEnabled(false);
  balancetype.setListIndex(0);
  Text25.setEnabled(false);
  Text12.setEnabled(false);
  Text13.setEnabled(false);
  Text14.setEnabled(false);

  for (std::size_t i = 1; i <= 18; ++i) shared.fuelComp[i] = 0.0;
  shared.airO2 = kDryAirO2;
  shared.airN2 = kDryAirN2;
  shared.airAr = kDryAirAr;
  shared.airCO2 = kDryAirCO2;

  startNewCase();

  shared.gtUnits.fill(0);
  loadUnits(application());
  setUnitListsFromDefaults();

  show();
  setFocus(Text1);
}

// A list without a default-units slot starts on its first entry.
void frmgas::setUnitListsFromDefaults() {
  const auto& units = gasShared(application()).gtUnits;
  for (runtime::FieldBox* box : runtime::fieldBoxes(*this)) {
    if (box->unitList() == nullptr) continue;
    const int slot = box->roles().defaultUnitsSlot;
    setDefaultPosition(*box->unitList(), slot == RowRoles::kNone ? 0 : units[slot]);
  }
}

// A new case has no result: the result box as at load, and the evaluation
// record as before the first evaluation, so that export and print refuse
// rather than report the figures of a case no longer on screen.
void frmgas::startNewCase() {
  rich_result.setText(kRightsNotice);
  evaluation_ = GasEvaluation{};
}

// New empties the inputs (their handlers then store nothing, so the stored
// values stay) and the fuel composition, and takes back the result of the
// last case; lists and mode stay.
void frmgas::m_new_Click() {
  if (application().services().ShowMessage(kNewQuestion, MessageKind::Question) !=
      MessageAnswer::Yes)
    return;
  runtime::resetFieldBoxes(*this);
  gasShared(application()).fuelComp.fill(0.0);
  startNewCase();
}

void frmgas::m_save_Click() { saveGasCase(*this); }
void frmgas::m_open_Click() { openGasCase(*this); }

void frmgas::exporty_Click() { exportExcel(*this); }
void frmgas::printoo_Click() { printExcel(*this); }
void frmgas::Command3_Click() { printExcel(*this); }

void frmgas::m_units_Click() { application().form<frm_gtunits>().show(); }

void frmgas::Command1_Click() { application().form<frmcomp>().show(); }

void frmgas::Label15_Click() { openHomePage(); }

}  // namespace corvasine::gas
