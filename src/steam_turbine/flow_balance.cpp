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
    if (!holdsNumber(inlet.flow)) throw RuntimeError("no inlet flow");
    double balance = flowKpph(inlet.flow, inlet.flow.unit);
    if (state_.inductionOn != kFalse && holdsNumber(induction.flow))
      balance = runtime::checked(flowKpph(induction.flow, induction.flow.unit) + balance);
    if (state_.extractionOn != kFalse && holdsNumber(extraction.flow))
      balance = runtime::checked(balance - flowKpph(extraction.flow, extraction.flow.unit));
    const std::string shown = NumberText(kpphToFlow(balance, exhaust.flow.unit.listIndex()));
    state_.streamFlow[kExhaust] = balance;
    exhaust.flow.setText(shown);
  } catch (const RuntimeError&) {
    exhaust.flow.setText("");
  }
}

// The inlet flow is kept in kpph as typed.
void frmstm::flowTyped(StreamRows& g) {
  if (g.group == kInlet) {
    try {
      state_.streamFlow[kInlet] = flowToKpph(shownNumber(g.flow), g.flow.unit.listIndex());
    } catch (const RuntimeError&) {
    }
  }
  showFlowBalance();
}

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
