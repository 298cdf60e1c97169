#include "steam_turbine/fake_steam_window.h"

#include "runtime/number.h"
#include "steam_turbine/steam_units.h"

namespace corvasine::steam_turbine::testing {

using runtime::NumberText;
using runtime::ParseNumber;

double FakeSteamWindow::readFlow(FlowBox box) {
  switch (box) {
    case FlowBox::Inlet:
      return flowToKpph(ParseNumber(Text3), Combo4);
    case FlowBox::Induction:
      return flowToKpph(ParseNumber(Text10), Combo9);
    case FlowBox::Extraction:
      return flowToKpph(ParseNumber(Text19), Combo14);
    case FlowBox::Exhaust:
      break;
  }
  return flowToKpph(ParseNumber(Text24), Combo19);
}

double FakeSteamWindow::readExhaustEnthalpy() {
  return enthalpyFromShown(ParseNumber(Text28), Combo17);
}

void FakeSteamWindow::writeExhaustFlow(double kpph) {
  Text24 = NumberText(kpphToFlow(kpph, Combo19));
  ++exhaustWrites;
}

void FakeSteamWindow::copyInletFlowToExhaust() {
  if (Combo4 == Combo19) {
    Text24 = Text3;
    ++exhaustWrites;
  } else {
    writeExhaustFlow(flowToKpph(ParseNumber(Text3), Combo4));
  }
}

void FakeSteamWindow::showProgress(const std::string& text) {
  progress.push_back(text);
  resultsText = text;
}

void FakeSteamWindow::setSearching(bool on) { searching.push_back(on); }

void FakeSteamWindow::finish(const SteamResult& result) {
  if (result.outcome == SteamOutcome::Done) resultsText = result.resultText;
  if (result.outcome == SteamOutcome::SearchAborted) resultsText = kSearchTerminatedText;
}

bool FakeSteamWindow::searchingBalanced() const {
  for (std::size_t i = 0; i < searching.size(); ++i) {
    if (searching[i] != (i % 2 == 0)) return false;
  }
  return searching.size() % 2 == 0;
}

std::string messageOf(SteamOutcome outcome) {
  switch (outcome) {
    case SteamOutcome::Done:
      return "-";
    case SteamOutcome::CheckValues:
      return kCheckValuesMessage;
    case SteamOutcome::NegativeExhaust:
      return kNegativeExhaustMessage;
    case SteamOutcome::SearchAborted:
      return kSearchAbortedMessage;
    case SteamOutcome::WrongValues:
      return kWrongValuesMessage;
  }
  return "?";
}

}  // namespace corvasine::steam_turbine::testing
