#pragma once

// Seeded random picks for the randomized window tests: positions, list
// entries, figures and the odd texts a careless user types or pastes.

#include <random>
#include <string>
#include <vector>

#include "runtime/number.h"

namespace corvasine::testing {

class RandomPicks {
 public:
  explicit RandomPicks(unsigned seed) : rng_(seed) {}

  int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  template <class T>
  const T& anyOf(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(pick(static_cast<int>(items.size())))];
  }
  double uniform(double lo, double hi) {
    return std::uniform_real_distribution<double>(lo, hi)(rng_);
  }
  // A figure in [lo, hi] with 0 to 2 decimals, as a user types it.
  std::string figure(double lo, double hi) {
    return runtime::NumberText(runtime::RoundHalfEven(uniform(lo, hi), pick(3)));
  }
  // Odd texts, random bytes or any number.
  std::string randomText() {
    static const std::vector<std::string> odd = {
        "",  "abc", "1,5", "1e308", "-1e308", "1e-320", "nan", "inf",  " 7 ",
        "^", "0",   "-0",  "1e999", "12..3",  "+",      "°C",  "12\n", "-461.47"};
    switch (pick(4)) {
      case 0:
        return anyOf(odd);
      case 1: {
        std::string s;
        for (int k = pick(8); k > 0; --k) s.push_back(static_cast<char>(pick(256)));
        return s;
      }
      default:
        return runtime::NumberText(uniform(-1e4, 1e4));
    }
  }

 private:
  std::mt19937 rng_;
};

}  // namespace corvasine::testing
