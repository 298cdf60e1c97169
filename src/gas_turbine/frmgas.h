#pragma once

// The gas turbine calculator's window: input boxes with their unit lists, the
// evaluate button, the result box and the menus. Headless: the Qt layer draws
// it from its controls.

#include <string>

#include "gas_turbine/gas_evaluation.h"
#include "gas_turbine/gas_input_state.h"
#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/form.h"
#include "runtime/layout.h"
#include "shell/calculator_window.h"
#include "shell/unit_lists.h"

namespace corvasine::gas {

// Design layout, twips: caption, field and unit list of every row of a
// frame; the air frame's seven rows lie closer together.
inline constexpr runtime::RowLayout kRows = shell::kCalculatorRows;
inline constexpr runtime::RowLayout kAirRows = kRows.withStep(345);

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

  // --- Air inlet conditions -----------------------------------------------
  runtime::Label Label1{*this, "Label1", kAirRows.caption(0), &Frame1, "Ambient temperature:"};
  runtime::TextBox Text1{*this, "Text1", kAirRows.field(0), &Frame1};
  runtime::ComboBox cmbtemp{*this, "cmbtemp", kAirRows.unitList(0), &Frame1,
                            shell::temperatureUnitItems()};

  runtime::Label Label2{*this, "Label2", kAirRows.caption(1), &Frame1, "Site altitude:"};
  runtime::TextBox Text2{*this, "Text2", kAirRows.field(1), &Frame1};
  runtime::ComboBox cmdsite{
      *this, "cmdsite", kAirRows.unitList(1), &Frame1, {"ft", "m", "km", "miles"}};

  runtime::Label Label3{*this, "Label3", kAirRows.caption(2), &Frame1, "Inlet pressure:"};
  runtime::TextBox Text3{*this, "Text3", kAirRows.field(2), &Frame1};
  runtime::ComboBox cmdpress1{*this, "cmdpress1", kAirRows.unitList(2), &Frame1,
                              shell::pressureUnitItems()};

  runtime::Label Label4{*this, "Label4", kAirRows.caption(3), &Frame1, "Relative humidity:"};
  runtime::TextBox Text4{*this, "Text4", kAirRows.field(3), &Frame1};
  runtime::Label Label5{*this, "Label5", kAirRows.unitLabel(3), &Frame1, "%"};

  runtime::Label Label6{*this, "Label6", kAirRows.caption(4), &Frame1, "Absolute water content:"};
  runtime::TextBox Text5{*this, "Text5", kAirRows.field(4), &Frame1};
  runtime::ComboBox Combo1{
      *this, "Combo1", kAirRows.unitList(4), &Frame1, {"lb/lb", "g/g", "kg/kg"}};

  runtime::Label Label7{*this, "Label7", kAirRows.caption(5), &Frame1, "Inlet system dP:"};
  runtime::TextBox Text6{*this, "Text6", kAirRows.field(5), &Frame1};
  runtime::ComboBox Combo2{
      *this, "Combo2", kAirRows.unitList(5), &Frame1, {"inWC", "mmWC", "inHg", "mmHg", "psia"}};

  runtime::Label Label8{*this, "Label8", kAirRows.caption(6), &Frame1, "Final inlet pressure:"};
  runtime::TextBox Text7{*this, "Text7", kAirRows.field(6), &Frame1};
  runtime::ComboBox Combo3{*this, "Combo3", kAirRows.unitList(6), &Frame1,
                           shell::pressureUnitItems()};

  // --- Fuel conditions ----------------------------------------------------
  runtime::Label Label9{*this, "Label9", kRows.caption(0), &Frame2, "Temperature:"};
  runtime::TextBox Text18{*this, "Text18", kRows.field(0), &Frame2};
  runtime::ComboBox Combo6{*this, "Combo6", kRows.unitList(0), &Frame2,
                           shell::temperatureUnitItems()};

  runtime::Label Label10{*this, "Label10", kRows.caption(1), &Frame2, "Pressure:"};
  runtime::TextBox Text17{*this, "Text17", kRows.field(1), &Frame2};
  runtime::ComboBox Combo7{*this, "Combo7", kRows.unitList(1), &Frame2, shell::pressureUnitItems()};

  runtime::Label Label11{*this, "Label11", kRows.caption(2), &Frame2, "Flow:"};
  runtime::TextBox Text16{*this, "Text16", kRows.field(2), &Frame2};
  runtime::ComboBox Combo8{
      *this, "Combo8", kRows.unitList(2), &Frame2, {"kscfh", "mmscfd", "lbmol/h", "kgmol/h"}};

  runtime::CommandButton Command1{*this,
                                  "Command1",
                                  {kRows.fieldLeft, kRows.top(3) - 30, 2175, 345},
                                  &Frame2,
                                  "&Fuel Composition"};

  runtime::Label Label12{*this, "Label12", kRows.caption(4), &Frame2, "LHV:"};
  runtime::TextBox Text14{*this, "Text14", kRows.field(4), &Frame2};
  runtime::ComboBox Combo4{
      *this, "Combo4", kRows.unitList(4), &Frame2, {"Btu/scf", "Btu/lb", "kJ/kg", "kCal/kg"}};

  runtime::Label Label13{*this, "Label13", kRows.caption(5), &Frame2, "HHV:"};
  runtime::TextBox Text13{*this, "Text13", kRows.field(5), &Frame2};
  runtime::ComboBox Combo5{
      *this, "Combo5", kRows.unitList(5), &Frame2, {"Btu/scf", "Btu/lb", "kJ/kg", "kCal/kg"}};

  runtime::Label Label14{*this, "Label14", kRows.caption(6), &Frame2, "Molecular Weight:"};
  runtime::TextBox Text12{*this, "Text12", kRows.field(6), &Frame2};
  runtime::Label Label16{*this, "Label16", kRows.unitLabel(6), &Frame2, "-"};

  // Hidden heating values in Btu/scf, written by the fuel composition dialog.
  runtime::TextBox Text8{
      *this, "Text8", {kRows.captionLeft, kRows.top(3), 975, kRows.fieldHeight}, &Frame2};
  runtime::TextBox Text9{
      *this, "Text9", {kRows.captionLeft + 1080, kRows.top(3), 975, kRows.fieldHeight}, &Frame2};

  // --- Efficiencies -------------------------------------------------------
  runtime::Label Label17{*this, "Label17", kRows.caption(0), &Frame4, "Mechanical losses:"};
  runtime::TextBox Text26{*this, "Text26", kRows.field(0), &Frame4, "2"};
  runtime::Label Label18{*this, "Label18", kRows.unitLabel(0), &Frame4, "%"};

  runtime::CheckBox Check1{*this, "Check1", kRows.caption(1), &Frame4, "Generator efficiency:"};
  runtime::TextBox Text25{*this, "Text25", kRows.field(1), &Frame4, "98"};
  runtime::Label Label19{*this, "Label19", kRows.unitLabel(1), &Frame4, "%"};

  // --- Turbine and exhaust conditions -------------------------------------
  runtime::Label Label20{*this, "Label20", kRows.caption(0), &Frame3, "Temperature:"};
  runtime::TextBox Text10{*this, "Text10", kRows.field(0), &Frame3};
  runtime::ComboBox Combo11{*this, "Combo11", kRows.unitList(0), &Frame3,
                            shell::temperatureUnitItems()};

  runtime::Label Label21{*this, "Label21", kRows.caption(1), &Frame3, "Exhaust pressure loss:"};
  runtime::TextBox Text11{*this, "Text11", kRows.field(1), &Frame3};
  runtime::ComboBox Combo12{
      *this, "Combo12", kRows.unitList(1), &Frame3, {"inWC", "mmWC", "inHg", "mmHg", "psia"}};

  runtime::ComboBox balancetype{*this,
                                "balancetype",
                                {kRows.captionLeft, kRows.top(2), 2175, kRows.listHeight},
                                &Frame3,
                                {"Exhaust O2", "Exhaust Flow"}};
  runtime::TextBox Text15{*this, "Text15", kRows.field(2), &Frame3};
  runtime::Label Label40{*this, "Label40", kRows.unitLabel(2), &Frame3, "%"};
  // Made after Label40 so that it lies over it.
  runtime::ComboBox Combo13{
      *this, "Combo13", kRows.unitList(2), &Frame3, {"kscfh", "mmscfd", "lbmol/h", "kgmol/h"}};

  runtime::Label Label22{*this,
                         "Label22",
                         {kRows.captionLeft, kRows.top(3), 4455, kRows.fieldHeight},
                         &Frame3,
                         "Axial compressor discharge conditions:"};

  runtime::Label Label23{*this, "Label23", kRows.caption(4), &Frame3, "Temperature (CDT):"};
  runtime::TextBox Text19{*this, "Text19", kRows.field(4), &Frame3};
  runtime::ComboBox Combo9{*this, "Combo9", kRows.unitList(4), &Frame3,
                           shell::temperatureUnitItems()};

  runtime::Label Label24{*this, "Label24", kRows.caption(5), &Frame3, "Pressure (CDP):"};
  runtime::TextBox Text20{*this, "Text20", kRows.field(5), &Frame3};
  runtime::ComboBox Combo10{*this, "Combo10", kRows.unitList(5), &Frame3,
                            shell::pressureUnitItems()};

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
  void Text3_Change();
  void Text4_Change();
  void Text6_Change();
  void Text8_Change();
  void Text9_Change();
  void Text10_Change();
  void Text11_Change();
  void Text15_Change();
  void Text16_Change();
  void Text17_Change();
  void Text18_Change();
  void Text19_Change();
  void Text20_Change();

  void cmbtemp_Click();
  void cmbtemp_Validate(bool& cancel);
  void cmdsite_Click();
  void cmdsite_Validate(bool& cancel);
  void cmdpress1_Click();
  void cmdpress1_Validate(bool& cancel);
  void Combo1_Click();
  void Combo1_Validate(bool& cancel);
  void Combo2_Click();
  void Combo2_Validate(bool& cancel);
  void Combo3_Click();
  void Combo3_Validate(bool& cancel);
  void Combo4_Click();
  void Combo4_Validate(bool& cancel);
  void Combo5_Click();
  void Combo5_Validate(bool& cancel);
  void Combo6_Click();
  void Combo6_Validate(bool& cancel);
  void Combo7_Click();
  void Combo7_Validate(bool& cancel);
  void Combo8_Click();
  void Combo8_Validate(bool& cancel);
  void Combo9_Click();
  void Combo9_Validate(bool& cancel);
  void Combo10_Click();
  void Combo10_Validate(bool& cancel);
  void Combo11_Click();
  void Combo11_Validate(bool& cancel);
  void Combo12_Click();
  void Combo12_Validate(bool& cancel);
  void Combo13_Click();
  void Combo13_Validate(bool& cancel);
  void balancetype_Click();
  void balancetype_Validate(bool& cancel);
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
  // The first input box, in tab order, that the evaluation depends on (in the
  // current balance mode, with the current generator check) and that does
  // not hold a number; nullptr when every one does.
  runtime::TextBox* firstInputWithoutNumber();
  // A unit list's click: re-run its box's handler, show the window, move the focus.
  void unitListClicked(void (frmgas::*rerun)(), runtime::Control* focusTo);

  GasInputState input_;
  GasEvaluation evaluation_;
};

}  // namespace corvasine::gas
