#pragma once

#include "runtime/application.h"

namespace corvasine::steam_turbine {

// Makes the steam turbine window openable by name: showForm("frmstm").
void registerSteamTurbine(runtime::Application& app);

}  // namespace corvasine::steam_turbine
