#include "steam_turbine/register.h"

#include "steam_turbine/frmstm.h"

namespace corvasine::steam_turbine {

void registerSteamTurbine(runtime::Application& app) {
  app.registerOpener("frmstm", [](runtime::Application& a) { a.form<frmstm>().show(); });
}

}  // namespace corvasine::steam_turbine
