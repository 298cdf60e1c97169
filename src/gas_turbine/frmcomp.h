#pragma once

// The fuel composition dialog: 16 components in mole percent (wet basis),
// their running total, the normalisation to 100 % and the transfer of the
// mixture's molecular weight and heating values into the gas window.

#include <array>
#include <cstddef>

#include "runtime/application.h"
#include "runtime/controls.h"
#include "runtime/field_row.h"
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
}  // namespace comp_layout

// Component n on row n.
using runtime::CaptionRow;
inline constexpr runtime::RowLayout kComponentRows{.captionLeft = comp_layout::kCaptionLeft,
                                                   .captionWidth = comp_layout::kCaptionWidth,
                                                   .fieldLeft = comp_layout::kBoxLeft,
                                                   .fieldWidth = comp_layout::kBoxWidth,
                                                   .firstTop = comp_layout::rowTop(0),
                                                   .step = comp_layout::kRowPitch,
                                                   .fieldHeight = comp_layout::kRowHeight};

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

  CaptionRow Text1{*this, kComponentRows, 1, "Label1", "Methane (CH4):", "Text1"};
  CaptionRow Text2{*this, kComponentRows, 2, "Label2", "Ethane (C2H6):", "Text2"};
  CaptionRow Text3{*this, kComponentRows, 3, "Label3", "Ethene (C2H4):", "Text3"};
  CaptionRow Text4{*this, kComponentRows, 4, "Label4", "Propane (C3H8):", "Text4"};
  CaptionRow Text5{*this, kComponentRows, 5, "Label5", "Propene (C3H6):", "Text5"};
  CaptionRow Text6{*this, kComponentRows, 6, "Label6", "i-Butane (C4H10):", "Text6"};
  CaptionRow Text7{*this, kComponentRows, 7, "Label7", "n-Butane (C4H10):", "Text7"};
  CaptionRow Text8{*this, kComponentRows, 8, "Label8", "i-Butene (C4H8):", "Text8"};
  CaptionRow Text9{*this, kComponentRows, 9, "Label9", "n-Butene (C4H8):", "Text9"};
  CaptionRow Text10{*this, kComponentRows, 10, "Label10", "i-Pentane (C5H12):", "Text10"};
  CaptionRow Text11{*this, kComponentRows, 11, "Label11", "n-Pentane (C5H12):", "Text11"};
  CaptionRow Text12{*this, kComponentRows, 12, "Label12", "n-Hexane (C6H14):", "Text12"};
  CaptionRow Text13{*this, kComponentRows, 13, "Label13", "Carbondioxide (CO2):", "Text13"};
  CaptionRow Text14{*this, kComponentRows, 14, "Label14", "Nitrogen (N2):", "Text14"};
  CaptionRow Text15{*this, kComponentRows, 15, "Label15", "Hydrogen Sulphide (H2S):", "Text15"};
  CaptionRow Text16{*this, kComponentRows, 16, "Label16", "Water (H2O):", "Text16"};

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
