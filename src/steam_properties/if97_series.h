// Fast evaluation of the IAPWS-IF97 power series sum n x^I y^J and its derivatives. Each
// derivative is stored at compile time as its list of terms c x^a y^b, with c = n times the
// integer factors of the derivative and the rows whose factor vanishes left out. At run time the
// powers come from tables built by multiplication, every term and power is unrolled into
// straight-line code. Rows with one exponent of x stand next to each other in the tables; such a
// run is summed in row order and multiplied by its power of x, and the runs go into four
// interleaved partial sums (the order differs from a plain row-order sum only by rounding,
// which the tests bound against the term-by-term evaluation). Several derivatives
// of one series share one pair of power tables; a power's value does not depend on which
// derivatives share its table, so a derivative comes out the same whichever bundle computes it.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

#include "steam_properties/if97_tables.h"

namespace corvasine::steam::series {

// One term c x^a y^b of a derived series.
struct ScaledTerm {
  double c;
  int a;
  int b;
};

// Integer factor of the derivative of order `order` of x^k: 1, k or k (k - 1).
constexpr int derivativeFactor(int k, int order) {
  return order == 0 ? 1 : (order == 1 ? k : k * (k - 1));
}

template <std::size_t N>
constexpr std::size_t activeRowCount(const std::array<If97Term, N>& rows, std::size_t first,
                                     int orderX, int orderY) {
  std::size_t count = 0;
  for (std::size_t k = first; k < N; ++k) {
    if (derivativeFactor(rows[k].I, orderX) != 0 && derivativeFactor(rows[k].J, orderY) != 0) {
      ++count;
    }
  }
  return count;
}

// Terms of the derivative of order (OrderX, OrderY) of the series in Rows, from row First on.
template <const auto& Rows, std::size_t First, int OrderX, int OrderY>
constexpr auto deriveTerms() {
  constexpr std::size_t kCount = activeRowCount(Rows, First, OrderX, OrderY);
  std::array<ScaledTerm, kCount> terms{};
  std::size_t out = 0;
  for (std::size_t k = First; k < Rows.size(); ++k) {
    if (derivativeFactor(Rows[k].I, OrderX) == 0 || derivativeFactor(Rows[k].J, OrderY) == 0) {
      continue;
    }
    double c = Rows[k].n;
    if (OrderX >= 1) c *= Rows[k].I;
    if (OrderX == 2) c *= Rows[k].I - 1;
    if (OrderY >= 1) c *= Rows[k].J;
    if (OrderY == 2) c *= Rows[k].J - 1;
    terms[out++] = ScaledTerm{c, Rows[k].I - OrderX, Rows[k].J - OrderY};
  }
  return terms;
}

template <const auto& Rows, std::size_t First, int OrderX, int OrderY>
inline constexpr auto kTerms = deriveTerms<Rows, First, OrderX, OrderY>();

// Exponents of a power table: those the terms use, closed under the split k -> k / 2, k - k / 2
// by which every power is formed.
template <int Lo, int Hi>
struct ExponentSet {
  std::array<bool, Hi - Lo + 1> used{};

  constexpr bool contains(int k) const { return used[static_cast<std::size_t>(k - Lo)]; }
  constexpr void add(int k) {
    if (contains(k)) return;
    used[static_cast<std::size_t>(k - Lo)] = true;
    const int m = k < 0 ? -k : k;
    const int sign = k < 0 ? -1 : 1;
    if (m >= 2) {
      add(sign * (m / 2));
      add(sign * (m - m / 2));
    }
  }
};

// x^k for the exponents k of Set, Lo <= k <= Hi (Lo <= 0 <= Hi). Each power is the product of
// the powers of k / 2 and k - k / 2 (negative powers likewise from 1 / x), so a power has the same
// value in every table and the chains of dependent multiplications stay short.
template <int Lo, int Hi, ExponentSet<Lo, Hi> Set>
class IntPowers {
 public:
  explicit IntPowers(double x) {
    at<0>() = 1.0;
    if constexpr (Hi >= 1) fillPositive(x, std::make_integer_sequence<int, Hi>{});
    if constexpr (Lo <= -1) fillNegative(1.0 / x, std::make_integer_sequence<int, -Lo>{});
  }

  template <int K>
  double get() const {
    static_assert(Set.contains(K));
    return values_[K - Lo];
  }

 private:
  template <int K>
  double& at() {
    return values_[K - Lo];
  }
  template <int K>
  void fill(double x1) {
    if constexpr (Set.contains(K)) {
      constexpr int kSign = K < 0 ? -1 : 1;
      constexpr int kMagnitude = K * kSign;
      if constexpr (kMagnitude == 1) {
        at<K>() = x1;
      } else {
        at<K>() = at<kSign*(kMagnitude / 2)>() * at<kSign*(kMagnitude - kMagnitude / 2)>();
      }
    }
  }
  // K runs over 0 .. Hi-1 and fills x^(K+1); x1 is x.
  template <int... K>
  void fillPositive(double x, std::integer_sequence<int, K...>) {
    (fill<K + 1>(x), ...);
  }
  // K runs over 0 .. -Lo-1 and fills x^-(K+1); x1 is 1 / x.
  template <int... K>
  void fillNegative(double inverse, std::integer_sequence<int, K...>) {
    (fill<-(K + 1)>(inverse), ...);
  }

  std::array<double, Hi - Lo + 1> values_{};
};

// Which derivatives a bundle computes: the series itself and its first and second derivatives
// by x and by y.
enum Derivative : unsigned {
  kValue = 1u << 0,
  kX = 1u << 1,
  kXX = 1u << 2,
  kY = 1u << 3,
  kYY = 1u << 4,
  kXY = 1u << 5,
};

// Start values (the leading terms) and results of the derivatives of a bundle.
struct Sums {
  double value = 0.0;
  double x = 0.0;
  double xx = 0.0;
  double y = 0.0;
  double yy = 0.0;
  double xy = 0.0;
};

template <const auto& Rows, std::size_t First>
struct Series {
  template <int OrderX, int OrderY>
  static constexpr const auto& terms() {
    return kTerms<Rows, First, OrderX, OrderY>;
  }

  // Calls visit(terms) for the term list of every derivative in `which`.
  template <typename Visit>
  static constexpr void forEachDerivative(unsigned which, Visit visit) {
    if ((which & kValue) != 0) visit(terms<0, 0>());
    if ((which & kX) != 0) visit(terms<1, 0>());
    if ((which & kXX) != 0) visit(terms<2, 0>());
    if ((which & kY) != 0) visit(terms<0, 1>());
    if ((which & kYY) != 0) visit(terms<0, 2>());
    if ((which & kXY) != 0) visit(terms<1, 1>());
  }

  // Extreme exponent (of x when ofX, else of y) over the derivatives in `which`; 0 included.
  static constexpr int exponentBound(unsigned which, bool ofX, bool upper) {
    int bound = 0;
    forEachDerivative(which, [&](const auto& list) {
      for (const ScaledTerm& t : list) {
        const int e = ofX ? t.a : t.b;
        bound = upper ? std::max(bound, e) : std::min(bound, e);
      }
    });
    return bound;
  }

  template <unsigned Which, bool OfX>
  static constexpr auto exponentSet() {
    ExponentSet<exponentBound(Which, OfX, false), exponentBound(Which, OfX, true)> set;
    set.add(0);
    forEachDerivative(Which, [&](const auto& list) {
      for (const ScaledTerm& t : list) set.add(OfX ? t.a : t.b);
    });
    return set;
  }

  template <unsigned Which>
  using PowersX = IntPowers<exponentBound(Which, true, false), exponentBound(Which, true, true),
                            exponentSet<Which, true>()>;
  template <unsigned Which>
  using PowersY = IntPowers<exponentBound(Which, false, false), exponentBound(Which, false, true),
                            exponentSet<Which, false>()>;

  // A run: neighbouring terms with one exponent of x, summed as x^a times the sum of c y^b.
  template <const auto& Terms>
  static constexpr std::size_t runCount() {
    std::size_t runs = 0;
    for (std::size_t k = 0; k < Terms.size(); ++k) {
      if (k == 0 || Terms[k - 1].a != Terms[k].a) ++runs;
    }
    return runs;
  }

  // Index of the first term of each run, and one past the last term.
  template <const auto& Terms>
  static constexpr auto runStarts() {
    std::array<std::size_t, runCount<Terms>() + 1> starts{};
    std::size_t r = 0;
    for (std::size_t k = 0; k < Terms.size(); ++k) {
      if (k == 0 || Terms[k - 1].a != Terms[k].a) starts[r++] = k;
    }
    starts[r] = Terms.size();
    return starts;
  }

  template <const auto& Terms, std::size_t Begin, typename PY, std::size_t... K>
  static double runSum(const PY& py, std::index_sequence<K...>) {
    double sum = 0.0;
    ((sum += Terms[Begin + K].c * py.template get<Terms[Begin + K].b>()), ...);
    return sum;
  }

  template <const auto& Terms, std::size_t R, typename PX, typename PY>
  static double run(const PX& px, const PY& py) {
    constexpr auto kStarts = runStarts<Terms>();
    constexpr std::size_t kBegin = kStarts[R];
    constexpr std::size_t kLength = kStarts[R + 1] - kStarts[R];
    return px.template get<Terms[kBegin].a>() *
           runSum<Terms, kBegin>(py, std::make_index_sequence<kLength>{});
  }

  // Four interleaved partial sums over the runs keep the chains of dependent additions short.
  template <const auto& Terms, typename PX, typename PY, std::size_t... R>
  static double addRuns(double start, const PX& px, const PY& py, std::index_sequence<R...>) {
    std::array<double, 4> partial{start, 0.0, 0.0, 0.0};
    ((partial[R % 4] += run<Terms, R>(px, py)), ...);
    return (partial[0] + partial[1]) + (partial[2] + partial[3]);
  }

  template <int OrderX, int OrderY, typename PX, typename PY>
  static double sum(double start, const PX& px, const PY& py) {
    constexpr std::size_t kRuns = runCount<kTerms<Rows, First, OrderX, OrderY>>();
    return addRuns<kTerms<Rows, First, OrderX, OrderY>>(start, px, py,
                                                        std::make_index_sequence<kRuns>{});
  }

  // The derivatives in Which at (x, y), each added to its start value.
  template <unsigned Which>
  static Sums evaluate(double x, double y, const Sums& start = {}) {
    const PowersX<Which> px(x);
    const PowersY<Which> py(y);
    Sums out;
    if constexpr ((Which & kValue) != 0) out.value = sum<0, 0>(start.value, px, py);
    if constexpr ((Which & kX) != 0) out.x = sum<1, 0>(start.x, px, py);
    if constexpr ((Which & kXX) != 0) out.xx = sum<2, 0>(start.xx, px, py);
    if constexpr ((Which & kY) != 0) out.y = sum<0, 1>(start.y, px, py);
    if constexpr ((Which & kYY) != 0) out.yy = sum<0, 2>(start.yy, px, py);
    if constexpr ((Which & kXY) != 0) out.xy = sum<1, 1>(start.xy, px, py);
    return out;
  }
};

}  // namespace corvasine::steam::series
