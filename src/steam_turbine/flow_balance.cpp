// The flow boxes keep the exhaust flow box equal to the turbine's flow
// balance while flows are typed, and the derived boxes show a negative value
// on a light red background.

#include <optional>

#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "steam_turbine/frmstm.h"

namespace corvasine::steam_turbine {

using runtime::holdsNumber;
using runtime::NumberText;
using runtime::RuntimeError;
using runtime::shownNumber;

namespace {

constexpr runtime::Color kNegativeColor = 0xFF8080;  // light red, 0xRRGGBB

double flowKpph(const runtime::TextBox& box, const runtime::ComboBox& unit) {
  return flowToKpph(shownNumber(box), unit.listIndex());
}

}  // namespace

double flowBalance(double inlet, std::optional<double> induction,
                   std::optional<double> extraction) {
  double balance = inlet;
  if (induction) balance = runtime::checked(*induction + balance);
  if (extraction) balance = runtime::checked(balance - *extraction);
  return balance;
}

// The flow balance of the flows read in the units their lists show, the
// induction and extraction flows only while their streams are on and their
// boxes hold numbers; shown in the exhaust unit. Without an inlet flow the
// box shows nothing.
void frmstm::showFlowBalance() {
  try {
    if (!holdsNumber(Text3)) throw RuntimeError("no inlet flow");
    std::optional<double> induction;
    std::optional<double> extraction;
    if (state_.inductionOn != kFalse && holdsNumber(Text10)) induction = flowKpph(Text10, Combo9);
    if (state_.extractionOn != kFalse && holdsNumber(Text19))
      extraction = flowKpph(Text19, Combo14);
    const double balance = flowBalance(flowKpph(Text3, Combo4), induction, extraction);
    Text24.setText(NumberText(kpphToFlow(balance, Combo19.listIndex())));
  } catch (const RuntimeError&) {
    Text24.setText("");
  }
}

void frmstm::Text3_Change() { showFlowBalance(); }

void frmstm::Text10_Change() { showFlowBalance(); }

void frmstm::Text19_Change() { showFlowBalance(); }

// -0 is not negative; a box that does not hold a number keeps its colour. A
// box that is not negative takes its normal look back.
void frmstm::markSign(runtime::TextBox& box) {
  try {
    const double v = shownNumber(box);
    box.setBackColor(v < 0.0 ? kNegativeColor : runtime::kDefaultColor);
  } catch (const RuntimeError&) {
  }
}

}  // namespace corvasine::steam_turbine
