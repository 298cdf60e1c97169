#pragma once

// The default units dialog of the gas turbine window: one list per quantity,
// shown from gtUnits; "&OK" stores the positions and writes the units file.

#include <array>

#include "gas_turbine/gas_shared.h"
#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "shell/unit_lists.h"

namespace corvasine::gas {

// One quantity of the dialog: its caption and the list of its units, in the
// frame's row of its gtUnits slot.
struct UnitsChoice {
  UnitsChoice(runtime::Frame& frame, int slot, const char* labelName, const char* caption,
              const char* listName, const shell::UnitList& units);
  runtime::Label label;
  runtime::ComboBox list;
};

class frm_gtunits : public runtime::Form {
 public:
  explicit frm_gtunits(runtime::Application& app);

  // Shows gtUnits(0) to gtUnits(8) in the nine lists.
  void Form_Load() override;
  // Stores the positions in gtUnits, writes the units file and closes; when
  // the file cannot be written, warns and stays open.
  void cmd_ok_Click();

  runtime::Frame frm_units{
      *this, "frm_units", {0, 120, 3495, 3735}, "Select default units for gas turbine module:"};

  // One row per gtUnits slot, in slot order.
  std::array<UnitsChoice, 9> choices{{
      {frm_units, kTemperatureSlot, "Label1", "&Temperature:", "cmbtemp", shell::kTemperatureUnits},
      {frm_units, kPressureSlot, "Label2", "&Pressure:", "cmdpress1", shell::kPressureUnits},
      {frm_units, kHeightSlot, "Label3", "&Height:", "cmdsite", shell::kHeightUnits},
      {frm_units, kDeltaPressureSlot, "Label4", "&Delta Pressure:", "Combo2",
       shell::kLowPressureUnits},
      {frm_units, kHeatingValueSlot, "Label5", "Heating &Values:", "Combo4",
       shell::kHeatingValueUnits},
      {frm_units, kMolarFlowSlot, "Label6", "&Molar flows:", "Combo8", shell::kMolarFlowUnits},
      {frm_units, kLowPressureSlot, "Label7", "&Low Pressures:", "Combo12",
       shell::kLowPressureUnits},
      {frm_units, kPowerSlot, "Label8", "Po&wer:", "Combo1", shell::kPowerUnits},
      {frm_units, kHeatRateSlot, "Label9", "Heat &Rate:", "Combo5", shell::kHeatRateUnits},
  }};
  runtime::ComboBox& cmbtemp = choices[kTemperatureSlot].list;
  runtime::ComboBox& cmdpress1 = choices[kPressureSlot].list;
  runtime::ComboBox& cmdsite = choices[kHeightSlot].list;
  runtime::ComboBox& Combo2 = choices[kDeltaPressureSlot].list;
  runtime::ComboBox& Combo4 = choices[kHeatingValueSlot].list;
  runtime::ComboBox& Combo8 = choices[kMolarFlowSlot].list;
  runtime::ComboBox& Combo12 = choices[kLowPressureSlot].list;
  runtime::ComboBox& Combo1 = choices[kPowerSlot].list;
  runtime::ComboBox& Combo5 = choices[kHeatRateSlot].list;

  runtime::CommandButton cmd_cancel{
      *this, "cmd_cancel", {240, 3960, 1215, 255}, nullptr, "&Cancel"};
  runtime::CommandButton cmd_ok{*this, "cmd_ok", {1920, 3960, 1215, 255}, nullptr, "&OK"};
};

}  // namespace corvasine::gas
