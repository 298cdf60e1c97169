#pragma once

// The isentropic end of an expansion to a pressure (isen_cond): starting at
// the saturated vapour, the temperature is raised by repeated multiplication
// (superheated end) or the vapour quality lowered by repeated subtraction
// (wet end) until the entropy reaches the stage's start entropy. The step
// sequences themselves are part of the result: the answer is always one of
// their members.

#include <memory>
#include <optional>

namespace corvasine::steam_turbine {

inline constexpr double kIsenTemperatureFactor = 1.0001;  // one superheated step, T × factor
inline constexpr double kIsenQualityStep = 0.0001;        // one wet step, x - step

class IsentropicSearch {
 public:
  virtual ~IsentropicSearch() = default;
  // s in Btu/(lb °F), p in psia. Above the saturated-vapour entropy at p: the
  // temperature (K) of the first step whose entropy reaches s, or nullopt when
  // the temperature leaves the library's range first. Below it: the quality of
  // the first step whose mixed entropy falls to s, 0 when the quality would
  // drop below 0. Equal to it: 1, the saturated vapour. A RuntimeError may
  // escape from an arithmetic fault.
  virtual std::optional<double> isen_cond(double s, double p) = 0;
};

// Gives exactly the answers of stepping one step at a time, but reuses the
// property values of earlier calls at the same pressure and finds the end of
// a provably monotone stretch of steps by bisection. Meant for one evaluation:
// it keeps what it has computed until it is destroyed.
std::unique_ptr<IsentropicSearch> makeFastIsentropicSearch();

}  // namespace corvasine::steam_turbine
