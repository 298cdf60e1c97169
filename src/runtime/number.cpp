#include "runtime/number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

#include "runtime/runtime_error.h"

namespace corvasine::runtime {
namespace {

constexpr int kSignificantDigits = 15;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// [sign] digits [. digits] [(e|E) [sign] digits], at least one mantissa digit.
bool isDecimalSyntax(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t mantissaDigits = 0;
  while (i < s.size() && isDigit(s[i])) ++i, ++mantissaDigits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  return i == s.size();
}

// Decimal exponent of the leading significant digit of an unsigned decimal
// text of valid syntax: a non-zero value lies in [10^e, 10^(e+1)).
// It tells a value too small for a Double from one too large, whatever the
// mix of digits, point and exponent that wrote it.
long long leadingExponent(std::string_view s) {
  constexpr long long kExponentCap = 1'000'000'000'000;  // far beyond any Double
  const std::size_t e = s.find_first_of("eE");
  long long exponent = 0;
  if (e != std::string_view::npos) {
    std::size_t i = e + 1;
    const bool negative = s[i] == '-';
    if (s[i] == '+' || s[i] == '-') ++i;
    for (; i < s.size(); ++i) exponent = std::min(exponent * 10 + (s[i] - '0'), kExponentCap);
    if (negative) exponent = -exponent;
  }
  const std::string_view mantissa = s.substr(0, e);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return -1;  // zero: never beyond the range
  const long long lead = first < point ? static_cast<long long>(point - first) - 1
                                       : -static_cast<long long>(first - point);
  return lead + exponent;
}

// Decimal digits of |x| rounded to 15 significant digits: digits "d0d1...d14"
// and the decimal exponent of d0.
struct Decimal15 {
  char digits[kSignificantDigits];
  int exponent;
};

Decimal15 toDecimal15(double magnitude) {
  char buffer[64];
  auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                 std::chars_format::scientific, kSignificantDigits - 1);
  (void)ec;
  Decimal15 d{};
  // Form: d.dddddddddddddde[+-]xx
  d.digits[0] = buffer[0];
  for (int k = 1; k < kSignificantDigits; ++k) d.digits[k] = buffer[k + 1];
  const char* e = buffer + kSignificantDigits + 1;  // at 'e'
  std::from_chars(e + (e[1] == '+' ? 2 : 1), end, d.exponent);
  return d;
}

}  // namespace

bool IsNumber(std::string_view text) {
  try {
    ParseNumber(text);
    return true;
  } catch (const RuntimeError&) {
    return false;
  }
}

double ParseNumber(std::string_view text) {
  std::string_view s = trimBlanks(text);
  if (!isDecimalSyntax(s)) throw RuntimeError("type mismatch");
  bool negative = false;
  if (s.front() == '+' || s.front() == '-') {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  double value = 0.0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec == std::errc::result_out_of_range) {
    // from_chars reports both overflow and underflow; only overflow is an error.
    if (leadingExponent(s) >= 0) throw RuntimeError("overflow");
    value = 0.0;
  } else if (ec != std::errc() || ptr != s.data() + s.size()) {
    throw RuntimeError("type mismatch");
  }
  return negative ? -value : value;
}

std::string NumberText(double x) {
  if (!std::isfinite(x)) throw RuntimeError("arithmetic fault");
  if (x == 0.0) return "0";
  const Decimal15 d = toDecimal15(std::fabs(x));
  int last = kSignificantDigits - 1;
  while (last > 0 && d.digits[last] == '0') --last;
  const std::string digits(d.digits, d.digits + last + 1);

  std::string out = x < 0 ? "-" : "";
  if (d.exponent >= kSignificantDigits || d.exponent < -4) {
    out.append(digits, 0, 1);
    if (digits.size() > 1) out.append(".").append(digits, 1);
    const int e = std::abs(d.exponent);
    out.append(d.exponent < 0 ? "E-" : "E+");
    if (e < 10) out.push_back('0');
    out.append(std::to_string(e));
  } else if (d.exponent < 0) {
    out.append("0.").append(static_cast<std::size_t>(-d.exponent - 1), '0').append(digits);
  } else {
    const auto intDigits = static_cast<std::size_t>(d.exponent + 1);
    if (digits.size() <= intDigits) {
      out.append(digits).append(intDigits - digits.size(), '0');
    } else {
      out.append(digits, 0, intDigits).append(".").append(digits, intDigits);
    }
  }
  return out;
}

double RoundHalfEven(double x, int n) {
  if (!std::isfinite(x)) throw RuntimeError("arithmetic fault");
  if (x == 0.0 || n < 0) return x;
  const Decimal15 d = toDecimal15(std::fabs(x));
  // Position of the last kept digit within the 15 digits.
  const int keep = d.exponent + 1 + n;       // number of digits kept
  if (keep >= kSignificantDigits) return x;  // nothing beyond the kept decimals
  if (keep < 0) return std::copysign(0.0, x) + 0.0;

  // Kept digits as an integer mantissa, then decide on the dropped part.
  // With no digit kept the value rounds to 0 or to one unit of the last decimal.
  std::string kept = keep > 0 ? std::string(d.digits, d.digits + keep) : std::string(1, '0');
  const char first = d.digits[keep];
  bool restNonZero = false;
  for (int k = keep + 1; k < kSignificantDigits; ++k) restNonZero |= d.digits[k] != '0';
  const bool lastOdd = keep > 0 && ((kept.back() - '0') % 2 == 1);
  const bool roundUp = first > '5' || (first == '5' && (restNonZero || lastOdd));

  int exponent = d.exponent - keep + 1;  // value = kept * 10^exponent
  if (roundUp) {
    int k = static_cast<int>(kept.size()) - 1;
    while (k >= 0 && kept[static_cast<std::size_t>(k)] == '9')
      kept[static_cast<std::size_t>(k--)] = '0';
    if (k < 0) {
      kept.insert(kept.begin(), '1');
    } else {
      ++kept[static_cast<std::size_t>(k)];
    }
  }
  const std::string text = kept + "e" + std::to_string(exponent);
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return x < 0 ? -value : value;
}

}  // namespace corvasine::runtime
