// The gas turbine window and every window it opens under a stream of user
// actions, from a units file that is sound, missing or made of fuzz bytes.

#include <cstdint>

#include "fuzz/action_stream.h"
#include "fuzz/fuzz_services.h"
#include "gas_turbine/frmgas.h"
#include "gas_turbine/gas_evaluation.h"
#include "gas_turbine/gas_shared.h"
#include "gas_turbine/gt_units_file.h"
#include "gas_turbine/register.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvasine;
  static fuzz::FuzzServices services(fuzz::gasMessages(), "fuzz.qvdg", true);
  FuzzedDataProvider input(data, size);
  const int units = input.ConsumeIntegralInRange(0, 3);
  if (units == 1)
    fuzz::writeBytes(gas::unitsFilePath(services.programFolder),
                     input.ConsumeRandomLengthString(64));
  else if (units > 1)
    fuzz::writeDefaultUnits(services.programFolder);
  static const fuzz::StreamOptions options{
      .window = "frmgas",
      .hiddenState = fuzz::gasHiddenState,
      // Without the composition, which the fuel dialog may normalize on opening.
      .caseTexts = fuzz::gasCaseTexts,
      .workableCases = {"Text1=59 Text2=150 Text4=60 Text6=4 Text18=80 Text17=300 Text16=1000 "
                        "Text26=1.5 Text25=98.5 Text10=1050 Text11=5.5 Text15=15 Text19=720 "
                        "Text20=220"},
      // A natural gas that sums to 100 %, as the fuel dialog leaves it.
      .caseState =
          [](runtime::Application& a) {
            gas::gasShared(a).fuelComp = {0, 85.25, 6, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 2, 4.25, 0.5};
          },
      // The boxes Evaluate reads, directly or through a stored value; the
      // generator efficiency only when ticked.
      .evaluation = {"Command2", "rich_result", std::string(gas::kCheckValuesMessage),
                     "Fresh air flow: ", [](runtime::Form& f) {
                       return fuzz::holdNumbers(
                                  f, {"Text1", "Text2", "Text4", "Text6", "Text18", "Text16",
                                      "Text10", "Text15", "Text19", "Text20", "Text26"}) &&
                              (static_cast<gas::frmgas&>(f).Check1.value() == 0 ||
                               fuzz::holdNumbers(f, {"Text25"}));
                     }}};
  fuzz::runStream(services, input, gas::registerGasTurbine, options);
  return 0;
}
