#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

namespace corvasine::runtime {

// The one run-time error of the system: a failed conversion, an arithmetic
// fault (infinite or not-a-number result), a file or dialog failure. Handlers
// with an error exit catch it at their top.
class RuntimeError : public std::runtime_error {
 public:
  explicit RuntimeError(const std::string& what) : std::runtime_error(what) {}
};

// Runs a handler body under a silent error exit: a run-time error ends it,
// keeping what it did before.
template <class Body>
void silently(Body body) {
  try {
    body();
  } catch (const RuntimeError&) {
  }
}

// Passes a finite result through; an infinite or not-a-number result is a
// run-time error at the statement that produced it.
inline double checked(double value) {
  if (!std::isfinite(value)) throw RuntimeError("arithmetic fault");
  return value;
}

// Division that fails like the runtime does on a zero divisor (0/0 included).
inline double checkedDiv(double numerator, double denominator) {
  if (denominator == 0.0) throw RuntimeError("division by zero");
  return checked(numerator / denominator);
}

inline double checkedLog(double x) {
  if (!(x > 0.0)) throw RuntimeError("logarithm of a non-positive number");
  return checked(std::log(x));
}

inline double checkedExp(double x) { return checked(std::exp(x)); }

inline double checkedSqrt(double x) {
  if (x < 0.0) throw RuntimeError("square root of a negative number");
  return checked(std::sqrt(x));
}

}  // namespace corvasine::runtime
