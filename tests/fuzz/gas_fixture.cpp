#include "fuzz/gas_fixture.h"

#include "fuzz/fuzz_services.h"
#include "gas_turbine/gas_shared.h"
#include "gas_turbine/gt_units_file.h"

namespace corvasine::fuzz {

std::string gasHiddenState(runtime::Application& app) {
  const gas::GasShared& shared = gas::gasShared(app);
  std::string state(reinterpret_cast<const char*>(shared.fuelComp.data()), sizeof shared.fuelComp);
  state.append(reinterpret_cast<const char*>(shared.gtUnits.data()), sizeof shared.gtUnits);
  return state;
}

void writeDefaultUnits(const std::string& programFolder) {
  writeBytes(gas::unitsFilePath(programFolder), std::string(gas::kDefaultUnitsLine) + "\r\n");
}

}  // namespace corvasine::fuzz
