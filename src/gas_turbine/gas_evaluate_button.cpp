// The gas window's "&Evaluate": reads the figures the evaluation needs once,
// as the boxes show them, runs the evaluation and shows its outcome.

#include "gas_turbine/frmgas.h"
#include "gas_turbine/gas_shared.h"
#include "gas_turbine/gas_unit_rules.h"
#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::gas {

using runtime::MessageKind;
using runtime::shownNumber;

void frmgas::Command2_Click() {
  auto& services = application().services();
  const auto& shared = gasShared(application());
  const auto refuse = [&services](std::string_view message) {
    services.ShowMessage(std::string(message), MessageKind::Error);
  };

  // The change handlers keep the last value that parsed: a box that holds no
  // number would be evaluated with a value it does not show. The generator
  // efficiency counts only while its check box enables it.
  if (runtime::TextBox* box = runtime::firstNeededWithoutNumber(*this)) {
    refuse(kCheckValuesMessage);
    setFocus(*box);
    return;
  }

  GasEvaluationInput in;
  try {
    in.stored = input_;
    in.stored.ambientTemp = kTemperatureUnits.toBase(shownNumber(Text1), cmbtemp.listIndex());
    if (input_.balanceMode == kBalanceExhaustO2) in.o2Target = shownNumber(Text15);
    if (runtime::holdsNumber(Text5)) in.waterContent = shownNumber(Text5);
    in.mechanicalLosses = shownNumber(Text26);
    if (Text25.enabled()) in.generatorEfficiency = shownNumber(Text25);
  } catch (const runtime::RuntimeError&) {
    refuse(kCheckValuesMessage);
    return;
  }
  // The ambient temperature is stored as read, whatever the evaluation's end.
  input_.ambientTemp = in.stored.ambientTemp;

  GasMixture mix;
  mix.fuelComp = shared.fuelComp;
  mix.airO2 = shared.airO2;
  mix.airN2 = shared.airN2;
  mix.airAr = shared.airAr;
  mix.airCO2 = shared.airCO2;

  const GasEvaluationResult result = evaluateGasTurbine(in, mix, evaluation_);
  evaluation_ = result.record;
  switch (result.outcome) {
    case GasEvaluationOutcome::Done:
      try {
        rich_result.setText(gasResultText(in, evaluation_));
      } catch (const runtime::RuntimeError&) {
        refuse(kCheckValuesMessage);
      }
      break;
    case GasEvaluationOutcome::CheckValues:
      refuse(kCheckValuesMessage);
      break;
    case GasEvaluationOutcome::InsufficientAir:
      refuse(kInsufficientAirMessage);
      break;
  }
}

}  // namespace corvasine::gas
