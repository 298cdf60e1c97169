#include "steam_turbine/frmstm.h"

#include <algorithm>

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

TemperatureRow::TemperatureRow(runtime::Form& form, runtime::Frame& frame, int row, RowNames names,
                               const char* underLabel, runtime::RowRoles roles)
    : CaptionFirst{{form, names.caption, kStreamRows.caption(row), &frame, "Temperature:"}},
      FieldBox(form, names.box, kStreamRows.field(row), &frame, "", roles),
      underLabel(underLabel == nullptr
                     ? nullptr
                     : std::make_unique<runtime::Label>(
                           form, underLabel, kStreamRows.unitLabel(row), &frame, kFahrenheit)),
      unit(form, names.unit, kStreamRows.unitList(row), &frame, shell::kTemperatureUnits.items()) {
  setUnitList(unit);
}

namespace {

// The exhaust frame has the turbine type above its stream rows.
int firstRow(int group) { return group == kExhaust ? 1 : 0; }

// Rows 0 to 2 (temperature, pressure, flow) are typed, but the exhaust flow,
// and saved: three pieces per group, in group order.
runtime::RowRoles rowRoles(int group, int row) {
  runtime::RowRoles roles;
  roles.newResets = true;
  if (row <= 2) roles.casePiece = 3 * (group - kInlet) + row;
  roles.evaluateNeeds = row < 2 || (row == 2 && group != kExhaust);
  return roles;
}

}  // namespace

StreamRows::StreamRows(runtime::Form& form, runtime::Frame& frame, int group, const Names& n,
                       const char* underLabel)
    : group(group),
      temperature(form, frame, firstRow(group), n[0], underLabel, rowRoles(group, 0)),
      pressure(frame, kStreamRows, firstRow(group) + 1, n[1].caption, "Pressure:", n[1].box,
               n[1].unit, shell::kPressureUnits.items(), rowRoles(group, 1)),
      flow(frame, kStreamRows, firstRow(group) + 2, n[2].caption, "Flow:", n[2].box, n[2].unit,
           shell::kMassFlowUnits.items(), rowRoles(group, 2)),
      saturation(frame, kStreamRows, firstRow(group) + 3, n[3].caption,
                 "Saturation temperature:", n[3].box, n[3].unit, std::string(kFahrenheit),
                 rowRoles(group, 3)),
      superheat(frame, kStreamRows, firstRow(group) + 4, n[4].caption,
                "Degree of superheat:", n[4].box, n[4].unit, std::string(kFahrenheit),
                rowRoles(group, 4)),
      entropy(frame, kStreamRows, firstRow(group) + 5, n[5].caption, "Specific entropy:", n[5].box,
              n[5].unit, shell::kEntropyUnits.items(), rowRoles(group, 5)),
      enthalpy(frame, kStreamRows, firstRow(group) + 6, n[6].caption,
               "Specific enthalpy:", n[6].box, n[6].unit, shell::kEnthalpyUnits.items(),
               rowRoles(group, 6)) {}

std::array<runtime::FieldBox*, 7> StreamRows::boxes() {
  return {&temperature, &pressure, &flow, &saturation, &superheat, &entropy, &enthalpy};
}

std::array<runtime::ComboBox*, 5> StreamRows::unitLists() {
  return {&temperature.unit, &pressure.unit, &flow.unit, &entropy.unit, &enthalpy.unit};
}

frmstm::frmstm(runtime::Application& app) : CalculatorWindow(app, "frmstm", kQuitTitle) {
  setCaption(kCaption);
  setClientSize(kClientWidth, kClientHeight);
  setFixedSize(true);
  // The computed boxes take neither focus nor typing.
  for (runtime::FieldBox* box : runtime::fieldBoxes(*this))
    if (!box->roles().evaluateNeeds) box->setEnabled(false);
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

// A typed box runs its group's field handler, a derived one marks its sign
// (the saturation temperature has no handler); a unit list reruns the
// handler of the box it is read with. The inlet's temperature, pressure,
// entropy and enthalpy lists do so also when they are left.
void frmstm::bindGroup(StreamRows& g) {
  g.temperature.onChange = [this, &g] { temperatureTyped(g); };
  g.pressure.onChange = [this, &g] { pressureTyped(g); };
  if (g.group == kExhaust)
    g.flow.onChange = [this, &g] { markSign(g.flow); };
  else
    g.flow.onChange = [this] { showFlowBalance(); };
  for (runtime::TextBox* box :
       std::array<runtime::TextBox*, 3>{&g.superheat, &g.entropy, &g.enthalpy})
    box->onChange = [this, box] { markSign(*box); };

  g.temperature.unit.onClick = [this, &g] { temperatureUnitPicked(g); };
  g.flow.unit.onClick = [this, &g] { flowUnitPicked(g); };
  for (runtime::ComboBox* list : {&g.pressure.unit, &g.entropy.unit, &g.enthalpy.unit})
    list->onClick = [this, &g] { pressureUnitPicked(g); };
  if (g.group != kInlet) return;
  for (runtime::ComboBox* list :
       {&g.temperature.unit, &g.pressure.unit, &g.entropy.unit, &g.enthalpy.unit})
    list->onValidate = [list](bool&) { list->onClick(); };
}

void frmstm::bindHandlers() {
  using runtime::bindClick;
  for (StreamRows* g : {&inlet, &induction, &extraction, &exhaust}) bindGroup(*g);
  bindClick(Check1, this, &frmstm::Check1_Click);
  bindClick(Check2, this, &frmstm::Check2_Click);
  runtime::bindList(Combo1, this, &frmstm::Combo1_Click, &frmstm::Combo1_Validate);
  bindClick(inlet.superheat.unit, this, &frmstm::Label8_Click);
  bindClick(inlet.saturation.unit, this, &frmstm::Label9_Click);
  bindClick(induction.saturation.unit, this, &frmstm::Label10_Click);
  bindClick(exhaust.superheat.unit, this, &frmstm::Label22_Click);
  bindClick(*exhaust.temperature.underLabel, this, &frmstm::Label50_Click);
  // Label50 shows only while the exhaust row holds a vapour fraction, when it
  // opens nothing: it is no link.
  for (runtime::Label* link : {&inlet.superheat.unit, &inlet.saturation.unit,
                               &induction.saturation.unit, &exhaust.superheat.unit})
    link->setLink(true);
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

// The lists are numbered forward through the inlet group and backward
// through each of the others.
std::array<runtime::ComboBox*, kUnitLists> frmstm::unitLists() {
  std::array<runtime::ComboBox*, kUnitLists> lists{};
  std::size_t k = 0;
  for (StreamRows* g : {&inlet, &induction, &extraction, &exhaust}) {
    const auto own = g->unitLists();
    for (std::size_t r = 0; r < own.size(); ++r)
      lists[k + (g == &inlet ? r : own.size() - 1 - r)] = own[r];
    k += own.size();
  }
  return lists;
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
  if (changed) showFlowBalance();
}

void frmstm::Check2_Click() {
  const bool on = Check2.value() == 1;
  const bool changed = (state_.extractionOn != kFalse) != on;
  Frame3.setEnabled(on);
  state_.extractionOn = on ? kTrue : kFalse;
  if (changed) showFlowBalance();
}

void frmstm::Combo1_Validate(bool&) {
  const bool backPressure = turbineType() == 0;
  exhaust.temperature.caption.setCaption(backPressure ? kBackPressureCaption : kCondensingCaption);
  exhaust.temperature.underLabel->setCaption(backPressure ? kFahrenheit : kPercentUnit);
}

void frmstm::Combo1_Click() {
  bool cancel = false;
  Combo1_Validate(cancel);
  exhaust.temperature.unit.setVisible(turbineType() == 0);
  exhaust.temperature.setText("");
}

// The saturation and superheat boxes are written in the temperature list's
// unit, so their unit labels follow it.
void frmstm::temperatureUnitPicked(StreamRows& g) {
  temperatureTyped(g);
  g.saturation.unit.setCaption(temperatureUnitName(g.temperature.unit));
  g.superheat.unit.setCaption(temperatureUnitName(g.temperature.unit));
  focusIfPossible(g.temperature);
}

// A new pressure unit, and a new entropy or enthalpy unit, which shows at
// once: the group's state is recomputed from its pressure on.
void frmstm::pressureUnitPicked(StreamRows& g) {
  pressureTyped(g);
  focusIfPossible(g.pressure);
}

// A flow list reruns the balance. The exhaust flow is derived: its list moves
// the focus to the inlet flow.
void frmstm::flowUnitPicked(StreamRows& g) {
  showFlowBalance();
  focusIfPossible(g.group == kExhaust ? inlet.flow : g.flow);
}

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
  openConverter<shell::frmtemp1>(application(), &shell::Vari::tempTarget, inlet.temperature,
                                 inlet.temperature.unit, shell::temperatureFromF);
}
void frmstm::Label8_Click() {
  openConverter<shell::frmpress>(application(), &shell::Vari::pressTarget, inlet.pressure,
                                 inlet.pressure.unit, shell::pressureFromPsia);
}
void frmstm::Label10_Click() {
  openConverter<shell::frmMass>(application(), &shell::Vari::massTarget, inlet.flow,
                                inlet.flow.unit, kpphToFlow);
}
void frmstm::Label22_Click() {
  openConverter<shell::frmtemp1>(application(), &shell::Vari::tempTarget, induction.temperature,
                                 induction.temperature.unit, shell::temperatureFromF);
}
// While the exhaust row holds a vapour fraction no temperature belongs there.
void frmstm::Label50_Click() {
  if (turbineType() != 0) return;
  openConverter<shell::frmtemp1>(application(), &shell::Vari::tempTarget, exhaust.temperature,
                                 exhaust.temperature.unit, shell::temperatureFromF);
}

void frmstm::Label58_Click() { openHomePage(); }

// New asks nothing: it empties every box (each runs its handler), sets the
// turbine type back, unticks both streams and starts the result box afresh;
// the lists and the stream record's last values stay.
void frmstm::m_new_Click() {
  runtime::resetFieldBoxes(*this);
  Combo1.setListIndex(0);
  Check1.setValue(0);
  Check2.setValue(0);
  results.setText(kResultsAtLoad);
}

void frmstm::m_save_Click() { saveSteamCase(*this); }
void frmstm::m_open_Click() { openSteamCase(*this); }

bool frmstm::typedBoxesHoldNumbers() {
  for (StreamRows* g : {&inlet, &induction, &extraction, &exhaust}) {
    if (g == &induction && state_.inductionOn == kFalse) continue;
    if (g == &extraction && state_.extractionOn == kFalse) continue;
    for (const runtime::FieldBox* box : g->boxes())
      if (box->roles().evaluateNeeds && !runtime::holdsNumber(*box)) return false;
  }
  return true;
}

// The derived values must be those of superheated inlet, induction and
// extraction steam and of a real exhaust state.
bool frmstm::CheckValues() {
  try {
    const auto positive = [](const runtime::TextBox& box) {
      return runtime::shownNumber(box) > 0.0;
    };
    if (!positive(inlet.superheat) || !positive(inlet.entropy) || !positive(inlet.enthalpy))
      return false;
    if (state_.inductionOn != kFalse &&
        (!positive(induction.superheat) || !positive(induction.entropy) ||
         !positive(induction.enthalpy)))
      return false;
    if (state_.extractionOn != kFalse &&
        (!positive(extraction.enthalpy) || !positive(extraction.entropy) ||
         !positive(extraction.superheat)))
      return false;
    if (!(runtime::shownNumber(exhaust.superheat) >= 0.0)) return false;
    return positive(exhaust.entropy) && positive(exhaust.enthalpy);
  } catch (const runtime::RuntimeError&) {
    return false;
  }
}

}  // namespace corvasine::steam_turbine
