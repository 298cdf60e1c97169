#include "steam_turbine/frmstm.h"

#include "runtime/binding.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "shell/converters.h"
#include "shell/vari.h"
#include "steam_turbine/steam_case_file.h"

namespace corvasine::steam_turbine {

using runtime::MessageKind;

namespace {

constexpr int kClientWidth = 10320;  // twips
constexpr int kClientHeight = 8175;  // twips
constexpr const char* kCaption = "Steam Turbine - Corvasine";
constexpr const char* kQuitTitle = "Corvasine - Steamturbine";
constexpr const char* kBackPressureCaption = "Temperature:";
constexpr const char* kCondensingCaption = "Vapor fraction:";
constexpr const char* kFahrenheit = "°F";
constexpr const char* kCelsius = "°C";
constexpr const char* kPercentUnit = "%";

const char* temperatureUnitName(const runtime::ComboBox& list) {
  return list.listIndex() == 0 ? kFahrenheit : kCelsius;
}

}  // namespace

frmstm::frmstm(runtime::Application& app) : CalculatorWindow(app, "frmstm", kQuitTitle) {
  setCaption(kCaption);
  setClientSize(kClientWidth, kClientHeight);
  setFixedSize(true);
  groups_[kInlet] = {kInlet, &Text1,  &Combo2, &Text2,  &Combo3, &Text4, &Label9,
                     &Text5, &Label8, &Text6,  &Combo5, &Text7,  &Combo6};
  groups_[kInduction] = {kInduction, &Text8,   &Combo11, &Text9,  &Combo10, &Text11, &Label10,
                         &Text12,    &Label11, &Text13,  &Combo8, &Text14,  &Combo7};
  groups_[kExtraction] = {kExtraction, &Text21,  &Combo16, &Text20,  &Combo15, &Text18, &Label12,
                          &Text17,     &Label13, &Text16,  &Combo13, &Text15,  &Combo12};
  groups_[kExhaust] = {kExhaust, &Text22,  &Combo21, &Text23,  &Combo20, &Text25, &Label14,
                       &Text26,  &Label22, &Text27,  &Combo18, &Text28,  &Combo17};
  // The computed boxes take neither focus nor typing.
  for (runtime::TextBox* box :
       {&Text4, &Text5, &Text6, &Text7, &Text11, &Text12, &Text13, &Text14, &Text15, &Text16,
        &Text17, &Text18, &Text24, &Text25, &Text26, &Text27, &Text28})
    box->setEnabled(false);
  // The induction and extraction frames start disabled, their check boxes
  // unticked; a check box sits in the tab order where its frame begins.
  Frame2.setEnabled(false);
  Frame3.setEnabled(false);
  Check1.setTabIndex(Frame2.tabIndex());
  Check2.setTabIndex(Frame3.tabIndex());
  cmdresult.setDefault(true);
  results.setLocked(true);
  Label58.setTabStop(false);
  Label58.setLink(true);
  bindHandlers();
  buildMenus({}, {});
}

void frmstm::bindHandlers() {
  using runtime::bindChange;
  using runtime::bindClick;
  using runtime::bindList;
  bindChange(Text1, this, &frmstm::Text1_Change);
  bindChange(Text8, this, &frmstm::Text8_Change);
  bindChange(Text21, this, &frmstm::Text21_Change);
  bindChange(Text22, this, &frmstm::Text22_Change);
  bindChange(Text2, this, &frmstm::Text2_Change);
  bindChange(Text9, this, &frmstm::Text9_Change);
  bindChange(Text20, this, &frmstm::Text20_Change);
  bindChange(Text23, this, &frmstm::Text23_Change);
  bindChange(Text3, this, &frmstm::Text3_Change);
  bindChange(Text10, this, &frmstm::Text10_Change);
  bindChange(Text19, this, &frmstm::Text19_Change);
  for (runtime::TextBox* box : {&Text5, &Text6, &Text7, &Text12, &Text13, &Text14, &Text17, &Text16,
                                &Text15, &Text24, &Text26, &Text27, &Text28})
    box->onChange = [this, box] { markSign(*box); };

  bindClick(Check1, this, &frmstm::Check1_Click);
  bindClick(Check2, this, &frmstm::Check2_Click);
  bindList(Combo1, this, &frmstm::Combo1_Click, &frmstm::Combo1_Validate);
  bindList(Combo2, this, &frmstm::Combo2_Click, &frmstm::Combo2_Validate);
  bindList(Combo3, this, &frmstm::Combo3_Click, &frmstm::Combo3_Validate);
  bindClick(Combo4, this, &frmstm::Combo4_Click);
  bindList(Combo5, this, &frmstm::Combo5_Click, &frmstm::Combo5_Validate);
  bindList(Combo6, this, &frmstm::Combo6_Click, &frmstm::Combo6_Validate);
  // The lists of the other groups rerun their group's handlers on a pick, as
  // the inlet lists do.
  for (int group : {kInduction, kExtraction, kExhaust}) {
    const StreamBoxes& g = boxes(group);
    g.temperatureUnit->onClick = [this, group] { temperatureUnitPicked(group); };
    for (runtime::ComboBox* list : {g.pressureUnit, g.entropyUnit, g.enthalpyUnit})
      list->onClick = [this, group] { pressureUnitPicked(group); };
  }
  Combo9.onClick = [this] { flowUnitPicked(Text10); };
  Combo14.onClick = [this] { flowUnitPicked(Text19); };
  Combo19.onClick = [this] { flowUnitPicked(Text3); };

  bindClick(Label8, this, &frmstm::Label8_Click);
  bindClick(Label9, this, &frmstm::Label9_Click);
  bindClick(Label10, this, &frmstm::Label10_Click);
  bindClick(Label22, this, &frmstm::Label22_Click);
  bindClick(Label50, this, &frmstm::Label50_Click);
  // Label50 shows only while the exhaust row holds a vapour fraction, when it
  // opens nothing: it is no link.
  for (runtime::Label* link : {&Label8, &Label9, &Label10, &Label22}) link->setLink(true);
  bindClick(Label58, this, &frmstm::Label58_Click);
  bindClick(cmdresult, this, &frmstm::cmdresult_Click);
}

// Every assignment below runs its handler at once: the unit lists re-run
// the inlet handlers on the still empty boxes.
void frmstm::Form_Load() {
  nameHelpFile();
  state_.inductionOn = kFalse;
  state_.extractionOn = kFalse;
  Combo1.setListIndex(0);
  results.setText(kResultsAtLoad);
  setUnitLists({});
}

std::array<runtime::ComboBox*, kUnitLists> frmstm::unitLists() {
  return {&Combo2,  &Combo3,  &Combo4,  &Combo5,  &Combo6,  &Combo7,  &Combo8,
          &Combo9,  &Combo10, &Combo11, &Combo12, &Combo13, &Combo14, &Combo15,
          &Combo16, &Combo17, &Combo18, &Combo19, &Combo20, &Combo21};
}

void frmstm::setUnitLists(const UnitPositions& positions) {
  const bool outer = settingLists_;
  settingLists_ = true;
  try {
    const auto lists = unitLists();
    for (std::size_t k = 0; k < kUnitLists; ++k) lists[k]->setListIndex(positions[k]);
  } catch (...) {
    settingLists_ = outer;
    throw;
  }
  settingLists_ = outer;
}

void frmstm::focusIfPossible(runtime::Control& control) {
  if (!settingLists_ && control.acceptsInput()) setFocus(control);
}

// The exhaust flow counts the induction and extraction flows only while their
// streams are on: switching one reruns the balance.
void frmstm::Check1_Click() {
  const bool on = Check1.value() == 1;
  const bool changed = (state_.inductionOn != kFalse) != on;
  Frame2.setEnabled(on);
  state_.inductionOn = on ? kTrue : kFalse;
  if (changed) Text10_Change();
}

void frmstm::Check2_Click() {
  const bool on = Check2.value() == 1;
  const bool changed = (state_.extractionOn != kFalse) != on;
  Frame3.setEnabled(on);
  state_.extractionOn = on ? kTrue : kFalse;
  if (changed) Text10_Change();
}

void frmstm::Combo1_Validate(bool&) {
  const bool backPressure = turbineType() == 0;
  Label43.setCaption(backPressure ? kBackPressureCaption : kCondensingCaption);
  Label50.setCaption(backPressure ? kFahrenheit : kPercentUnit);
}

void frmstm::Combo1_Click() {
  bool cancel = false;
  Combo1_Validate(cancel);
  Combo21.setVisible(turbineType() == 0);
  Text22.setText("");
}

void frmstm::runTemperatureHandler(int group) {
  if (group == kExhaust)
    Text22_Change();
  else
    temperatureChanged(boxes(group));
}

void frmstm::runPressureHandler(int group) {
  if (group == kExhaust)
    Text23_Change();
  else
    pressureChanged(boxes(group));
}

// The saturation and superheat boxes are written in the temperature list's
// unit, so their unit labels follow it.
void frmstm::temperatureUnitPicked(int group) {
  const StreamBoxes& g = boxes(group);
  runTemperatureHandler(group);
  g.saturationUnit->setCaption(temperatureUnitName(*g.temperatureUnit));
  g.superheatUnit->setCaption(temperatureUnitName(*g.temperatureUnit));
  focusIfPossible(*g.temperature);
}

// A new pressure unit, and a new entropy or enthalpy unit, which shows at
// once: the group's state is recomputed from its pressure on.
void frmstm::pressureUnitPicked(int group) {
  runPressureHandler(group);
  focusIfPossible(*boxes(group).pressure);
}

void frmstm::flowUnitPicked(runtime::TextBox& flow) {
  if (&flow == &Text3)
    Text3_Change();
  else
    Text10_Change();
  focusIfPossible(flow);
}

void frmstm::Combo2_Click() { temperatureUnitPicked(kInlet); }
void frmstm::Combo2_Validate(bool&) { Combo2_Click(); }
void frmstm::Combo3_Click() { pressureUnitPicked(kInlet); }
void frmstm::Combo3_Validate(bool&) { Combo3_Click(); }
void frmstm::Combo4_Click() { flowUnitPicked(Text3); }
void frmstm::Combo5_Click() { Combo3_Click(); }
void frmstm::Combo5_Validate(bool&) { Combo3_Click(); }
void frmstm::Combo6_Click() { Combo3_Click(); }
void frmstm::Combo6_Validate(bool&) { Combo3_Click(); }

// The unit labels open a converter dialog that writes into a field, in the
// unit that the field's list shows when the figure is written.
namespace {
template <class Dialog>
void openConverter(runtime::Application& app, shell::ConverterTarget shell::Vari::*target,
                   runtime::TextBox& field, runtime::ComboBox& unitList,
                   shell::ConverterTarget::FromBase fromBase) {
  shell::vari(app).*target = shell::ConverterTarget(field, unitList, fromBase);
  app.form<Dialog>().show();
}
}  // namespace

void frmstm::Label9_Click() {
  openConverter<shell::frmtemp1>(application(), &shell::Vari::tempTarget, Text1, Combo2,
                                 shell::temperatureFromF);
}
void frmstm::Label8_Click() {
  openConverter<shell::frmpress>(application(), &shell::Vari::pressTarget, Text2, Combo3,
                                 shell::pressureFromPsia);
}
void frmstm::Label10_Click() {
  openConverter<shell::frmMass>(application(), &shell::Vari::massTarget, Text3, Combo4, kpphToFlow);
}
void frmstm::Label22_Click() {
  openConverter<shell::frmtemp1>(application(), &shell::Vari::tempTarget, Text8, Combo11,
                                 shell::temperatureFromF);
}
// While the exhaust row holds a vapour fraction no temperature belongs there.
void frmstm::Label50_Click() {
  if (turbineType() != 0) return;
  openConverter<shell::frmtemp1>(application(), &shell::Vari::tempTarget, Text22, Combo21,
                                 shell::temperatureFromF);
}

void frmstm::Label58_Click() { openHomePage(); }

// New asks nothing: it empties every box (each runs its handler), sets the
// turbine type back, unticks both streams and starts the result box afresh;
// the lists and the stream record's last values stay.
void frmstm::m_new_Click() {
  for (runtime::TextBox* box :
       {&Text1,  &Text2,  &Text3,  &Text4,  &Text5,  &Text6,  &Text7,  &Text8,  &Text9,  &Text10,
        &Text11, &Text12, &Text13, &Text14, &Text21, &Text20, &Text19, &Text15, &Text16, &Text17,
        &Text18, &Text22, &Text23, &Text24, &Text25, &Text26, &Text27, &Text28})
    box->setText("");
  Combo1.setListIndex(0);
  Check1.setValue(0);
  Check2.setValue(0);
  results.setText(kResultsAtLoad);
}

void frmstm::m_save_Click() { saveSteamCase(*this); }
void frmstm::m_open_Click() { openSteamCase(*this); }

bool frmstm::typedBoxesHoldNumbers() const {
  std::vector<const runtime::TextBox*> typed{&Text1, &Text2, &Text3, &Text22, &Text23};
  if (state_.inductionOn != kFalse) typed.insert(typed.end(), {&Text8, &Text9, &Text10});
  if (state_.extractionOn != kFalse) typed.insert(typed.end(), {&Text21, &Text20, &Text19});
  for (const runtime::TextBox* box : typed)
    if (!runtime::holdsNumber(*box)) return false;
  return true;
}

// The derived values must be those of superheated inlet, induction and
// extraction steam and of a real exhaust state.
bool frmstm::CheckValues() {
  try {
    const auto positive = [](const runtime::TextBox& box) {
      return runtime::shownNumber(box) > 0.0;
    };
    if (!positive(Text5) || !positive(Text6) || !positive(Text7)) return false;
    if (state_.inductionOn != kFalse &&
        (!positive(Text12) || !positive(Text13) || !positive(Text14)))
      return false;
    if (state_.extractionOn != kFalse &&
        (!positive(Text15) || !positive(Text16) || !positive(Text17)))
      return false;
    if (!(runtime::shownNumber(Text26) >= 0.0)) return false;
    return positive(Text27) && positive(Text28);
  } catch (const runtime::RuntimeError&) {
    return false;
  }
}

}  // namespace corvasine::steam_turbine
