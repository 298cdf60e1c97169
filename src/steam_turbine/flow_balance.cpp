// The flow boxes keep the exhaust flow box equal to the turbine's flow
// balance while flows are typed, and the derived boxes show a negative value
// on a light red background.

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

// Inlet plus induction less extraction, each read in the unit its list shows,
// the induction and extraction flows only while their streams are on and
// their boxes hold numbers; shown in the exhaust unit and kept as the
// exhaust flow. Without an inlet flow the box shows nothing.
void frmstm::showFlowBalance() {
  try {
    if (!holdsNumber(Text3)) throw RuntimeError("no inlet flow");
    double balance = flowKpph(Text3, Combo4);
    if (state_.inductionOn != kFalse && holdsNumber(Text10))
      balance = runtime::checked(flowKpph(Text10, Combo9) + balance);
    if (state_.extractionOn != kFalse && holdsNumber(Text19))
      balance = runtime::checked(balance - flowKpph(Text19, Combo14));
    const std::string shown = NumberText(kpphToFlow(balance, Combo19.listIndex()));
    state_.streamFlow[kExhaust] = balance;
    Text24.setText(shown);
  } catch (const RuntimeError&) {
    Text24.setText("");
  }
}

void frmstm::Text3_Change() {
  try {
    state_.streamFlow[kInlet] = flowToKpph(shownNumber(Text3), Combo4.listIndex());
  } catch (const RuntimeError&) {
  }
  showFlowBalance();
}

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
