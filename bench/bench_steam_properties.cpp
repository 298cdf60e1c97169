// Cost per call of the water and steam property functions, each over a fixed spread of states
// in its region. Figures are per call (the batch of states is divided out).
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <vector>

#include "steam_properties/water_steam.h"

namespace {

namespace steam = corvasine::steam;

struct State {
  double temperature;  // [K]
  double pressure;     // [bar]
};

constexpr std::size_t kSpread = 64;

// kSpread states on a lattice of the box [t0, t1] x [p0, p1], keeping those in `region`.
std::vector<State> lattice(double t0, double t1, double p0, double p1, int region) {
  std::vector<State> states;
  constexpr int kSide = 16;
  for (int i = 0; i < kSide; ++i) {
    for (int j = 0; j < kSide; ++j) {
      const double t = t0 + (t1 - t0) * (i + 0.5) / kSide;
      const double p = p0 + (p1 - p0) * (j + 0.5) / kSide;
      const double pSat = steam::pSatW(t);
      const double pB23 = steam::pBound23(t);
      const bool r1 = t <= 623.15 && p >= pSat;
      const bool r2 = (t <= 623.15 && p < pSat) || (t > 623.15 && p < pB23) || t > 863.15;
      const bool r3 = t > 623.15 && t < 863.15 && p > pB23;
      if ((region == 1 && r1) || (region == 2 && r2) || (region == 3 && r3)) {
        states.push_back({t, p});
      }
    }
  }
  std::vector<State> picked;
  for (std::size_t k = 0; k < kSpread; ++k) picked.push_back(states[k * states.size() / kSpread]);
  return picked;
}

const std::vector<State>& region1() {
  static const std::vector<State> s = lattice(280.0, 620.0, 1.0, 1000.0, 1);
  return s;
}
const std::vector<State>& region2() {
  static const std::vector<State> s = lattice(300.0, 1070.0, 0.05, 400.0, 2);
  return s;
}
const std::vector<State>& region3() {
  static const std::vector<State> s = lattice(624.0, 860.0, 170.0, 1000.0, 3);
  return s;
}

using SinglePhaseFunction = double (*)(double, double);
using ByPressureFunction = double (*)(double&);

void singlePhase(benchmark::State& bm, SinglePhaseFunction f, const std::vector<State>& states) {
  for (auto _ : bm) {
    for (const State& s : states) benchmark::DoNotOptimize(f(s.temperature, s.pressure));
  }
  bm.SetItemsProcessed(bm.iterations() * static_cast<std::int64_t>(states.size()));
}

void BM_pSatW(benchmark::State& bm) {
  for (auto _ : bm) {
    for (std::size_t k = 0; k < kSpread; ++k) {
      benchmark::DoNotOptimize(steam::pSatW(273.15 + 373.0 * static_cast<double>(k) / kSpread));
    }
  }
  bm.SetItemsProcessed(bm.iterations() * static_cast<std::int64_t>(kSpread));
}

void BM_tSatW(benchmark::State& bm) {
  for (auto _ : bm) {
    for (std::size_t k = 0; k < kSpread; ++k) {
      benchmark::DoNotOptimize(steam::tSatW(0.01 + 220.0 * static_cast<double>(k) / kSpread));
    }
  }
  bm.SetItemsProcessed(bm.iterations() * static_cast<std::int64_t>(kSpread));
}

// Saturated members by pressure over the low branch and the near-critical branch; each call
// gets a fresh copy of its pressure.
void byPressure(benchmark::State& bm, ByPressureFunction f, double p0, double p1) {
  for (auto _ : bm) {
    for (std::size_t k = 0; k < kSpread; ++k) {
      double p = p0 + (p1 - p0) * static_cast<double>(k) / kSpread;
      benchmark::DoNotOptimize(f(p));
    }
  }
  bm.SetItemsProcessed(bm.iterations() * static_cast<std::int64_t>(kSpread));
}

constexpr double kLowBranchBottom = 0.01;  // [bar]
constexpr double kLowBranchTop = 165.0;    // [bar]
constexpr double kNearCriticalBottom = 166.0;
constexpr double kNearCriticalTop = 220.6;

}  // namespace

BENCHMARK_CAPTURE(singlePhase, enthalpyW_region1, steam::enthalpyW, region1());
BENCHMARK_CAPTURE(singlePhase, entropyW_region1, steam::entropyW, region1());
BENCHMARK_CAPTURE(singlePhase, cpW_region1, steam::cpW, region1());
BENCHMARK_CAPTURE(singlePhase, enthalpyW_region2, steam::enthalpyW, region2());
BENCHMARK_CAPTURE(singlePhase, entropyW_region2, steam::entropyW, region2());
BENCHMARK_CAPTURE(singlePhase, cpW_region2, steam::cpW, region2());
BENCHMARK_CAPTURE(singlePhase, enthalpyW_region3, steam::enthalpyW, region3());
BENCHMARK_CAPTURE(singlePhase, entropyW_region3, steam::entropyW, region3());
BENCHMARK_CAPTURE(singlePhase, cpW_region3, steam::cpW, region3());
BENCHMARK(BM_pSatW);
BENCHMARK(BM_tSatW);
BENCHMARK_CAPTURE(byPressure, enthalpySatLiqPW_low, steam::enthalpySatLiqPW, kLowBranchBottom,
                  kLowBranchTop);
BENCHMARK_CAPTURE(byPressure, enthalpySatVapPW_low, steam::enthalpySatVapPW, kLowBranchBottom,
                  kLowBranchTop);
BENCHMARK_CAPTURE(byPressure, entropySatLiqPW_low, steam::entropySatLiqPW, kLowBranchBottom,
                  kLowBranchTop);
BENCHMARK_CAPTURE(byPressure, entropySatVapPW_low, steam::entropySatVapPW, kLowBranchBottom,
                  kLowBranchTop);
BENCHMARK_CAPTURE(byPressure, enthalpySatLiqPW_nearCritical, steam::enthalpySatLiqPW,
                  kNearCriticalBottom, kNearCriticalTop);
BENCHMARK_CAPTURE(byPressure, entropySatLiqPW_nearCritical, steam::entropySatLiqPW,
                  kNearCriticalBottom, kNearCriticalTop);
BENCHMARK_CAPTURE(byPressure, entropySatVapPW_nearCritical, steam::entropySatVapPW,
                  kNearCriticalBottom, kNearCriticalTop);
BENCHMARK_CAPTURE(byPressure, enthalpySatVapPW_nearCritical, steam::enthalpySatVapPW,
                  kNearCriticalBottom, kNearCriticalTop);
