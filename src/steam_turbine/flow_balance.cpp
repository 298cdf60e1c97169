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

// Background colours, 0xRRGGBB.
constexpr runtime::Color kNegativeColor = 0xFF8080;  // light red
// A box that is not negative keeps the look of a computed box.
constexpr runtime::Color kNormalColor = runtime::kDefaultColor;

double flowKpph(const runtime::TextBox& box, const runtime::ComboBox& unit) {
  return flowToKpph(shownNumber(box), unit.listIndex());
}

}  // namespace

// Inlet plus induction less extraction, over the flow boxes that hold
// numbers, each read in the unit its list shows; shown in the exhaust unit.
// Without an inlet flow nothing is written.
bool frmstm::showFlowBalance(double& balance) {
  if (!holdsNumber(Text3)) return false;
  balance = flowKpph(Text3, Combo4);
  if (holdsNumber(Text10)) balance = runtime::checked(flowKpph(Text10, Combo9) + balance);
  if (holdsNumber(Text19)) balance = runtime::checked(balance - flowKpph(Text19, Combo14));
  Text24.setText(NumberText(kpphToFlow(balance, Combo19.listIndex())));
  return true;
}

void frmstm::Text3_Change() {
  try {
    const double v = shownNumber(Text3);
    state_.streamFlow[kInlet] = flowToKpph(v, Combo4.listIndex());
    double balance = 0.0;
    if (showFlowBalance(balance)) state_.streamFlow[kExhaust] = balance;
  } catch (const RuntimeError&) {
  }
}

void frmstm::Text10_Change() {
  try {
    double balance = 0.0;
    showFlowBalance(balance);
  } catch (const RuntimeError&) {
  }
}

void frmstm::Text19_Change() { Text10_Change(); }

// -0 is not negative; a box that does not hold a number keeps its colour.
void frmstm::markSign(runtime::TextBox& box) {
  try {
    const double v = shownNumber(box);
    box.setBackColor(v < 0.0 ? kNegativeColor : kNormalColor);
  } catch (const RuntimeError&) {
  }
}

}  // namespace corvasine::steam_turbine
