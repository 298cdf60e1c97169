#include "gas_turbine/register.h"

#include "gas_turbine/frmgas.h"

namespace corvasine::gas {

void registerGasTurbine(runtime::Application& app) {
  app.registerOpener("frmgas", [](runtime::Application& a) { a.form<frmgas>().show(); });
}

}  // namespace corvasine::gas
