#pragma once

// What the gas targets share: the state of the gas calculator that no box
// shows, and a units file for the window to load.

#include <string>

#include "runtime/application.h"

namespace corvasine::fuzz {

// The fuel composition and the default units, byte for byte.
std::string gasHiddenState(runtime::Application& app);

// The units file of a fresh installation.
void writeDefaultUnits(const std::string& programFolder);

}  // namespace corvasine::fuzz
