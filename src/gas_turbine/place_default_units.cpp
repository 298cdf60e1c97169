// Build step: places the default units file in the program folder given as
// the argument, unless one is there already.

#include <iostream>

#include "gas_turbine/gt_units_file.h"
#include "runtime/runtime_error.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: place_default_units PROGRAM_FOLDER\n";
    return 2;
  }
  try {
    corvasine::gas::placeDefaultUnitsFile(argv[1]);
  } catch (const corvasine::runtime::RuntimeError& e) {
    std::cerr << "place_default_units: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
