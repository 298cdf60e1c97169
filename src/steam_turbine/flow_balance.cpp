// The flow boxes keep the exhaust flow box equal to the turbine's flow
// balance while flows are typed, and the derived boxes show a negative value
// on a light red background.

#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "steam_turbine/frmstm.h"

namespace corvasine::steam_turbine {

using runtime::IsNumber;
using runtime::NumberText;
using runtime::ParseNumber;
using runtime::RuntimeError;

namespace {

// Background colours, 0xRRGGBB.
constexpr runtime::Color kNegativeColor = 0xFF8080;  // light red
constexpr runtime::Color kNormalColor = 0xFFFFFF;    // white

double flowKpph(const runtime::TextBox& box, const runtime::ComboBox& unit) {
  return flowToKpph(ParseNumber(box.text()), unit.listIndex());
}

}  // namespace

// Inlet plus induction less extraction, over the flow boxes that hold
// numbers, each read in the unit its list shows; shown in the exhaust unit.
// Without an inlet flow nothing is written.
bool frmstm::showFlowBalance(double& balance) {
  if (!IsNumber(Text3.text())) return false;
  balance = flowKpph(Text3, Combo4);
  if (IsNumber(Text10.text())) balance = runtime::checked(flowKpph(Text10, Combo9) + balance);
  if (IsNumber(Text19.text())) balance = runtime::checked(balance - flowKpph(Text19, Combo14));
  Text24.setText(NumberText(kpphToFlow(balance, Combo19.listIndex())));
  return true;
}

void frmstm::Text3_Change() {
  try {
    const double v = ParseNumber(Text3.text());
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
    const double v = ParseNumber(box.text());
    box.setBackColor(v < 0.0 ? kNegativeColor : kNormalColor);
  } catch (const RuntimeError&) {
  }
}

}  // namespace corvasine::steam_turbine
