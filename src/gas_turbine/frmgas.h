#pragma once

// The gas turbine calculator's window: input boxes with their unit lists, the
// evaluate button, the result box and the menus. Headless: the Qt layer draws
// it from its controls.

#include <string>

#include "gas_turbine/gas_evaluation.h"
#include "gas_turbine/gas_input_state.h"
#include "gas_turbine/gas_shared.h"
#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/field_row.h"
#include "runtime/form.h"
#include "runtime/layout.h"
#include "shell/calculator_window.h"
#include "shell/unit_lists.h"

namespace corvasine::gas {

// Design layout, twips: caption, field and unit list of every row of a
// frame; the air frame's seven rows lie closer together.
inline constexpr runtime::RowLayout kRows = shell::kCalculatorRows;
inline constexpr runtime::RowLayout kAirRows = kRows.withStep(345);

// Roles of the rows; New resets every box. A box Evaluate needs, one only
// saved in the case file, one the window computes.
using runtime::LabelRow;
using runtime::ListRow;
using runtime::RowRoles;
// A row whose caption is a check box that switches the box.
using CheckRow = runtime::FieldRow<runtime::Label, runtime::CheckBox>;
constexpr RowRoles needed(int piece, int slot = RowRoles::kNone) {
  return {piece, true, true, slot};
}
constexpr RowRoles saved(int piece, int slot) { return {piece, false, true, slot}; }
constexpr RowRoles shown(int slot = RowRoles::kNone) {
  return {RowRoles::kNone, false, true, slot};
}

// The efficiencies the window starts with and New puts back, %.
inline constexpr const char* kMechanicalLossesDesign = "2";
inline constexpr const char* kGeneratorEfficiencyDesign = "98";

using shell::kHeatingValueUnits;
using shell::kHeightUnits;
using shell::kLowPressureUnits;
using shell::kMolarFlowUnits;
using shell::kPressureUnits;
using shell::kTemperatureUnits;
using shell::kWaterContentUnits;

// Picture of the window, a file of the program folder, 472 × 131 pixels.
inline constexpr const char* kBannerFile = "gas_turbine_banner.png";
// Its design rectangle, twips: clear of every frame, as wide as the right
// column, 4695 × 131 / 472 high, centred in the room above Frame3.
inline constexpr runtime::Rect kBannerRect{5160, 480, 4695, 1305};
using shell::kRightsNotice;  // under the result box and in the result box at load

class frmgas : public shell::CalculatorWindow {
 public:
  explicit frmgas(runtime::Application& app);

  void Form_Load() override;

  // The stored inputs in their base units.
  GasInputState& inputState() { return input_; }
  const GasInputState& inputState() const { return input_; }
  // The record of the last evaluation, zero before the first.
  GasEvaluation& evaluation() { return evaluation_; }
  const GasEvaluation& evaluation() const { return evaluation_; }

  // --- Frames -------------------------------------------------------------
  runtime::Frame Frame1{*this, "Frame1", {240, 720, 4695, 2775}, "Air inlet conditions:"};
  runtime::Frame Frame2{*this, "Frame2", {240, 3480, 4695, 2895}, "Fuel conditions:"};
  runtime::Frame Frame4{*this, "Frame4", {240, 6480, 4695, 1095}, "Efficiencies:"};
  runtime::Frame Frame3{
      *this, "Frame3", {5160, 2280, 4695, 2535}, "Turbine and exhaust conditions:"};

  // The rows lie one declaration each, as a table.
  // clang-format off
  // --- Air inlet conditions -----------------------------------------------
  ListRow Text1{Frame1, kAirRows, 0, "Label1", "Ambient temperature:", "Text1", "cmbtemp",
                kTemperatureUnits.items(), needed(0, kTemperatureSlot)};
  ListRow Text2{Frame1, kAirRows, 1, "Label2", "Site altitude:", "Text2", "cmdsite",
                kHeightUnits.items(), needed(1, kHeightSlot)};
  ListRow Text3{Frame1, kAirRows, 2, "Label3", "Inlet pressure:", "Text3", "cmdpress1",
                kPressureUnits.items(), shown(kPressureSlot)};
  LabelRow Text4{Frame1, kAirRows, 3, "Label4", "Relative humidity:", "Text4", "Label5",
                 "%", needed(2)};
  ListRow Text5{Frame1, kAirRows, 4, "Label6", "Absolute water content:", "Text5", "Combo1",
                kWaterContentUnits.items(), shown()};
  ListRow Text6{Frame1, kAirRows, 5, "Label7", "Inlet system dP:", "Text6", "Combo2",
                kLowPressureUnits.items(), needed(3, kDeltaPressureSlot)};
  ListRow Text7{Frame1, kAirRows, 6, "Label8", "Final inlet pressure:", "Text7", "Combo3",
                kPressureUnits.items(), shown(kPressureSlot)};

  // --- Fuel conditions ----------------------------------------------------
  ListRow Text18{Frame2, kRows, 0, "Label9", "Temperature:", "Text18", "Combo6",
                 kTemperatureUnits.items(), needed(4, kTemperatureSlot)};
  ListRow Text17{Frame2, kRows, 1, "Label10", "Pressure:", "Text17", "Combo7",
                 kPressureUnits.items(), saved(5, kPressureSlot)};
  ListRow Text16{Frame2, kRows, 2, "Label11", "Flow:", "Text16", "Combo8",
                 kMolarFlowUnits.items(), needed(6, kMolarFlowSlot)};
  runtime::CommandButton Command1{*this,
                                  "Command1",
                                  {kRows.fieldLeft, kRows.top(3) - 30, 2175, 345},
                                  &Frame2,
                                  "&Fuel Composition"};
  ListRow Text14{Frame2, kRows, 4, "Label12", "LHV:", "Text14", "Combo4",
                 kHeatingValueUnits.items(), shown(kHeatingValueSlot)};
  ListRow Text13{Frame2, kRows, 5, "Label13", "HHV:", "Text13", "Combo5",
                 kHeatingValueUnits.items(), shown(kHeatingValueSlot)};
  LabelRow Text12{Frame2, kRows, 6, "Label14", "Molecular Weight:", "Text12", "Label16",
                  "-", shown()};
  // Hidden heating values in Btu/scf, written by the fuel composition dialog.
  runtime::TextBox Text8{
      *this, "Text8", {kRows.captionLeft, kRows.top(3), 975, kRows.fieldHeight}, &Frame2};
  runtime::TextBox Text9{
      *this, "Text9", {kRows.captionLeft + 1080, kRows.top(3), 975, kRows.fieldHeight}, &Frame2};

  // --- Efficiencies -------------------------------------------------------
  LabelRow Text26{Frame4, kRows, 0, "Label17", "Mechanical losses:", "Text26", "Label18",
                  "%", needed(7), kMechanicalLossesDesign};
  // The check box switches the generator efficiency on and off.
  CheckRow Text25{Frame4, kRows, 1, "Check1", "Generator efficiency:", "Text25", "Label19",
                  "%", needed(8), kGeneratorEfficiencyDesign};

  // --- Turbine and exhaust conditions -------------------------------------
  ListRow Text10{Frame3, kRows, 0, "Label20", "Temperature:", "Text10", "Combo11",
                 kTemperatureUnits.items(), needed(9, kTemperatureSlot)};
  ListRow Text11{Frame3, kRows, 1, "Label21", "Exhaust pressure loss:", "Text11", "Combo12",
                 kLowPressureUnits.items(), saved(10, kLowPressureSlot)};
  // The balance type is the caption of the O2 target or exhaust flow: a % label
  // in O2 mode, the flow list, made after the label so that it lies over it, in
  // flow mode.
  runtime::ComboBox balancetype{*this,
                                "balancetype",
                                {kRows.captionLeft, kRows.top(2), 2175, kRows.listHeight},
                                &Frame3,
                                {"Exhaust O2", "Exhaust Flow"}};
  runtime::FieldBox Text15{*this, "Text15", kRows.field(2), &Frame3, "", needed(11, kMolarFlowSlot)};
  runtime::Label Label40{*this, "Label40", kRows.unitLabel(2), &Frame3, "%"};
  runtime::ComboBox Combo13{*this, "Combo13", kRows.unitList(2), &Frame3, kMolarFlowUnits.items()};

  runtime::Label Label22{*this,
                         "Label22",
                         {kRows.captionLeft, kRows.top(3), 4455, kRows.fieldHeight},
                         &Frame3,
                         "Axial compressor discharge conditions:"};
  ListRow Text19{Frame3, kRows, 4, "Label23", "Temperature (CDT):", "Text19", "Combo9",
                 kTemperatureUnits.items(), needed(12, kTemperatureSlot)};
  ListRow Text20{Frame3, kRows, 5, "Label24", "Pressure (CDP):", "Text20", "Combo10",
                 kPressureUnits.items(), needed(13, kPressureSlot)};

  // clang-format on

  // The rows' controls under their design names.
  runtime::ComboBox& cmbtemp = Text1.unit;
  runtime::ComboBox& cmdsite = Text2.unit;
  runtime::ComboBox& cmdpress1 = Text3.unit;
  runtime::ComboBox& Combo1 = Text5.unit;
  runtime::ComboBox& Combo2 = Text6.unit;
  runtime::ComboBox& Combo3 = Text7.unit;
  runtime::ComboBox& Combo6 = Text18.unit;
  runtime::ComboBox& Combo7 = Text17.unit;
  runtime::ComboBox& Combo8 = Text16.unit;
  runtime::ComboBox& Combo4 = Text14.unit;
  runtime::ComboBox& Combo5 = Text13.unit;
  runtime::CheckBox& Check1 = Text25.caption;
  runtime::ComboBox& Combo11 = Text10.unit;
  runtime::ComboBox& Combo12 = Text11.unit;
  runtime::ComboBox& Combo9 = Text19.unit;
  runtime::ComboBox& Combo10 = Text20.unit;

  // --- Evaluation and result ----------------------------------------------
  runtime::CommandButton Command2{*this, "Command2", {5160, 5040, 4695, 375}, nullptr, "&Evaluate"};
  runtime::TextBox rich_result{*this,   "rich_result",      {5160, 5520, 4695, 2055},
                               nullptr, "Initializing ...", true};
  runtime::Label Label15{*this, "Label15", {4800, 7560, 5055, 255}, nullptr, kRightsNotice};
  // Never visible: the print shortcut's stand-in button.
  runtime::CommandButton Command3{*this, "Command3", {600, 240, 975, 255}, nullptr, "Command3"};
  // The picture, scaled to keep its shape, fills the room above the turbine
  // frame beside the air frame (472 × 131 pixels shrunk to 4695 twips wide).
  runtime::Picture Image1{*this, "Image1", kBannerRect, nullptr, kBannerFile};

  // --- Handlers: input fields (gas_inputs.cpp) ----------------------------
  void Text1_Change();
  void Text2_Change();
  void Text4_Change();
  void Text6_Change();
  void Text8_Change();
  void Text9_Change();
  void Text10_Change();
  void Text15_Change();
  void Text16_Change();
  void Text18_Change();
  void Text19_Change();
  void Text20_Change();
  void balancetype_Click();
  void Check1_Click();

  // --- Handlers: window, menus and buttons (frmgas.cpp) -------------------
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Label15_Click();
  void m_new_Click() override;
  void m_save_Click() override;
  void m_open_Click() override;
  void exporty_Click();
  void printoo_Click();
  void m_units_Click();

  // A new or opened case has no result yet: the result box as at load, the
  // evaluation record as before the first evaluation.
  void startNewCase();

 private:
  void bindHandlers();
  void setUnitListsFromDefaults();
  // The humidity block that the air-inlet change handlers run at their end.
  void refreshWaterContent();
  // The final inlet pressure from the stored inlet pressure and system dP.
  void refreshFinalInletPress();

  GasInputState input_;
  GasEvaluation evaluation_;
};

}  // namespace corvasine::gas
