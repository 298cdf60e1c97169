// The steam turbine window under a stream of user actions read from the fuzz
// input, with every window it opens (converters, about box).

#include <cstdint>

#include "fuzz/action_stream.h"
#include "fuzz/window_checks.h"
#include "steam_turbine/register.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvasine;
  static fuzz::FuzzServices& services = []() -> fuzz::FuzzServices& {
    static fuzz::FuzzServices s;
    s.allowMessages(fuzz::steamMessages());
    s.fuzzFile = s.programFolder + "/fuzz.qvds";
    return s;
  }();
  FuzzedDataProvider input(data, size);
  services.answerFrom(&input);
  {
    runtime::Application app(services);
    steam_turbine::registerSteamTurbine(app);
    fuzz::StreamOptions options;
    options.reopen = [](runtime::Application& a) { a.showForm("frmstm"); };
    options.reopen(app);
    fuzz::ActionStream(app, services, input, options).run();
  }
  services.answerFrom(nullptr);
  services.reset();
  return 0;
}
