// The gas turbine window under a stream of user actions read from the fuzz
// input, with every window it opens (fuel composition, default units,
// converters, about box), starting from a units file that is sound, missing
// or made of fuzz bytes.

#include <cstdint>

#include "fuzz/action_stream.h"
#include "fuzz/gas_fixture.h"
#include "fuzz/window_checks.h"
#include "gas_turbine/gt_units_file.h"
#include "gas_turbine/register.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvasine;
  static fuzz::FuzzServices& services = []() -> fuzz::FuzzServices& {
    static fuzz::FuzzServices s;
    s.allowMessages(fuzz::gasMessages());
    s.fuzzFile = s.programFolder + "/fuzz.qvdg";
    return s;
  }();
  FuzzedDataProvider input(data, size);
  switch (input.ConsumeIntegralInRange(0, 3)) {
    case 0:
      break;  // none: the window writes one
    case 1:
      fuzz::writeBytes(gas::unitsFilePath(services.programFolder),
                       input.ConsumeRandomLengthString(64));
      break;
    default:
      fuzz::writeDefaultUnits(services.programFolder);
      break;
  }
  services.answerFrom(&input);
  {
    runtime::Application app(services);
    gas::registerGasTurbine(app);
    fuzz::StreamOptions options;
    options.reopen = [](runtime::Application& a) { a.showForm("frmgas"); };
    options.hiddenState = fuzz::gasHiddenState;
    options.reopen(app);
    fuzz::ActionStream(app, services, input, options).run();
  }
  services.answerFrom(nullptr);
  services.reset();
  return 0;
}
