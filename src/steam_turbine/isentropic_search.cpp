#include "steam_turbine/isentropic_search.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <vector>

#include "runtime/runtime_error.h"
#include "steam_properties/state_selection.h"
#include "steam_properties/water_steam.h"
#include "steam_turbine/library_units.h"

namespace corvasine::steam_turbine {
namespace {

using runtime::checked;
using runtime::checkedDiv;

// A stretch of steps is searched by bisection only where consecutive steps
// differ by far more than the rounding of one evaluation. Wet steps: the mixed
// entropy falls by (sv - sf) × 0.0001 per step, its rounding is a few ulp of
// the saturated entropies (of order 1 Btu/(lb °F)); this margin on sv - sf
// keeps the fall above 1e-10, a million times the rounding.
constexpr double kWetMonotoneMargin = 1e-6;  // Btu/(lb °F), relative to max(1, |sf|, |sv|)

// First index in (known, reaching] whose step reaches the goal, `known` being
// a step that does not (or the one before the stretch), `reaching` one that
// does (or the one past it). `reaches` must be monotone over the stretch.
template <typename Reaches>
std::size_t bisect(std::size_t known, std::size_t reaching, Reaches reaches) {
  while (reaching - known > 1) {
    const std::size_t mid = known + (reaching - known) / 2;
    if (reaches(mid)) {
      reaching = mid;
    } else {
      known = mid;
    }
  }
  return reaching;
}

// The quality of every wet step: 1 less the step, subtracted again and again,
// down to the first negative value.
const std::vector<double>& qualitySteps() {
  static const std::vector<double> steps = [] {
    std::vector<double> x{1.0};
    while (x.back() >= 0.0) x.push_back(checked(x.back() - kIsenQualityStep));
    return x;
  }();
  return steps;
}

double mixedEntropy(double x, double sf, double sv) {
  return checked(checked(checked(1.0 - x) * sf) + checked(sv * x));
}

// Superheated steps at one pressure: T(0) is the saturation temperature,
// T(n) = T(n-1) × 1.0001 while it stays in the library's range. The steps are
// made as far as a search needs them.
class SuperheatedSteps {
 public:
  SuperheatedSteps(double t0, double pressure) : pressure_(pressure) {
    temps_.push_back(t0);
    entropy_.push_back(kUnknown);
    region2From_ = firstOfRegion2Stretch();
  }

  std::optional<double> find(double s) {
    if (const std::optional<std::size_t> n = findBeforeRegion2(s)) return temps_[*n];
    const std::size_t n = findInRegion2(s);
    if (!has(n)) return std::nullopt;
    return temps_[n];
  }

 private:
  static constexpr double kUnknown = std::numeric_limits<double>::quiet_NaN();

  // Whether step n lies in the range, making the steps up to it.
  bool has(std::size_t n) {
    while (temps_.size() <= n && !leftRange_) {
      const double t = checked(temps_.back() * kIsenTemperatureFactor);
      if (t < kLibraryLowestTemperature || t > kLibraryHighestTemperature) {
        leftRange_ = true;
      } else {
        temps_.push_back(t);
        entropy_.push_back(kUnknown);
      }
    }
    return n < temps_.size();
  }

  // The first step out of range.
  std::size_t end() {
    has(std::numeric_limits<std::size_t>::max());
    return temps_.size();
  }

  bool inRegion2(std::size_t n) const {
    return steam::singlePhaseRegion(temps_[n], pressure_) == steam::Region::kTwo;
  }

  double entropyAt(std::size_t n) {
    if (std::isnan(entropy_[n])) {
      entropy_[n] = checked(steam::entropyW(temps_[n], pressure_) * kBtuPerLbFPerKJPerKgK);
    }
    return entropy_[n];
  }

  // At a fixed pressure region 2 is every temperature above a bound (the
  // saturation pressure and the region 2-3 boundary pressure both rise with
  // the temperature), so its steps are one stretch up to the end of the range.
  std::size_t firstOfRegion2Stretch() {
    if (!has(1) || inRegion2(1)) return 1;
    const std::size_t last = end() - 1;
    if (!inRegion2(last)) return last + 1;
    return bisect(1, last, [this](std::size_t n) { return inRegion2(n); });
  }

  // Steps before region 2 (near the critical point, or none at all for a
  // pressure outside the library's range) are taken one by one, each once:
  // the first step reaching s is the first whose running maximum reaches it.
  std::optional<std::size_t> findBeforeRegion2(double s) {
    while (runningMax_.size() + 1 < region2From_ &&
           (runningMax_.empty() || runningMax_.back() < s)) {
      const double v = entropyAt(runningMax_.size() + 1);
      runningMax_.push_back(runningMax_.empty() ? v : std::max(runningMax_.back(), v));
    }
    if (runningMax_.empty() || runningMax_.back() < s) return std::nullopt;
    return static_cast<std::size_t>(std::lower_bound(runningMax_.begin(), runningMax_.end(), s) -
                                    runningMax_.begin()) +
           1;
  }

  // In region 2 the entropy rises by cp × 0.0001 (over 1e-4 kJ/(kg K)) from
  // step to step, far beyond its rounding, so the steps reaching s are all
  // those from the first one on. The search starts at the previous answer
  // (the searches of one evaluation at one pressure end close together) and
  // widens its bracket by doubling before it bisects. A step out of range
  // counts as reaching: the search ends there.
  std::size_t findInRegion2(double s) {
    const std::size_t first = region2From_;
    if (!has(first)) return first;
    auto reaches = [this, s](std::size_t n) { return !has(n) || entropyAt(n) >= s; };
    std::size_t known = first - 1;  // reaches nothing
    std::size_t reaching = 0;
    const std::size_t start = std::max(hint_, first);
    if (reaches(start)) {
      reaching = start;
      for (std::size_t step = 1; reaching > first; step *= 2) {
        const std::size_t n = reaching - std::min(step, reaching - first);
        if (!reaches(n)) {
          known = n;
          break;
        }
        reaching = n;
      }
    } else {
      known = start;
      for (std::size_t step = 1;; step *= 2) {
        if (reaches(known + step)) {
          reaching = std::min(known + step, temps_.size());
          break;
        }
        known += step;
      }
    }
    hint_ = bisect(known, reaching, reaches);
    return hint_;
  }

  double pressure_;              // bar
  std::vector<double> temps_;    // K, the steps made so far, all in range
  std::vector<double> entropy_;  // Btu/(lb °F), NaN until computed
  bool leftRange_ = false;       // the step after the last one made is out of range
  std::size_t region2From_ = 1;
  std::vector<double> runningMax_;  // entropy maximum over steps 1..n before region 2
  std::size_t hint_ = 0;
};

// Wet steps at one pressure: x(n) from the quality table, the saturated
// entropies recomputed at every step on a pressure that the near-critical
// calls move up and back down. Once a step leaves the pressure as it found it,
// every later step sees the same pressure and the same saturated entropies.
class WetSteps {
 public:
  explicit WetSteps(double pressure) {
    const std::size_t last = qualitySteps().size() - 1;
    double pa = pressure;
    for (std::size_t n = 1; n < last; ++n) {
      double moved = pa;
      Saturated sat{};
      sat.sf = checked(steam::entropySatLiqPW(moved) * kBtuPerLbFPerKJPerKgK);
      sat.sv = checked(steam::entropySatVapPW(moved) * kBtuPerLbFPerKJPerKgK);
      if (moved == pa) {
        settled_ = sat;
        settledFrom_ = n;
        return;
      }
      unsettled_.push_back(sat);
      pa = moved;
    }
    settledFrom_ = last;
  }

  double find(double s) const {
    const std::vector<double>& x = qualitySteps();
    const std::size_t last = x.size() - 1;  // the first negative quality
    for (std::size_t n = 1; n < settledFrom_; ++n) {
      const Saturated& sat = unsettled_[n - 1];
      if (mixedEntropy(x[n], sat.sf, sat.sv) <= s) return x[n];
    }
    auto reaches = [&](std::size_t n) {
      return n == last || mixedEntropy(x[n], settled_.sf, settled_.sv) <= s;
    };
    std::size_t n = settledFrom_;
    if (fallsSteadily()) {
      n = bisect(settledFrom_ - 1, last, reaches);
    } else {
      while (!reaches(n)) ++n;
    }
    return n == last ? 0.0 : x[n];
  }

 private:
  struct Saturated {
    double sf;  // Btu/(lb °F)
    double sv;
  };

  bool fallsSteadily() const {
    const double scale = std::max({1.0, std::abs(settled_.sf), std::abs(settled_.sv)});
    return settled_.sv - settled_.sf > kWetMonotoneMargin * scale;
  }

  std::vector<Saturated> unsettled_;  // steps 1 .. settledFrom_ - 1
  Saturated settled_{};
  std::size_t settledFrom_ = 1;
};

// Everything isen_cond computes at one pressure (psia).
class PressureSteps {
 public:
  explicit PressureSteps(double p) {
    double pa = checkedDiv(p, kLibraryPsiPerBar);
    t0_ = steam::tSatW(pa);
    sg_ = checked(steam::entropySatVapPW(pa) * kBtuPerLbFPerKJPerKgK);
    pa_ = pa;
  }

  std::optional<double> isen_cond(double s) {
    if (s > sg_) {
      if (!superheated_) superheated_ = std::make_unique<SuperheatedSteps>(t0_, pa_);
      return superheated_->find(s);
    }
    if (s < sg_) {
      if (!wet_) wet_ = std::make_unique<WetSteps>(pa_);
      return wet_->find(s);
    }
    return 1.0;
  }

 private:
  double t0_;  // K, saturation temperature
  double sg_;  // Btu/(lb °F), saturated-vapour entropy
  double pa_;  // bar, as the saturated-vapour call left it
  std::unique_ptr<SuperheatedSteps> superheated_;
  std::unique_ptr<WetSteps> wet_;
};

class FastIsentropicSearch final : public IsentropicSearch {
 public:
  std::optional<double> isen_cond(double s, double p) override {
    const auto key = std::bit_cast<std::uint64_t>(p);
    auto it = byPressure_.find(key);
    if (it == byPressure_.end())
      it = byPressure_.emplace(key, std::make_unique<PressureSteps>(p)).first;
    return it->second->isen_cond(s);
  }

 private:
  std::unordered_map<std::uint64_t, std::unique_ptr<PressureSteps>> byPressure_;
};

}  // namespace

std::unique_ptr<IsentropicSearch> makeFastIsentropicSearch() {
  return std::make_unique<FastIsentropicSearch>();
}

}  // namespace corvasine::steam_turbine
