#pragma once

// The yardstick of the fast isentropic search: every step taken one at a
// time, each with its own property calls, exactly as the search is defined.

#include <optional>

#include "steam_turbine/isentropic_search.h"

namespace corvasine::steam_turbine::testing {

class LiteralIsentropicSearch final : public IsentropicSearch {
 public:
  std::optional<double> isen_cond(double s, double p) override;
};

}  // namespace corvasine::steam_turbine::testing
