#include "gas_turbine/frmgas.h"

#include <vector>

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
constexpr const char* kMechanicalLossesDesign = "2";      // %
constexpr const char* kGeneratorEfficiencyDesign = "98";  // %

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

void frmgas::bindHandlers() {
  using runtime::bindChange;
  using runtime::bindClick;
  using runtime::bindList;
  bindChange(Text1, this, &frmgas::Text1_Change);
  bindChange(Text2, this, &frmgas::Text2_Change);
  bindChange(Text3, this, &frmgas::Text3_Change);
  bindChange(Text4, this, &frmgas::Text4_Change);
  bindChange(Text6, this, &frmgas::Text6_Change);
  bindChange(Text8, this, &frmgas::Text8_Change);
  bindChange(Text9, this, &frmgas::Text9_Change);
  bindChange(Text10, this, &frmgas::Text10_Change);
  bindChange(Text11, this, &frmgas::Text11_Change);
  bindChange(Text15, this, &frmgas::Text15_Change);
  bindChange(Text16, this, &frmgas::Text16_Change);
  bindChange(Text17, this, &frmgas::Text17_Change);
  bindChange(Text18, this, &frmgas::Text18_Change);
  bindChange(Text19, this, &frmgas::Text19_Change);
  bindChange(Text20, this, &frmgas::Text20_Change);

  bindList(cmbtemp, this, &frmgas::cmbtemp_Click, &frmgas::cmbtemp_Validate);
  bindList(cmdsite, this, &frmgas::cmdsite_Click, &frmgas::cmdsite_Validate);
  bindList(cmdpress1, this, &frmgas::cmdpress1_Click, &frmgas::cmdpress1_Validate);
  bindList(Combo1, this, &frmgas::Combo1_Click, &frmgas::Combo1_Validate);
  bindList(Combo2, this, &frmgas::Combo2_Click, &frmgas::Combo2_Validate);
  bindList(Combo3, this, &frmgas::Combo3_Click, &frmgas::Combo3_Validate);
  bindList(Combo4, this, &frmgas::Combo4_Click, &frmgas::Combo4_Validate);
  bindList(Combo5, this, &frmgas::Combo5_Click, &frmgas::Combo5_Validate);
  bindList(Combo6, this, &frmgas::Combo6_Click, &frmgas::Combo6_Validate);
  bindList(Combo7, this, &frmgas::Combo7_Click, &frmgas::Combo7_Validate);
  bindList(Combo8, this, &frmgas::Combo8_Click, &frmgas::Combo8_Validate);
  bindList(Combo9, this, &frmgas::Combo9_Click, &frmgas::Combo9_Validate);
  bindList(Combo10, this, &frmgas::Combo10_Click, &frmgas::Combo10_Validate);
  bindList(Combo11, this, &frmgas::Combo11_Click, &frmgas::Combo11_Validate);
  bindList(Combo12, this, &frmgas::Combo12_Click, &frmgas::Combo12_Validate);
  bindList(Combo13, this, &frmgas::Combo13_Click, &frmgas::Combo13_Validate);
  bindList(balancetype, this, &frmgas::balancetype_Click, &frmgas::balancetype_Validate);

  bindClick(Check1, this, &frmgas::Check1_Click);
  bindClick(Command1, this, &frmgas::Command1_Click);
  bindClick(Command2, this, &frmgas::Command2_Click);
  bindClick(Command3, this, &frmgas::Command3_Click);
  bindClick(Label15, this, &frmgas::Label15_Click);
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

void frmgas::setUnitListsFromDefaults() {
  const auto& units = gasShared(application()).gtUnits;
  setDefaultPosition(cmbtemp, units[0]);
  setDefaultPosition(cmdsite, units[2]);
  setDefaultPosition(cmdpress1, units[1]);
  Combo1.setListIndex(0);
  setDefaultPosition(Combo2, units[3]);
  setDefaultPosition(Combo3, units[1]);
  setDefaultPosition(Combo4, units[4]);
  setDefaultPosition(Combo5, units[4]);
  setDefaultPosition(Combo6, units[0]);
  setDefaultPosition(Combo7, units[1]);
  setDefaultPosition(Combo8, units[5]);
  setDefaultPosition(Combo9, units[0]);
  setDefaultPosition(Combo10, units[1]);
  setDefaultPosition(Combo11, units[0]);
  setDefaultPosition(Combo12, units[6]);
  setDefaultPosition(Combo13, units[5]);
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
  for (runtime::TextBox* box : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text18,
                                &Text17, &Text16, &Text14, &Text13, &Text12})
    box->setText("");
  Text26.setText(kMechanicalLossesDesign);
  Text25.setText(kGeneratorEfficiencyDesign);
  for (runtime::TextBox* box : {&Text10, &Text11, &Text15, &Text19, &Text20}) box->setText("");
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

runtime::TextBox* frmgas::firstInputWithoutNumber() {
  std::vector<runtime::TextBox*> inputs = {&Text1,  &Text2,  &Text4, &Text6,
                                           &Text18, &Text16, &Text26};
  if (Text25.enabled()) inputs.push_back(&Text25);
  for (runtime::TextBox* box : {&Text10, &Text15, &Text19, &Text20}) inputs.push_back(box);
  for (runtime::TextBox* box : inputs)
    if (!runtime::holdsNumber(*box)) return box;
  return nullptr;
}

}  // namespace corvasine::gas
