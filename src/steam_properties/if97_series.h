// Fast evaluation of the IAPWS-IF97 power series. A derivative of sum n x^I y^J is stored at
// compile time as its list of terms c x^a y^b, with c = n times the integer factors of the
// derivative and the rows whose factor vanishes left out; at run time every power comes from a
// table built by multiplication, and the terms are added in the standard's row order.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

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

// Number of rows from `first` on whose derivative of order (orderX, orderY) does not vanish.
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
    const int fx = derivativeFactor(Rows[k].I, OrderX);
    const int fy = derivativeFactor(Rows[k].J, OrderY);
    if (fx == 0 || fy == 0) continue;
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

template <std::size_t N>
constexpr int minExponent(const std::array<ScaledTerm, N>& terms, int ScaledTerm::*exponent) {
  int m = 0;
  for (const ScaledTerm& t : terms) m = std::min(m, t.*exponent);
  return m;
}

template <std::size_t N>
constexpr int maxExponent(const std::array<ScaledTerm, N>& terms, int ScaledTerm::*exponent) {
  int m = 0;
  for (const ScaledTerm& t : terms) m = std::max(m, t.*exponent);
  return m;
}

// x^k for Lo <= k <= Hi (Lo <= 0 <= Hi). Each power is the product of two lower ones, so the
// chain of dependent multiplications stays short.
template <int Lo, int Hi>
class IntPowers {
 public:
  explicit IntPowers(double x) {
    double* p = values_.data() - Lo;  // p[k] is x^k
    p[0] = 1.0;
    if constexpr (Hi >= 1) {
      p[1] = x;
      for (int k = 2; k <= Hi; ++k) p[k] = p[k / 2] * p[k - k / 2];
    }
    if constexpr (Lo <= -1) {
      p[-1] = 1.0 / x;
      for (int k = 2; k <= -Lo; ++k) p[-k] = p[-(k / 2)] * p[-(k - k / 2)];
    }
  }
  double operator[](int k) const { return values_[static_cast<std::size_t>(k - Lo)]; }

 private:
  std::array<double, Hi - Lo + 1> values_{};
};

// Powers of x and y covering every term of one derived series.
template <const auto& Terms>
struct PowersFor {
  using X = IntPowers<minExponent(Terms, &ScaledTerm::a), maxExponent(Terms, &ScaledTerm::a)>;
  using Y = IntPowers<minExponent(Terms, &ScaledTerm::b), maxExponent(Terms, &ScaledTerm::b)>;
};

// Adds the terms of Terms, in row order, to `start`.
template <const auto& Terms, typename PowX, typename PowY>
double addTerms(double start, const PowX& px, const PowY& py) {
  double sum = start;
  for (const ScaledTerm& t : Terms) sum += t.c * px[t.a] * py[t.b];
  return sum;
}

// start + derivative of order (OrderX, OrderY) of the series in Rows (from row First) at (x, y).
template <const auto& Rows, std::size_t First, int OrderX, int OrderY>
double evaluate(double start, double x, double y) {
  using Powers = PowersFor<kTerms<Rows, First, OrderX, OrderY>>;
  const typename Powers::X px(x);
  const typename Powers::Y py(y);
  return addTerms<kTerms<Rows, First, OrderX, OrderY>>(start, px, py);
}

}  // namespace corvasine::steam::series
