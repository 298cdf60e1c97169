#include "gas_turbine/frmgas.h"

#include "gas_turbine/frm_gtunits.h"
#include "gas_turbine/frmcomp.h"
#include "gas_turbine/gas_case_file.h"
#include "gas_turbine/gas_report.h"
#include "gas_turbine/gas_tables.h"
#include "gas_turbine/gt_units_file.h"
#include "runtime/runtime_error.h"
#include "shell/frmboota.h"
#include "shell/maker.h"
#include "shell/vari.h"

namespace corvasine::gas {

using runtime::MessageAnswer;
using runtime::MessageKind;

namespace {

constexpr int kClientWidth = 10050;  // twips
constexpr int kClientHeight = 7830;  // twips
constexpr const char* kCaption = "Gas Turbine - Corvasine";
constexpr const char* kHelpFileName = "corvasine.hlp";
constexpr const char* kQuitQuestion = "Are you sure to quit?";
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

frmgas::frmgas(runtime::Application& app) : Form(app, "frmgas") {
  setCaption(kCaption);
  setClientSize(kClientWidth, kClientHeight);
  setFixedSize(true);
  Command2.setDefault(true);
  Command3.setVisible(false);
  Text8.setVisible(false);
  Text9.setVisible(false);
  Combo13.setVisible(false);
  bindHandlers();
  buildMenus();
}

void frmgas::bindHandlers() {
  Text1.onChange = [this] { Text1_Change(); };
  Text2.onChange = [this] { Text2_Change(); };
  Text3.onChange = [this] { Text3_Change(); };
  Text4.onChange = [this] { Text4_Change(); };
  Text6.onChange = [this] { Text6_Change(); };
  Text8.onChange = [this] { Text8_Change(); };
  Text9.onChange = [this] { Text9_Change(); };
  Text10.onChange = [this] { Text10_Change(); };
  Text11.onChange = [this] { Text11_Change(); };
  Text15.onChange = [this] { Text15_Change(); };
  Text16.onChange = [this] { Text16_Change(); };
  Text17.onChange = [this] { Text17_Change(); };
  Text18.onChange = [this] { Text18_Change(); };
  Text19.onChange = [this] { Text19_Change(); };
  Text20.onChange = [this] { Text20_Change(); };

  const auto bindList = [](runtime::ComboBox& list, frmgas* form, void (frmgas::*click)(),
                           void (frmgas::*validate)(bool&)) {
    list.onClick = [form, click] { (form->*click)(); };
    list.onValidate = [form, validate](bool& cancel) { (form->*validate)(cancel); };
  };
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

  Check1.onClick = [this] { Check1_Click(); };
  Command1.onClick = [this] { Command1_Click(); };
  Command2.onClick = [this] { Command2_Click(); };
  Command3.onClick = [this] { Command3_Click(); };
  Label15.onClick = [this] { Label15_Click(); };
}

void frmgas::buildMenus() {
  menus() = {
      {"mm_file",
       "&File",
       {{"m_new", "&New", "Ctrl+N", [this] { m_new_Click(); }},
        {"m_save", "&Save", "Ctrl+S", [this] { m_save_Click(); }},
        {"m_open", "&Open", "Ctrl+O", [this] { m_open_Click(); }},
        {"mnu_sep1", "-", "", {}},
        {"exporty", "&Export", "", [this] { exporty_Click(); }},
        {"printoo", "&Print", "Ctrl+P", [this] { printoo_Click(); }},
        {"mnu_sep2", "-", "", {}},
        {"m_exit", "&Exit", "", [this] { m_exit_Click(); }}}},
      {"mm_edit",
       "&Edit",
       {{"m_copy", "&Copy", "Ctrl+C", [this] { m_copy_Click(); }},
        {"m_cut", "&Cut", "Ctrl+X", [this] { m_cut_Click(); }},
        {"m_paste", "&Paste", "Ctrl+V", [this] { m_paste_Click(); }},
        {"mnu_sep3", "-", "", {}},
        {"m_units", "&Default Units", "Ctrl+U", [this] { m_units_Click(); }}}},
      {"mm_help",
       "&Help",
       {{"m_help", "&Help", "F1", [this] { m_help_Click(); }},
        {"m_about", "&About", "Ctrl+A", [this] { m_about_Click(); }}}},
  };
}

// Every assignment below runs the target's handler at once, so the order is
// part of the behaviour: the balance type shows the window before the unit
// lists are set, and the lists re-read their (still empty) boxes.
void frmgas::Form_Load() {
  auto& services = application().services();
  auto& shared = shell::vari(application());

  helpFile_ = services.ProgramFolder() + "/" + kHelpFileName;
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

  rich_result.setText(kRightsNotice);

  shared.gtUnits.fill(0);
  loadUnits(application());
  setUnitListsFromDefaults();

  show();
  setFocus(Text1);
}

void frmgas::setUnitListsFromDefaults() {
  const auto& units = shell::vari(application()).gtUnits;
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

void frmgas::Form_Unload(int& cancel) {
  const MessageAnswer answer =
      application().services().ShowMessage(kQuitQuestion, MessageKind::Question, kQuitTitle);
  cancel = answer == MessageAnswer::Yes ? 0 : 1;
}

// New empties the inputs (their handlers then store nothing, so the stored
// values stay) and the fuel composition; lists, mode and results stay.
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
  shell::vari(application()).fuelComp.fill(0.0);
}

void frmgas::m_save_Click() { saveGasCase(*this); }
void frmgas::m_open_Click() { openGasCase(*this); }

void frmgas::exporty_Click() { exportExcel(*this); }
void frmgas::printoo_Click() { printExcel(*this); }
void frmgas::Command3_Click() { printExcel(*this); }

void frmgas::m_exit_Click() { application().unload(*this); }

runtime::TextBox* frmgas::activeTextBox() const {
  runtime::Control* active = activeControl();
  if (active == nullptr || active->kind() != runtime::ControlKind::TextBox) return nullptr;
  return static_cast<runtime::TextBox*>(active);
}

void frmgas::m_copy_Click() {
  runtime::TextBox* box = activeTextBox();
  if (box == nullptr) return;
  auto& services = application().services();
  services.clearClipboard();
  services.setClipboardText(box->selectedText());
}

// Cut and Paste edit only a box the user can type into; computed boxes stay
// as their handlers wrote them.
void frmgas::m_cut_Click() {
  runtime::TextBox* box = activeTextBox();
  if (box == nullptr) return;
  m_copy_Click();
  if (box->acceptsInput()) box->replaceSelection("");
}

void frmgas::m_paste_Click() {
  runtime::TextBox* box = activeTextBox();
  if (box == nullptr || !box->acceptsInput()) return;
  box->replaceSelection(application().services().clipboardText());
}

void frmgas::m_units_Click() { application().form<frm_gtunits>().show(); }

void frmgas::m_help_Click() { application().services().showHelpContents(helpFile_); }

void frmgas::m_about_Click() { application().form<shell::frmboota>().show(); }

void frmgas::Command1_Click() { application().form<frmcomp>().show(); }

void frmgas::Label15_Click() { application().services().openWebPage(shell::kHomePage); }

void frmgas::Command2_Click() {
  auto& services = application().services();
  const auto& shared = shell::vari(application());

  GasEvaluationBoxes boxes;
  boxes.Text1 = Text1.text();
  boxes.cmbtempAtFirst = cmbtemp.listIndex() == 0;
  boxes.Text15 = Text15.text();
  boxes.Text5 = Text5.text();
  boxes.Text26 = Text26.text();
  boxes.Text25 = Text25.text();
  boxes.Text25Enabled = Text25.enabled();

  GasMixture mix;
  mix.fuelComp = shared.fuelComp;
  mix.airO2 = shared.airO2;
  mix.airN2 = shared.airN2;
  mix.airAr = shared.airAr;
  mix.airCO2 = shared.airCO2;

  std::string result;
  // The evaluation ends every run-time error itself with CheckValues.
  switch (evaluateGasTurbine(input_, boxes, mix, evaluation_, result)) {
    case GasEvaluationOutcome::Done:
      rich_result.setText(result);
      break;
    case GasEvaluationOutcome::CheckValues:
      services.ShowMessage(std::string(kCheckValuesMessage), MessageKind::Error);
      break;
    case GasEvaluationOutcome::InsufficientAir:
      services.ShowMessage(std::string(kInsufficientAirMessage), MessageKind::Error);
      break;
  }
}

}  // namespace corvasine::gas
