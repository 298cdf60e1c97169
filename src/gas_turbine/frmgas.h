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

namespace corvasine::gas {

// Design layout, twips. Inside a frame every row has its caption at
// kCaptionLeft, its field at kFieldLeft and its unit list at kUnitLeft.
inline constexpr int kCaptionLeft = 120;
inline constexpr int kCaptionWidth = 2175;
inline constexpr int kFieldLeft = 2400;
inline constexpr int kFieldWidth = 1095;
inline constexpr int kFieldHeight = 285;
inline constexpr int kUnitLeft = 3600;
inline constexpr int kUnitWidth = 975;
inline constexpr int kUnitHeight = 315;
inline constexpr int kFirstRowTop = 300;
inline constexpr int kRowStepAir = 345;  // seven rows in the air frame
inline constexpr int kRowStep = 360;

// Row tops in the frames.
constexpr int airRowTop(int row) { return kFirstRowTop + row * kRowStepAir; }
constexpr int rowTop(int n) { return kFirstRowTop + n * kRowStep; }

// Picture of the window, a file of the program folder, 472 × 131 pixels.
inline constexpr const char* kBannerFile = "gas_turbine_banner.png";
// Rights notice under the result box and in the result box at load.
inline constexpr const char* kRightsNotice = "Copyright © Brennovask. All rights reserved.";

class frmgas : public runtime::Form {
 public:
  explicit frmgas(runtime::Application& app);

  void Form_Load() override;
  void Form_Unload(int& cancel) override;

  // The stored inputs in their base units.
  GasInputState& inputState() { return input_; }
  const GasInputState& inputState() const { return input_; }
  // The help file that Help shows, set at load.
  const std::string& helpFile() const { return helpFile_; }
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
  runtime::Label Label1{*this,
                        "Label1",
                        {kCaptionLeft, airRowTop(0), kCaptionWidth, kFieldHeight},
                        &Frame1,
                        "Ambient temperature:"};
  runtime::TextBox Text1{
      *this, "Text1", {kFieldLeft, airRowTop(0), kFieldWidth, kFieldHeight}, &Frame1};
  runtime::ComboBox cmbtemp{
      *this, "cmbtemp", {kUnitLeft, airRowTop(0), kUnitWidth, kUnitHeight}, &Frame1, {"°F", "°C"}};

  runtime::Label Label2{*this,
                        "Label2",
                        {kCaptionLeft, airRowTop(1), kCaptionWidth, kFieldHeight},
                        &Frame1,
                        "Site altitude:"};
  runtime::TextBox Text2{
      *this, "Text2", {kFieldLeft, airRowTop(1), kFieldWidth, kFieldHeight}, &Frame1};
  runtime::ComboBox cmdsite{*this,
                            "cmdsite",
                            {kUnitLeft, airRowTop(1), kUnitWidth, kUnitHeight},
                            &Frame1,
                            {"ft", "m", "km", "miles"}};

  runtime::Label Label3{*this,
                        "Label3",
                        {kCaptionLeft, airRowTop(2), kCaptionWidth, kFieldHeight},
                        &Frame1,
                        "Inlet pressure:"};
  runtime::TextBox Text3{
      *this, "Text3", {kFieldLeft, airRowTop(2), kFieldWidth, kFieldHeight}, &Frame1};
  runtime::ComboBox cmdpress1{*this,
                              "cmdpress1",
                              {kUnitLeft, airRowTop(2), kUnitWidth, kUnitHeight},
                              &Frame1,
                              {"psia", "atm", "bar", "kg/cm2"}};

  runtime::Label Label4{*this,
                        "Label4",
                        {kCaptionLeft, airRowTop(3), kCaptionWidth, kFieldHeight},
                        &Frame1,
                        "Relative humidity:"};
  runtime::TextBox Text4{
      *this, "Text4", {kFieldLeft, airRowTop(3), kFieldWidth, kFieldHeight}, &Frame1};
  runtime::Label Label5{
      *this, "Label5", {kUnitLeft, airRowTop(3), kUnitWidth, kFieldHeight}, &Frame1, "%"};

  runtime::Label Label6{*this,
                        "Label6",
                        {kCaptionLeft, airRowTop(4), kCaptionWidth, kFieldHeight},
                        &Frame1,
                        "Absolute water content:"};
  runtime::TextBox Text5{
      *this, "Text5", {kFieldLeft, airRowTop(4), kFieldWidth, kFieldHeight}, &Frame1};
  runtime::ComboBox Combo1{*this,
                           "Combo1",
                           {kUnitLeft, airRowTop(4), kUnitWidth, kUnitHeight},
                           &Frame1,
                           {"lb/lb", "g/g", "kg/kg"}};

  runtime::Label Label7{*this,
                        "Label7",
                        {kCaptionLeft, airRowTop(5), kCaptionWidth, kFieldHeight},
                        &Frame1,
                        "Inlet system dP:"};
  runtime::TextBox Text6{
      *this, "Text6", {kFieldLeft, airRowTop(5), kFieldWidth, kFieldHeight}, &Frame1};
  runtime::ComboBox Combo2{*this,
                           "Combo2",
                           {kUnitLeft, airRowTop(5), kUnitWidth, kUnitHeight},
                           &Frame1,
                           {"inWC", "mmWC", "inHg", "mmHg", "psia"}};

  runtime::Label Label8{*this,
                        "Label8",
                        {kCaptionLeft, airRowTop(6), kCaptionWidth, kFieldHeight},
                        &Frame1,
                        "Final inlet pressure:"};
  runtime::TextBox Text7{
      *this, "Text7", {kFieldLeft, airRowTop(6), kFieldWidth, kFieldHeight}, &Frame1};
  runtime::ComboBox Combo3{*this,
                           "Combo3",
                           {kUnitLeft, airRowTop(6), kUnitWidth, kUnitHeight},
                           &Frame1,
                           {"psia", "atm", "bar", "kg/cm2"}};

  // --- Fuel conditions ----------------------------------------------------
  runtime::Label Label9{*this,
                        "Label9",
                        {kCaptionLeft, rowTop(0), kCaptionWidth, kFieldHeight},
                        &Frame2,
                        "Temperature:"};
  runtime::TextBox Text18{
      *this, "Text18", {kFieldLeft, rowTop(0), kFieldWidth, kFieldHeight}, &Frame2};
  runtime::ComboBox Combo6{
      *this, "Combo6", {kUnitLeft, rowTop(0), kUnitWidth, kUnitHeight}, &Frame2, {"°F", "°C"}};

  runtime::Label Label10{*this,
                         "Label10",
                         {kCaptionLeft, rowTop(1), kCaptionWidth, kFieldHeight},
                         &Frame2,
                         "Pressure:"};
  runtime::TextBox Text17{
      *this, "Text17", {kFieldLeft, rowTop(1), kFieldWidth, kFieldHeight}, &Frame2};
  runtime::ComboBox Combo7{*this,
                           "Combo7",
                           {kUnitLeft, rowTop(1), kUnitWidth, kUnitHeight},
                           &Frame2,
                           {"psia", "atm", "bar", "kg/cm2"}};

  runtime::Label Label11{
      *this, "Label11", {kCaptionLeft, rowTop(2), kCaptionWidth, kFieldHeight}, &Frame2, "Flow:"};
  runtime::TextBox Text16{
      *this, "Text16", {kFieldLeft, rowTop(2), kFieldWidth, kFieldHeight}, &Frame2};
  runtime::ComboBox Combo8{*this,
                           "Combo8",
                           {kUnitLeft, rowTop(2), kUnitWidth, kUnitHeight},
                           &Frame2,
                           {"kscfh", "mmscfd", "lbmol/h", "kgmol/h"}};

  runtime::CommandButton Command1{
      *this, "Command1", {kFieldLeft, rowTop(3) - 30, 2175, 345}, &Frame2, "&Fuel Composition"};

  runtime::Label Label12{
      *this, "Label12", {kCaptionLeft, rowTop(4), kCaptionWidth, kFieldHeight}, &Frame2, "LHV:"};
  runtime::TextBox Text14{
      *this, "Text14", {kFieldLeft, rowTop(4), kFieldWidth, kFieldHeight}, &Frame2};
  runtime::ComboBox Combo4{*this,
                           "Combo4",
                           {kUnitLeft, rowTop(4), kUnitWidth, kUnitHeight},
                           &Frame2,
                           {"Btu/scf", "Btu/lb", "kJ/kg", "kCal/kg"}};

  runtime::Label Label13{
      *this, "Label13", {kCaptionLeft, rowTop(5), kCaptionWidth, kFieldHeight}, &Frame2, "HHV:"};
  runtime::TextBox Text13{
      *this, "Text13", {kFieldLeft, rowTop(5), kFieldWidth, kFieldHeight}, &Frame2};
  runtime::ComboBox Combo5{*this,
                           "Combo5",
                           {kUnitLeft, rowTop(5), kUnitWidth, kUnitHeight},
                           &Frame2,
                           {"Btu/scf", "Btu/lb", "kJ/kg", "kCal/kg"}};

  runtime::Label Label14{*this,
                         "Label14",
                         {kCaptionLeft, rowTop(6), kCaptionWidth, kFieldHeight},
                         &Frame2,
                         "Molecular Weight:"};
  runtime::TextBox Text12{
      *this, "Text12", {kFieldLeft, rowTop(6), kFieldWidth, kFieldHeight}, &Frame2};
  runtime::Label Label16{
      *this, "Label16", {kUnitLeft, rowTop(6), kUnitWidth, kFieldHeight}, &Frame2, "-"};

  // Hidden heating values in Btu/scf, written by the fuel composition dialog.
  runtime::TextBox Text8{*this, "Text8", {kCaptionLeft, rowTop(3), 975, kFieldHeight}, &Frame2};
  runtime::TextBox Text9{
      *this, "Text9", {kCaptionLeft + 1080, rowTop(3), 975, kFieldHeight}, &Frame2};

  // --- Efficiencies -------------------------------------------------------
  runtime::Label Label17{*this,
                         "Label17",
                         {kCaptionLeft, rowTop(0), kCaptionWidth, kFieldHeight},
                         &Frame4,
                         "Mechanical losses:"};
  runtime::TextBox Text26{
      *this, "Text26", {kFieldLeft, rowTop(0), kFieldWidth, kFieldHeight}, &Frame4, "2"};
  runtime::Label Label18{
      *this, "Label18", {kUnitLeft, rowTop(0), kUnitWidth, kFieldHeight}, &Frame4, "%"};

  runtime::CheckBox Check1{*this,
                           "Check1",
                           {kCaptionLeft, rowTop(1), kCaptionWidth, kFieldHeight},
                           &Frame4,
                           "Generator efficiency:"};
  runtime::TextBox Text25{
      *this, "Text25", {kFieldLeft, rowTop(1), kFieldWidth, kFieldHeight}, &Frame4, "98"};
  runtime::Label Label19{
      *this, "Label19", {kUnitLeft, rowTop(1), kUnitWidth, kFieldHeight}, &Frame4, "%"};

  // --- Turbine and exhaust conditions -------------------------------------
  runtime::Label Label20{*this,
                         "Label20",
                         {kCaptionLeft, rowTop(0), kCaptionWidth, kFieldHeight},
                         &Frame3,
                         "Temperature:"};
  runtime::TextBox Text10{
      *this, "Text10", {kFieldLeft, rowTop(0), kFieldWidth, kFieldHeight}, &Frame3};
  runtime::ComboBox Combo11{
      *this, "Combo11", {kUnitLeft, rowTop(0), kUnitWidth, kUnitHeight}, &Frame3, {"°F", "°C"}};

  runtime::Label Label21{*this,
                         "Label21",
                         {kCaptionLeft, rowTop(1), kCaptionWidth, kFieldHeight},
                         &Frame3,
                         "Exhaust pressure loss:"};
  runtime::TextBox Text11{
      *this, "Text11", {kFieldLeft, rowTop(1), kFieldWidth, kFieldHeight}, &Frame3};
  runtime::ComboBox Combo12{*this,
                            "Combo12",
                            {kUnitLeft, rowTop(1), kUnitWidth, kUnitHeight},
                            &Frame3,
                            {"inWC", "mmWC", "inHg", "mmHg", "psia"}};

  runtime::ComboBox balancetype{*this,
                                "balancetype",
                                {kCaptionLeft, rowTop(2), 2175, kUnitHeight},
                                &Frame3,
                                {"Exhaust O2", "Exhaust Flow"}};
  runtime::TextBox Text15{
      *this, "Text15", {kFieldLeft, rowTop(2), kFieldWidth, kFieldHeight}, &Frame3};
  runtime::Label Label40{
      *this, "Label40", {kUnitLeft, rowTop(2), kUnitWidth, kFieldHeight}, &Frame3, "%"};
  // Made after Label40 so that it lies over it.
  runtime::ComboBox Combo13{*this,
                            "Combo13",
                            {kUnitLeft, rowTop(2), kUnitWidth, kUnitHeight},
                            &Frame3,
                            {"kscfh", "mmscfd", "lbmol/h", "kgmol/h"}};

  runtime::Label Label22{*this,
                         "Label22",
                         {kCaptionLeft, rowTop(3), 4455, kFieldHeight},
                         &Frame3,
                         "Axial compressor discharge conditions:"};

  runtime::Label Label23{*this,
                         "Label23",
                         {kCaptionLeft, rowTop(4), kCaptionWidth, kFieldHeight},
                         &Frame3,
                         "Temperature (CDT):"};
  runtime::TextBox Text19{
      *this, "Text19", {kFieldLeft, rowTop(4), kFieldWidth, kFieldHeight}, &Frame3};
  runtime::ComboBox Combo9{
      *this, "Combo9", {kUnitLeft, rowTop(4), kUnitWidth, kUnitHeight}, &Frame3, {"°F", "°C"}};

  runtime::Label Label24{*this,
                         "Label24",
                         {kCaptionLeft, rowTop(5), kCaptionWidth, kFieldHeight},
                         &Frame3,
                         "Pressure (CDP):"};
  runtime::TextBox Text20{
      *this, "Text20", {kFieldLeft, rowTop(5), kFieldWidth, kFieldHeight}, &Frame3};
  runtime::ComboBox Combo10{*this,
                            "Combo10",
                            {kUnitLeft, rowTop(5), kUnitWidth, kUnitHeight},
                            &Frame3,
                            {"psia", "atm", "bar", "kg/cm2"}};

  // --- Evaluation and result ----------------------------------------------
  runtime::CommandButton Command2{*this, "Command2", {5160, 5040, 4695, 375}, nullptr, "&Evaluate"};
  runtime::TextBox rich_result{*this,   "rich_result",      {5160, 5520, 4695, 2055},
                               nullptr, "Initializing ...", true};
  runtime::Label Label15{*this, "Label15", {4800, 7560, 5055, 255}, nullptr, kRightsNotice};
  // Never visible: the print shortcut's stand-in button.
  runtime::CommandButton Command3{*this, "Command3", {600, 240, 975, 255}, nullptr, "Command3"};
  runtime::Picture Image1{*this, "Image1", {2880, 120, 472 * 15, 131 * 15}, nullptr, kBannerFile};

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
  void m_new_Click();
  void m_save_Click();
  void m_open_Click();
  void exporty_Click();
  void printoo_Click();
  void m_exit_Click();
  void m_copy_Click();
  void m_cut_Click();
  void m_paste_Click();
  void m_units_Click();
  void m_help_Click();
  void m_about_Click();

 private:
  void bindHandlers();
  void buildMenus();
  void setUnitListsFromDefaults();
  // The humidity block that the air-inlet change handlers run at their end.
  void refreshWaterContent();
  // A unit list's click: re-run its box's handler, show the window, move the focus.
  void unitListClicked(void (frmgas::*rerun)(), runtime::Control* focusTo);
  // A unit list's validate; re-entry from its own focus move is ignored.
  runtime::TextBox* activeTextBox() const;

  GasInputState input_;
  GasEvaluation evaluation_;
  std::string helpFile_;  // set at load: corvasine.hlp in the program folder
};

}  // namespace corvasine::gas
