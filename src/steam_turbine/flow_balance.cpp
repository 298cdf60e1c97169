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

// A flow box's number in kpph, read in the unit its list shows.
double flowKpph(const runtime::ListRow& flow) {
  return flowToKpph(shownNumber(flow), flow.unit.listIndex());
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
    if (!holdsNumber(inlet.flow)) throw RuntimeError("no inlet flow");
    std::optional<double> inducted;
    std::optional<double> extracted;
    if (state_.inductionOn != kFalse && holdsNumber(induction.flow))
      inducted = flowKpph(induction.flow);
    if (state_.extractionOn != kFalse && holdsNumber(extraction.flow))
      extracted = flowKpph(extraction.flow);
    const double balance = flowBalance(flowKpph(inlet.flow), inducted, extracted);
    exhaust.flow.setText(NumberText(kpphToFlow(balance, exhaust.flow.unit.listIndex())));
  } catch (const RuntimeError&) {
    exhaust.flow.setText("");
  }
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
