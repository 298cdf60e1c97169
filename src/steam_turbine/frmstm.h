#pragma once

// The steam turbine calculator's window: four stream groups (inlet,
// induction, extraction, exhaust) whose derived properties follow every
// typed value, the turbine type, the evaluate button, the result box and the
// menus. Headless: the Qt layer draws it from its controls.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <memory>
#include <string>

#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/field_row.h"
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

// Picture of the window, a file of the program folder, 293 × 131 pixels.
inline constexpr const char* kSteamBannerFile = "steam_turbine_banner.png";
inline constexpr const char* kEvaluateCaption = "Evaluate Performance";
inline constexpr const char* kSearchingCaption = "Please wait ...";
inline constexpr const char* kResultsAtLoad = "All results will be based on ASME Steam corelations";

// The design names of a row's caption, box and unit list or label.
struct RowNames {
  const char* caption;
  const char* box;
  const char* unit;
};

// The temperature row of a stream group. In the exhaust group a unit label
// lies under its list, made before the list so that the list covers it while
// it shows.
namespace detail {
struct CaptionFirst {
  runtime::Label caption;
};
}  // namespace detail
class TemperatureRow : private detail::CaptionFirst, public runtime::FieldBox {
 public:
  TemperatureRow(runtime::Form& form, runtime::Frame& frame, int row, RowNames names,
                 const char* underLabel, runtime::RowRoles roles);
  using detail::CaptionFirst::caption;
  std::unique_ptr<runtime::Label> underLabel;
  runtime::ComboBox unit;
};

// One stream group in its frame: temperature, pressure and flow typed (the
// exhaust flow follows the balance), then the saturation temperature,
// superheat, entropy and enthalpy that follow from them. The rows record
// their roles: the typed three and the exhaust flow are case-file pieces, in
// group order; Evaluate needs the typed ones of every group that is on; New
// empties every box.
class StreamRows {
 public:
  using Names = std::array<RowNames, 7>;
  // `underLabel` names the exhaust's label under the temperature list.
  StreamRows(runtime::Form& form, runtime::Frame& frame, int group, const Names& names,
             const char* underLabel = nullptr);

  const int group;  // the stream record's index
  TemperatureRow temperature;
  runtime::ListRow pressure;
  runtime::ListRow flow;
  runtime::LabelRow saturation;
  runtime::LabelRow superheat;
  runtime::ListRow entropy;
  runtime::ListRow enthalpy;

  // The rows' boxes and lists in row order.
  std::array<runtime::FieldBox*, 7> boxes();
  std::array<runtime::ComboBox*, 5> unitLists();
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

  // --- Stream groups: inlet (left, under the picture), induction (left,
  // bottom), extraction (right, top) and exhaust (right, middle), each row
  // named caption, box, unit list or label.
  runtime::Frame Frame1{*this, "Frame1", {240, 2280, 4800, 2775}, "Inlet conditions:"};
  StreamRows inlet{*this,
                   Frame1,
                   kInlet,
                   {{{"Label1", "Text1", "Combo2"},
                     {"Label2", "Text2", "Combo3"},
                     {"Label3", "Text3", "Combo4"},
                     {"Label4", "Text4", "Label9"},
                     {"Label5", "Text5", "Label8"},
                     {"Label6", "Text6", "Combo5"},
                     {"Label7", "Text7", "Combo6"}}}};

  runtime::Frame Frame2{*this, "Frame2", {240, 5160, 4800, 2775}, ""};
  StreamRows induction{*this,
                       Frame2,
                       kInduction,
                       {{{"Label15", "Text8", "Combo11"},
                         {"Label16", "Text9", "Combo10"},
                         {"Label17", "Text10", "Combo9"},
                         {"Label18", "Text11", "Label10"},
                         {"Label19", "Text12", "Label11"},
                         {"Label20", "Text13", "Combo8"},
                         {"Label21", "Text14", "Combo7"}}}};
  // On the frame's top edge, made after the frame so that it lies over it.
  runtime::CheckBox Check1{*this, "Check1", {360, 5160, 1935, 270}, nullptr, "Induction steam:"};

  runtime::Frame Frame3{*this, "Frame3", {5280, 120, 4800, 2775}, ""};
  StreamRows extraction{*this,
                        Frame3,
                        kExtraction,
                        {{{"Label42", "Text21", "Combo16"},
                          {"Label41", "Text20", "Combo15"},
                          {"Label40", "Text19", "Combo14"},
                          {"Label39", "Text18", "Label12"},
                          {"Label38", "Text17", "Label13"},
                          {"Label37", "Text16", "Combo13"},
                          {"Label36", "Text15", "Combo12"}}}};
  runtime::CheckBox Check2{*this, "Check2", {5400, 120, 1935, 270}, nullptr, "Extraction steam:"};

  // The exhaust frame has the turbine type above its stream rows.
  runtime::Frame Frame4{*this, "Frame4", {5280, 3000, 4800, 3135}, "Exhaust conditions:"};
  runtime::Label Label57{*this, "Label57", kStreamRows.caption(0), &Frame4, "Exhaust Conditions:"};
  runtime::ComboBox Combo1{
      *this,
      "Combo1",
      {kStreamRows.fieldLeft, kStreamRows.top(0), 1500, kStreamRows.listHeight},
      &Frame4,
      {"Back Pressure", "Condensing"}};
  StreamRows exhaust{*this,
                     Frame4,
                     kExhaust,
                     {{{"Label43", "Text22", "Combo21"},
                       {"Label44", "Text23", "Combo20"},
                       {"Label45", "Text24", "Combo19"},
                       {"Label46", "Text25", "Label14"},
                       {"Label47", "Text26", "Label22"},
                       {"Label48", "Text27", "Combo18"},
                       {"Label49", "Text28", "Combo17"}}},
                     "Label50"};

  // --- Evaluation and result ------------------------------------------------
  runtime::CommandButton cmdresult{
      *this, "cmdresult", {5400, 6240, 4575, 375}, nullptr, kEvaluateCaption};
  runtime::TextBox results{*this, "results", {5280, 6720, 4815, 1215}, nullptr, "", true};
  runtime::Label Label58{*this, "Label58", {5040, 7920, 5055, 255}, nullptr, shell::kRightsNotice};

  // --- Handlers (frmstm.cpp) ---------------------------------------------
  void Check1_Click();
  void Check2_Click();
  void Combo1_Click();
  void Combo1_Validate(bool& cancel);
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
  void bindGroup(StreamRows& g);
  // The field handlers of a group's typed boxes (stream_fields.cpp).
  void temperatureTyped(StreamRows& g);
  void pressureTyped(StreamRows& g);
  void temperatureChanged(StreamRows& g);
  void pressureChanged(StreamRows& g);
  void wetExhaust();
  // The exhaust flow box from the flow boxes that hold numbers, run by each
  // typed flow box (flow_balance.cpp).
  void showFlowBalance();
  // One sign marking for the derived boxes.
  void markSign(runtime::TextBox& box);
  // Moves the focus unless the target cannot take it (a disabled frame) or
  // the window is setting its lists itself.
  void focusIfPossible(runtime::Control& control);
  // A pick in a unit list of a stream group reruns the group's field handler,
  // which reads the box's text again in the new unit.
  void temperatureUnitPicked(StreamRows& g);
  void pressureUnitPicked(StreamRows& g);
  void flowUnitPicked(StreamRows& g);
  // Empties derived boxes whose input is not a number.
  static void emptyBoxes(std::initializer_list<runtime::TextBox*> boxes);
  // Whether every typed box that the evaluation depends on holds a number.
  bool typedBoxesHoldNumbers();

  StreamState state_;
  bool settingLists_ = false;
};

}  // namespace corvasine::steam_turbine
