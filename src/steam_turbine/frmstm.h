#pragma once

// The steam turbine calculator's window: four stream groups (inlet,
// induction, extraction, exhaust) whose derived properties follow every
// typed value, the turbine type, the evaluate button, the result box and the
// menus. Headless: the Qt layer draws it from its controls.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>

#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/layout.h"
#include "shell/calculator_window.h"
#include "shell/unit_lists.h"
#include "steam_turbine/steam_evaluation.h"
#include "steam_turbine/steam_units.h"
#include "steam_turbine/stream_state.h"

namespace corvasine::steam_turbine {

// Design layout, twips: the stream frames' rows lie closer together, with
// wider fields and the unit labels a little right of the lists.
inline constexpr runtime::RowLayout kStreamRows =
    shell::kCalculatorRows.withStep(345).withFieldWidth(1215).withUnitLabelLeft(3705);

// The exhaust frame has the turbine type above its stream rows.
inline constexpr int kExhaustRow = 1;

// Picture of the window, a file of the program folder, 293 × 131 pixels.
inline constexpr const char* kSteamBannerFile = "steam_turbine_banner.png";
inline constexpr const char* kEvaluateCaption = "Evaluate Performance";
inline constexpr const char* kSearchingCaption = "Please wait ...";
inline constexpr const char* kResultsAtLoad = "All results will be based on ASME Steam corelations";

// The boxes and lists of one stream group, as the field handlers use them.
struct StreamBoxes {
  int group;
  runtime::TextBox* temperature;
  runtime::ComboBox* temperatureUnit;
  runtime::TextBox* pressure;
  runtime::ComboBox* pressureUnit;
  runtime::TextBox* saturation;
  runtime::Label* saturationUnit;
  runtime::TextBox* superheat;
  runtime::Label* superheatUnit;
  runtime::TextBox* entropy;
  runtime::ComboBox* entropyUnit;
  runtime::TextBox* enthalpy;
  runtime::ComboBox* enthalpyUnit;
};

// The unit lists of the window, Combo2 to Combo21: the load step sets them in
// this order, and the case file keeps their positions in it.
inline constexpr std::size_t kUnitLists = 20;
using UnitPositions = std::array<int, kUnitLists>;

class frmstm : public shell::CalculatorWindow {
 public:
  explicit frmstm(runtime::Application& app);

  void Form_Load() override;

  StreamState& streamState() { return state_; }
  const StreamState& streamState() const { return state_; }
  // The turbine type: the position of Combo1, 0 Back Pressure, 1 Condensing.
  int turbineType() const { return Combo1.listIndex(); }

  // Combo2 to Combo21, in order.
  std::array<runtime::ComboBox*, kUnitLists> unitLists();
  // Sets every unit list, each running its handler, without moving the focus
  // (the window is loading or opening a case, not being used).
  void setUnitLists(const UnitPositions& positions);

  // --- Picture ------------------------------------------------------------
  runtime::Picture Image1{*this, "Image1", {360, 120, 4395, 1965}, nullptr, kSteamBannerFile};

  // --- Inlet (left, under the picture) -------------------------------------
  runtime::Frame Frame1{*this, "Frame1", {240, 2280, 4800, 2775}, "Inlet conditions:"};
  runtime::Label Label1{*this, "Label1", kStreamRows.caption(0), &Frame1, "Temperature:"};
  runtime::TextBox Text1{*this, "Text1", kStreamRows.field(0), &Frame1};
  runtime::ComboBox Combo2{*this, "Combo2", kStreamRows.unitList(0), &Frame1,
                           shell::temperatureUnitItems()};
  runtime::Label Label2{*this, "Label2", kStreamRows.caption(1), &Frame1, "Pressure:"};
  runtime::TextBox Text2{*this, "Text2", kStreamRows.field(1), &Frame1};
  runtime::ComboBox Combo3{*this, "Combo3", kStreamRows.unitList(1), &Frame1,
                           shell::pressureUnitItems()};
  runtime::Label Label3{*this, "Label3", kStreamRows.caption(2), &Frame1, "Flow:"};
  runtime::TextBox Text3{*this, "Text3", kStreamRows.field(2), &Frame1};
  runtime::ComboBox Combo4{*this, "Combo4", kStreamRows.unitList(2), &Frame1, flowUnitItems()};
  runtime::Label Label4{*this, "Label4", kStreamRows.caption(3), &Frame1,
                        "Saturation temperature:"};
  runtime::TextBox Text4{*this, "Text4", kStreamRows.field(3), &Frame1};
  runtime::Label Label9{*this, "Label9", kStreamRows.unitLabel(3), &Frame1, "°F"};
  runtime::Label Label5{*this, "Label5", kStreamRows.caption(4), &Frame1, "Degree of superheat:"};
  runtime::TextBox Text5{*this, "Text5", kStreamRows.field(4), &Frame1};
  runtime::Label Label8{*this, "Label8", kStreamRows.unitLabel(4), &Frame1, "°F"};
  runtime::Label Label6{*this, "Label6", kStreamRows.caption(5), &Frame1, "Specific entropy:"};
  runtime::TextBox Text6{*this, "Text6", kStreamRows.field(5), &Frame1};
  runtime::ComboBox Combo5{*this, "Combo5", kStreamRows.unitList(5), &Frame1, entropyUnitItems()};
  runtime::Label Label7{*this, "Label7", kStreamRows.caption(6), &Frame1, "Specific enthalpy:"};
  runtime::TextBox Text7{*this, "Text7", kStreamRows.field(6), &Frame1};
  runtime::ComboBox Combo6{*this, "Combo6", kStreamRows.unitList(6), &Frame1, enthalpyUnitItems()};

  // --- Induction (left, bottom) --------------------------------------------
  runtime::Frame Frame2{*this, "Frame2", {240, 5160, 4800, 2775}, ""};
  runtime::Label Label15{*this, "Label15", kStreamRows.caption(0), &Frame2, "Temperature:"};
  runtime::TextBox Text8{*this, "Text8", kStreamRows.field(0), &Frame2};
  runtime::ComboBox Combo11{*this, "Combo11", kStreamRows.unitList(0), &Frame2,
                            shell::temperatureUnitItems()};
  runtime::Label Label16{*this, "Label16", kStreamRows.caption(1), &Frame2, "Pressure:"};
  runtime::TextBox Text9{*this, "Text9", kStreamRows.field(1), &Frame2};
  runtime::ComboBox Combo10{*this, "Combo10", kStreamRows.unitList(1), &Frame2,
                            shell::pressureUnitItems()};
  runtime::Label Label17{*this, "Label17", kStreamRows.caption(2), &Frame2, "Flow:"};
  runtime::TextBox Text10{*this, "Text10", kStreamRows.field(2), &Frame2};
  runtime::ComboBox Combo9{*this, "Combo9", kStreamRows.unitList(2), &Frame2, flowUnitItems()};
  runtime::Label Label18{*this, "Label18", kStreamRows.caption(3), &Frame2,
                         "Saturation temperature:"};
  runtime::TextBox Text11{*this, "Text11", kStreamRows.field(3), &Frame2};
  runtime::Label Label10{*this, "Label10", kStreamRows.unitLabel(3), &Frame2, "°F"};
  runtime::Label Label19{*this, "Label19", kStreamRows.caption(4), &Frame2, "Degree of superheat:"};
  runtime::TextBox Text12{*this, "Text12", kStreamRows.field(4), &Frame2};
  runtime::Label Label11{*this, "Label11", kStreamRows.unitLabel(4), &Frame2, "°F"};
  runtime::Label Label20{*this, "Label20", kStreamRows.caption(5), &Frame2, "Specific entropy:"};
  runtime::TextBox Text13{*this, "Text13", kStreamRows.field(5), &Frame2};
  runtime::ComboBox Combo8{*this, "Combo8", kStreamRows.unitList(5), &Frame2, entropyUnitItems()};
  runtime::Label Label21{*this, "Label21", kStreamRows.caption(6), &Frame2, "Specific enthalpy:"};
  runtime::TextBox Text14{*this, "Text14", kStreamRows.field(6), &Frame2};
  runtime::ComboBox Combo7{*this, "Combo7", kStreamRows.unitList(6), &Frame2, enthalpyUnitItems()};

  // On the frame's top edge, made after the frame so that it lies over it.
  runtime::CheckBox Check1{*this, "Check1", {360, 5160, 1935, 270}, nullptr, "Induction steam:"};

  // --- Extraction (right, top) ---------------------------------------------
  runtime::Frame Frame3{*this, "Frame3", {5280, 120, 4800, 2775}, ""};
  runtime::Label Label42{*this, "Label42", kStreamRows.caption(0), &Frame3, "Temperature:"};
  runtime::TextBox Text21{*this, "Text21", kStreamRows.field(0), &Frame3};
  runtime::ComboBox Combo16{*this, "Combo16", kStreamRows.unitList(0), &Frame3,
                            shell::temperatureUnitItems()};
  runtime::Label Label41{*this, "Label41", kStreamRows.caption(1), &Frame3, "Pressure:"};
  runtime::TextBox Text20{*this, "Text20", kStreamRows.field(1), &Frame3};
  runtime::ComboBox Combo15{*this, "Combo15", kStreamRows.unitList(1), &Frame3,
                            shell::pressureUnitItems()};
  runtime::Label Label40{*this, "Label40", kStreamRows.caption(2), &Frame3, "Flow:"};
  runtime::TextBox Text19{*this, "Text19", kStreamRows.field(2), &Frame3};
  runtime::ComboBox Combo14{*this, "Combo14", kStreamRows.unitList(2), &Frame3, flowUnitItems()};
  runtime::Label Label39{*this, "Label39", kStreamRows.caption(3), &Frame3,
                         "Saturation temperature:"};
  runtime::TextBox Text18{*this, "Text18", kStreamRows.field(3), &Frame3};
  runtime::Label Label12{*this, "Label12", kStreamRows.unitLabel(3), &Frame3, "°F"};
  runtime::Label Label38{*this, "Label38", kStreamRows.caption(4), &Frame3, "Degree of superheat:"};
  runtime::TextBox Text17{*this, "Text17", kStreamRows.field(4), &Frame3};
  runtime::Label Label13{*this, "Label13", kStreamRows.unitLabel(4), &Frame3, "°F"};
  runtime::Label Label37{*this, "Label37", kStreamRows.caption(5), &Frame3, "Specific entropy:"};
  runtime::TextBox Text16{*this, "Text16", kStreamRows.field(5), &Frame3};
  runtime::ComboBox Combo13{*this, "Combo13", kStreamRows.unitList(5), &Frame3, entropyUnitItems()};
  runtime::Label Label36{*this, "Label36", kStreamRows.caption(6), &Frame3, "Specific enthalpy:"};
  runtime::TextBox Text15{*this, "Text15", kStreamRows.field(6), &Frame3};
  runtime::ComboBox Combo12{*this, "Combo12", kStreamRows.unitList(6), &Frame3,
                            enthalpyUnitItems()};

  // On the frame's top edge, made after the frame so that it lies over it.
  runtime::CheckBox Check2{*this, "Check2", {5400, 120, 1935, 270}, nullptr, "Extraction steam:"};

  // --- Exhaust (right, middle) ---------------------------------------------
  runtime::Frame Frame4{*this, "Frame4", {5280, 3000, 4800, 3135}, "Exhaust conditions:"};
  runtime::Label Label57{*this, "Label57", kStreamRows.caption(0), &Frame4, "Exhaust Conditions:"};
  runtime::ComboBox Combo1{
      *this,
      "Combo1",
      {kStreamRows.fieldLeft, kStreamRows.top(0), 1500, kStreamRows.listHeight},
      &Frame4,
      {"Back Pressure", "Condensing"}};
  runtime::Label Label43{*this, "Label43", kStreamRows.caption(kExhaustRow + 0), &Frame4,
                         "Temperature:"};
  runtime::TextBox Text22{*this, "Text22", kStreamRows.field(kExhaustRow + 0), &Frame4};
  // Made before Combo21, which lies over it while the type is Back Pressure.
  runtime::Label Label50{*this, "Label50", kStreamRows.unitLabel(kExhaustRow + 0), &Frame4, "°F"};
  runtime::ComboBox Combo21{*this, "Combo21", kStreamRows.unitList(kExhaustRow + 0), &Frame4,
                            shell::temperatureUnitItems()};
  runtime::Label Label44{*this, "Label44", kStreamRows.caption(kExhaustRow + 1), &Frame4,
                         "Pressure:"};
  runtime::TextBox Text23{*this, "Text23", kStreamRows.field(kExhaustRow + 1), &Frame4};
  runtime::ComboBox Combo20{*this, "Combo20", kStreamRows.unitList(kExhaustRow + 1), &Frame4,
                            shell::pressureUnitItems()};
  runtime::Label Label45{*this, "Label45", kStreamRows.caption(kExhaustRow + 2), &Frame4, "Flow:"};
  runtime::TextBox Text24{*this, "Text24", kStreamRows.field(kExhaustRow + 2), &Frame4};
  runtime::ComboBox Combo19{*this, "Combo19", kStreamRows.unitList(kExhaustRow + 2), &Frame4,
                            flowUnitItems()};
  runtime::Label Label46{*this, "Label46", kStreamRows.caption(kExhaustRow + 3), &Frame4,
                         "Saturation temperature:"};
  runtime::TextBox Text25{*this, "Text25", kStreamRows.field(kExhaustRow + 3), &Frame4};
  runtime::Label Label14{*this, "Label14", kStreamRows.unitLabel(kExhaustRow + 3), &Frame4, "°F"};
  runtime::Label Label47{*this, "Label47", kStreamRows.caption(kExhaustRow + 4), &Frame4,
                         "Degree of superheat:"};
  runtime::TextBox Text26{*this, "Text26", kStreamRows.field(kExhaustRow + 4), &Frame4};
  runtime::Label Label22{*this, "Label22", kStreamRows.unitLabel(kExhaustRow + 4), &Frame4, "°F"};
  runtime::Label Label48{*this, "Label48", kStreamRows.caption(kExhaustRow + 5), &Frame4,
                         "Specific entropy:"};
  runtime::TextBox Text27{*this, "Text27", kStreamRows.field(kExhaustRow + 5), &Frame4};
  runtime::ComboBox Combo18{*this, "Combo18", kStreamRows.unitList(kExhaustRow + 5), &Frame4,
                            entropyUnitItems()};
  runtime::Label Label49{*this, "Label49", kStreamRows.caption(kExhaustRow + 6), &Frame4,
                         "Specific enthalpy:"};
  runtime::TextBox Text28{*this, "Text28", kStreamRows.field(kExhaustRow + 6), &Frame4};
  runtime::ComboBox Combo17{*this, "Combo17", kStreamRows.unitList(kExhaustRow + 6), &Frame4,
                            enthalpyUnitItems()};

  // --- Evaluation and result ------------------------------------------------
  runtime::CommandButton cmdresult{
      *this, "cmdresult", {5400, 6240, 4575, 375}, nullptr, kEvaluateCaption};
  runtime::TextBox results{*this, "results", {5280, 6720, 4815, 1215}, nullptr, "", true};
  runtime::Label Label58{*this, "Label58", {5040, 7920, 5055, 255}, nullptr, shell::kRightsNotice};

  // --- Handlers: stream fields (stream_fields.cpp) --------------------------
  void Text1_Change();
  void Text8_Change();
  void Text21_Change();
  void Text22_Change();
  void Text2_Change();
  void Text9_Change();
  void Text20_Change();
  void Text23_Change();

  // --- Handlers: flow balance and sign marking (flow_balance.cpp) -----------
  void Text3_Change();
  void Text10_Change();
  void Text19_Change();
  // One sign marking for the thirteen derived boxes.
  void markSign(runtime::TextBox& box);

  // --- Handlers: window, lists, menus and buttons (frmstm.cpp) --------------
  void Check1_Click();
  void Check2_Click();
  void Combo1_Click();
  void Combo1_Validate(bool& cancel);
  void Combo2_Click();
  void Combo2_Validate(bool& cancel);
  void Combo3_Click();
  void Combo3_Validate(bool& cancel);
  void Combo4_Click();
  void Combo5_Click();
  void Combo5_Validate(bool& cancel);
  void Combo6_Click();
  void Combo6_Validate(bool& cancel);
  void Label8_Click();
  void Label9_Click();
  void Label10_Click();
  void Label22_Click();
  void Label50_Click();
  void Label58_Click();
  void cmdresult_Click();
  bool CheckValues();
  void m_new_Click() override;
  void m_save_Click() override;
  void m_open_Click() override;

 private:
  void bindHandlers();
  const StreamBoxes& boxes(int group) const { return groups_[static_cast<std::size_t>(group)]; }
  // The temperature handler of a group, and the wet-exhaust computation.
  void temperatureChanged(const StreamBoxes& g);
  void pressureChanged(const StreamBoxes& g);
  void wetExhaust();
  // The exhaust flow box from the flow boxes that hold numbers.
  void showFlowBalance();
  // Moves the focus unless the target cannot take it (a disabled frame) or
  // the window is setting its lists itself.
  void focusIfPossible(runtime::Control& control);
  // A pick in a unit list of a stream group reruns the group's field handler,
  // which reads the box's text again in the new unit.
  void temperatureUnitPicked(int group);
  void pressureUnitPicked(int group);
  void flowUnitPicked(runtime::TextBox& flow);
  void runTemperatureHandler(int group);
  void runPressureHandler(int group);
  // Empties derived boxes whose input is not a number.
  static void emptyBoxes(std::initializer_list<runtime::TextBox*> boxes);
  // Whether every typed box that the evaluation depends on holds a number.
  bool typedBoxesHoldNumbers() const;

  StreamState state_;
  std::array<StreamBoxes, kStreamGroups + 1> groups_{};
  bool settingLists_ = false;
};

}  // namespace corvasine::steam_turbine
