// The steam turbine window and every window it opens under a stream of user actions.

#include <cstdint>

#include "fuzz/action_stream.h"
#include "fuzz/fuzz_services.h"
#include "steam_turbine/frmstm.h"
#include "steam_turbine/register.h"
#include "steam_turbine/steam_evaluation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvasine;
  static fuzz::FuzzServices services(fuzz::steamMessages(), "fuzz.qvds");
  FuzzedDataProvider input(data, size);
  static const fuzz::StreamOptions options{
      .window = "frmstm",
      // A case reopens in the units it was saved in.
      .caseTexts = fuzz::steamCaseTexts,
      .workableCases =
          {// back pressure, inlet and exhaust only
           "Text1=900 Text2=900 Text3=250 Text22=500 Text23=150",
           // condensing with induction and extraction
           "Check1=1 Check2=1 Text1=900 Text2=600 Text3=200 Text8=500 Text9=150 Text10=30 "
           "Text21=450 Text20=100 Text19=50 Combo1=1 Text22=92 Text23=1.5 Text24=180"},
      // The typed boxes of the inlet, the exhaust and a ticked extra stream.
      .evaluation = {
          "cmdresult", "results", steam_turbine::kCheckValuesMessage,
          "Power: ", [](runtime::Form& form) {
            auto& f = static_cast<steam_turbine::frmstm&>(form);
            return fuzz::holdNumbers(f, {"Text1", "Text2", "Text3", "Text22", "Text23"}) &&
                   (f.Check1.value() != 1 || fuzz::holdNumbers(f, {"Text8", "Text9", "Text10"})) &&
                   (f.Check2.value() != 1 || fuzz::holdNumbers(f, {"Text21", "Text20", "Text19"}));
          }}};
  fuzz::runStream(services, input, steam_turbine::registerSteamTurbine, options);
  return 0;
}
