#pragma once

// The default units dialog of the gas turbine window: one list per quantity,
// shown from gtUnits; "&OK" stores the positions and writes the units file.

#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "shell/unit_lists.h"

namespace corvasine::gas {

// Design layout in twips; list rows are relative to the frame.
namespace gtunits_layout {
inline constexpr int kLabelLeft = 240;
inline constexpr int kLabelWidth = 1455;
inline constexpr int kLabelHeight = 255;
inline constexpr int kListLeft = 1800;
inline constexpr int kListWidth = 1300;
inline constexpr int kListHeight = 315;
inline constexpr runtime::Rect label(int top) {
  return {kLabelLeft, top, kLabelWidth, kLabelHeight};
}
inline constexpr runtime::Rect list(int top) { return {kListLeft, top, kListWidth, kListHeight}; }
}  // namespace gtunits_layout

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

  // One row per default-units slot, in slot order.
  runtime::Label Label1{*this, "Label1", gtunits_layout::label(330), &frm_units, "&Temperature:"};
  runtime::ComboBox cmbtemp{*this, "cmbtemp", gtunits_layout::list(330), &frm_units,
                            shell::kTemperatureUnits.items()};
  runtime::Label Label2{*this, "Label2", gtunits_layout::label(690), &frm_units, "&Pressure:"};
  runtime::ComboBox cmdpress1{*this, "cmdpress1", gtunits_layout::list(690), &frm_units,
                              shell::kPressureUnits.items()};
  runtime::Label Label3{*this, "Label3", gtunits_layout::label(1050), &frm_units, "&Height:"};
  runtime::ComboBox cmdsite{*this, "cmdsite", gtunits_layout::list(1050), &frm_units,
                            shell::kHeightUnits.items()};
  runtime::Label Label4{*this, "Label4", gtunits_layout::label(1410), &frm_units,
                        "&Delta Pressure:"};
  runtime::ComboBox Combo2{*this, "Combo2", gtunits_layout::list(1410), &frm_units,
                           shell::kLowPressureUnits.items()};
  runtime::Label Label5{*this, "Label5", gtunits_layout::label(1770), &frm_units,
                        "Heating &Values:"};
  runtime::ComboBox Combo4{*this, "Combo4", gtunits_layout::list(1770), &frm_units,
                           shell::kHeatingValueUnits.items()};
  runtime::Label Label6{*this, "Label6", gtunits_layout::label(2130), &frm_units, "&Molar flows:"};
  runtime::ComboBox Combo8{*this, "Combo8", gtunits_layout::list(2130), &frm_units,
                           shell::kMolarFlowUnits.items()};
  runtime::Label Label7{*this, "Label7", gtunits_layout::label(2490), &frm_units,
                        "&Low Pressures:"};
  runtime::ComboBox Combo12{*this, "Combo12", gtunits_layout::list(2490), &frm_units,
                            shell::kLowPressureUnits.items()};
  runtime::Label Label8{*this, "Label8", gtunits_layout::label(2850), &frm_units, "Po&wer:"};
  runtime::ComboBox Combo1{*this, "Combo1", gtunits_layout::list(2850), &frm_units,
                           shell::kPowerUnits.items()};
  runtime::Label Label9{*this, "Label9", gtunits_layout::label(3210), &frm_units, "Heat &Rate:"};
  runtime::ComboBox Combo5{*this, "Combo5", gtunits_layout::list(3210), &frm_units,
                           shell::kHeatRateUnits.items()};

  runtime::CommandButton cmd_cancel{
      *this, "cmd_cancel", {240, 3960, 1215, 255}, nullptr, "&Cancel"};
  runtime::CommandButton cmd_ok{*this, "cmd_ok", {1920, 3960, 1215, 255}, nullptr, "&OK"};
};

}  // namespace corvasine::gas
