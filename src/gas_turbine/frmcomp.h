#pragma once

// The fuel composition dialog: 16 components in mole percent (wet basis),
// their running total, the normalisation to 100 % and the transfer of the
// mixture's molecular weight and heating values into the gas window.

#include <array>
#include <cstddef>

#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/form.h"

namespace corvasine::gas {

inline constexpr const char* kCompositionTitle = "Corvasine - Fuel composition";
inline constexpr const char* kNormalizeQuestion = "Sum is not equal to 100%. Normalize?";
inline constexpr const char* kComponentNotNumberMessage =
    "Each component must be a number in mole percent; check the selected box.";
inline constexpr const char* kEmptyCompositionMessage =
    "The sum is 0% or less; the composition cannot be normalized.";
inline constexpr const char* kSumTooLargeMessage =
    "The sum is too large to be shown or normalized; check the composition.";
inline constexpr const char* kNormalizeFailedMessage =
    "The composition could not be normalized to 100%; it was left unchanged.";

// Upper bound on the scaling passes of one normalisation, restarts included.
// A total of 1 % takes about 10 000 passes, one of 0.01 % about 52 000, the
// smallest total the dialog shows (0.001 %, one share) about 500 000 since
// the 4-decimal rounding holds it back, and the largest Double about 120 000
// down. Shares of a few ten-thousandths each can freeze for millions of
// passes; such a composition ends here with a message, after about 1.5 s.
inline constexpr long kMaxNormalizePasses = 1'000'000;

struct NormalizeResult {
  bool inBand = false;  // the total ended between 99.999 and 100.001 (mole %)
  long passes = 0;      // scaling passes run, over all restarts
  long restarts = 0;    // times the scaling began again after missing the band
};

// Scales comp(1..16) towards a total of 100 % in passes of growing scale
// factor, each pass rounding every component to 4 decimals, and restarts while
// the total misses the band 99.999 to 100.001. total is the sum the scaling
// starts from. Stops unfinished after maxPasses passes, or as soon as every
// share has rounded to 0, leaving comp as the last pass left it. A non-finite
// value raises RuntimeError.
NormalizeResult normalizeFuelComp(std::array<double, 21>& comp, double total, long maxPasses);

// Design layout of the dialog in twips: one column of labelled boxes in
// component order, the total below them and the button at the bottom.
namespace comp_layout {
inline constexpr int kCaptionLeft = 240;
inline constexpr int kCaptionWidth = 2295;
inline constexpr int kBoxLeft = 2640;
inline constexpr int kBoxWidth = 1215;
inline constexpr int kRowHeight = 285;
inline constexpr int kFirstRowTop = 600;
inline constexpr int kRowPitch = 360;
inline constexpr int rowTop(int row) { return kFirstRowTop + (row - 1) * kRowPitch; }
inline constexpr int kTotalTop = rowTop(17) + 120;
inline constexpr int kButtonTop = kTotalTop + 480;
inline constexpr int kButtonHeight = 375;
inline constexpr int kClientWidth = 4095;
inline constexpr int kClientHeight = kButtonTop + kButtonHeight + 240;
inline constexpr runtime::Rect caption(int row) {
  return {kCaptionLeft, rowTop(row), kCaptionWidth, kRowHeight};
}
inline constexpr runtime::Rect box(int row) {
  return {kBoxLeft, rowTop(row), kBoxWidth, kRowHeight};
}
}  // namespace comp_layout

class frmcomp : public runtime::Form {
 public:
  explicit frmcomp(runtime::Application& app);

  void Form_Load() override;

  // Takes every box that holds a number into fuelComp and shows the total.
  void getTot();
  // Selects the whole text of a box.
  void SelectAllText(runtime::TextBox& box);
  // Checks the total (normalising on request) and transfers the mixture values.
  void Command1_Click();

  // The box of component n (1 to 16).
  runtime::TextBox& componentBox(std::size_t n) { return *componentBoxes_.at(n - 1); }

  // State of the dialog.
  double compTotal = 0.0;             // unrounded sum of fuelComp(1..16), mole %
  double mixMW = 0.0;                 // g/mol
  double mixLHV = 0.0;                // Btu/scf
  double mixHHV = 0.0;                // Btu/scf
  std::array<double, 21> lhvTable{};  // Btu/scf by component index
  std::array<double, 21> hhvTable{};  // Btu/scf by component index

  runtime::Label Label18{*this,
                         "Label18",
                         {comp_layout::kCaptionLeft, 180, 3615, 255},
                         nullptr,
                         "Molar Percent Wet Basis"};

  runtime::Label Label1{*this, "Label1", comp_layout::caption(1), nullptr, "Methane (CH4):"};
  runtime::TextBox Text1{*this, "Text1", comp_layout::box(1)};
  runtime::Label Label2{*this, "Label2", comp_layout::caption(2), nullptr, "Ethane (C2H6):"};
  runtime::TextBox Text2{*this, "Text2", comp_layout::box(2)};
  runtime::Label Label3{*this, "Label3", comp_layout::caption(3), nullptr, "Ethene (C2H4):"};
  runtime::TextBox Text3{*this, "Text3", comp_layout::box(3)};
  runtime::Label Label4{*this, "Label4", comp_layout::caption(4), nullptr, "Propane (C3H8):"};
  runtime::TextBox Text4{*this, "Text4", comp_layout::box(4)};
  runtime::Label Label5{*this, "Label5", comp_layout::caption(5), nullptr, "Propene (C3H6):"};
  runtime::TextBox Text5{*this, "Text5", comp_layout::box(5)};
  runtime::Label Label6{*this, "Label6", comp_layout::caption(6), nullptr, "i-Butane (C4H10):"};
  runtime::TextBox Text6{*this, "Text6", comp_layout::box(6)};
  runtime::Label Label7{*this, "Label7", comp_layout::caption(7), nullptr, "n-Butane (C4H10):"};
  runtime::TextBox Text7{*this, "Text7", comp_layout::box(7)};
  runtime::Label Label8{*this, "Label8", comp_layout::caption(8), nullptr, "i-Butene (C4H8):"};
  runtime::TextBox Text8{*this, "Text8", comp_layout::box(8)};
  runtime::Label Label9{*this, "Label9", comp_layout::caption(9), nullptr, "n-Butene (C4H8):"};
  runtime::TextBox Text9{*this, "Text9", comp_layout::box(9)};
  runtime::Label Label10{*this, "Label10", comp_layout::caption(10), nullptr, "i-Pentane (C5H12):"};
  runtime::TextBox Text10{*this, "Text10", comp_layout::box(10)};
  runtime::Label Label11{*this, "Label11", comp_layout::caption(11), nullptr, "n-Pentane (C5H12):"};
  runtime::TextBox Text11{*this, "Text11", comp_layout::box(11)};
  runtime::Label Label12{*this, "Label12", comp_layout::caption(12), nullptr, "n-Hexane (C6H14):"};
  runtime::TextBox Text12{*this, "Text12", comp_layout::box(12)};
  runtime::Label Label13{*this, "Label13", comp_layout::caption(13), nullptr,
                         "Carbondioxide (CO2):"};
  runtime::TextBox Text13{*this, "Text13", comp_layout::box(13)};
  runtime::Label Label14{*this, "Label14", comp_layout::caption(14), nullptr, "Nitrogen (N2):"};
  runtime::TextBox Text14{*this, "Text14", comp_layout::box(14)};
  runtime::Label Label15{*this, "Label15", comp_layout::caption(15), nullptr,
                         "Hydrogen Sulphide (H2S):"};
  runtime::TextBox Text15{*this, "Text15", comp_layout::box(15)};
  runtime::Label Label16{*this, "Label16", comp_layout::caption(16), nullptr, "Water (H2O):"};
  runtime::TextBox Text16{*this, "Text16", comp_layout::box(16)};

  runtime::Label Label17{*this,
                         "Label17",
                         {comp_layout::kCaptionLeft, comp_layout::kTotalTop,
                          comp_layout::kCaptionWidth, comp_layout::kRowHeight},
                         nullptr,
                         "Total:"};
  runtime::TextBox Text17{*this,
                          "Text17",
                          {comp_layout::kBoxLeft, comp_layout::kTotalTop, comp_layout::kBoxWidth,
                           comp_layout::kRowHeight}};

  runtime::CommandButton Command1{
      *this,
      "Command1",
      {comp_layout::kCaptionLeft, comp_layout::kButtonTop, 3615, comp_layout::kButtonHeight},
      nullptr,
      "&Transfer values and Exit"};

 private:
  std::array<runtime::TextBox*, 16> componentBoxes_;
};

}  // namespace corvasine::gas
