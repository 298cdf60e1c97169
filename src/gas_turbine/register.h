#pragma once

#include "runtime/application.h"

namespace corvasine::gas {

// Makes the gas turbine window openable by name: showForm("frmgas").
void registerGasTurbine(runtime::Application& app);

}  // namespace corvasine::gas
