// The steam window's "Evaluate Performance": reads the figures the evaluation
// needs once, as the boxes show them, runs the evaluation with the button and
// the result box following its searches, and shows the outcome.

#include <optional>

#include "runtime/number.h"
#include "runtime/runtime_error.h"
#include "steam_turbine/frmstm.h"

namespace corvasine::steam_turbine {

using runtime::MessageKind;
using runtime::shownNumber;

namespace {

// While an isentropic search runs the button is disabled and says so; the
// induction-point search's progress is drawn at once.
class ButtonAndResults final : public SearchProgress {
 public:
  ButtonAndResults(runtime::CommandButton& button, runtime::TextBox& results)
      : button_(button), results_(results) {}
  void setSearching(bool searching) override {
    button_.setCaption(searching ? kSearchingCaption : kEvaluateCaption);
    button_.setEnabled(!searching);
  }
  void showProgress(const std::string& text) override {
    results_.setText(text);
    results_.refresh();
  }

 private:
  runtime::CommandButton& button_;
  runtime::TextBox& results_;
};

double flowKpph(const runtime::TextBox& box, const runtime::ComboBox& unit) {
  return flowToKpph(shownNumber(box), unit.listIndex());
}

// Writes the exhaust flow box first, then reads it back as it shows the flow:
// the figures weigh the exhaust with the shown number. Without a stream that
// joins or leaves, and with one unit in both lists, the box takes the inlet
// box's text itself. Raises RuntimeError on a flow that cannot be converted.
SteamEvaluationInput readEvaluationInput(frmstm& f) {
  const StreamState& streams = f.streamState();
  const bool induction = streams.inductionOn != kFalse;
  const bool extraction = streams.extractionOn != kFalse;
  if (!induction && !extraction && f.Combo4.listIndex() == f.Combo19.listIndex()) {
    f.Text24.setText(f.Text3.text());
  } else {
    std::optional<double> inducted;
    std::optional<double> extracted;
    if (induction) inducted = flowKpph(f.Text10, f.Combo9);
    if (extraction) extracted = flowKpph(f.Text19, f.Combo14);
    const double balance = flowBalance(flowKpph(f.Text3, f.Combo4), inducted, extracted);
    f.Text24.setText(runtime::NumberText(kpphToFlow(balance, f.Combo19.listIndex())));
  }
  SteamEvaluationInput in;
  in.streams = streams;
  in.inletFlow = flowKpph(f.Text3, f.Combo4);
  if (induction) in.inductionFlow = flowKpph(f.Text10, f.Combo9);
  if (extraction) in.extractionFlow = flowKpph(f.Text19, f.Combo14);
  in.exhaustFlow = flowKpph(f.Text24, f.Combo19);
  in.exhaustEnthalpy = enthalpyFromShown(shownNumber(f.Text28), f.Combo17.listIndex());
  return in;
}

}  // namespace

// Evaluate never computes with a number that a typed box does not show. A
// refusal puts back the result box as it was, the search's progress included;
// only the search's own abort says so there.
void frmstm::cmdresult_Click() {
  auto& services = application().services();
  if (!typedBoxesHoldNumbers() || !CheckValues()) {
    services.ShowMessage(kCheckValuesMessage, MessageKind::Error);
    return;
  }
  const std::string before = results.text();
  const auto refuse = [&](const char* message, MessageKind kind) {
    results.setText(before);
    services.ShowMessage(message, kind);
  };
  SteamResult result;
  try {
    const SteamEvaluationInput input = readEvaluationInput(*this);
    ButtonAndResults progress(cmdresult, results);
    result = evaluateSteamTurbine(input, progress);
  } catch (const runtime::RuntimeError&) {
    result.outcome = SteamOutcome::CheckValues;
  }
  switch (result.outcome) {
    case SteamOutcome::Done:
      results.setText(result.resultText);
      break;
    case SteamOutcome::SearchAborted:
      services.ShowMessage(kSearchAbortedMessage, MessageKind::Error);
      results.setText(kSearchTerminatedText);
      break;
    case SteamOutcome::CheckValues:
      refuse(kCheckValuesMessage, MessageKind::Error);
      break;
    case SteamOutcome::NegativeExhaust:
      refuse(kNegativeExhaustMessage, MessageKind::Error);
      break;
    case SteamOutcome::WrongValues:
      refuse(kWrongValuesMessage, MessageKind::Plain);
      break;
  }
}

}  // namespace corvasine::steam_turbine
