#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::runtime {
namespace {

// The rounding and the shown text as the user reads them. Which texts read as
// numbers, that every shown text reads back within 15 digits, and that rounding
// stays near, is checked by the fuzz_number target over its corpus.
TEST(RoundHalfEven, TiesGoToTheEvenDigitOfTheShownValue) {
  // Ties of decimal values (33.125, 2.675, -2.5 ...) are in the fuzz_number corpus.
  const std::pair<std::pair<double, int>, const char*> cases[] = {
      {{0.875 * 1.8 + 32, 2}, "33.58"},  // judged on the 15 digits shown: 33.575
      {{(0 - 273.15) * 1.8 + 32, 2}, "-459.67"}};
  for (const auto& [in, text] : cases)
    EXPECT_EQ(NumberText(RoundHalfEven(in.first, in.second)), text)
        << in.first << ", " << in.second;
}

TEST(NumberText, ShortestTextOfFifteenDigits) {
  const std::pair<double, const char*> cases[] = {
      {-0.0, "0"},
      {1.0 / 3.0, "0.333333333333333"},
      {123456789012345.0, "123456789012345"},
      {0.0001, "0.0001"},
      {1e15, "1E+15"},
      {-2.5e20, "-2.5E+20"},
      {0.00001, "1E-05"},
      {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
      {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"}};
  for (const auto& [x, text] : cases) EXPECT_EQ(NumberText(x), text);
}

TEST(NumberText, InfinityAndNaNAreRunTimeErrors) {
  EXPECT_THROW(NumberText(std::numeric_limits<double>::infinity()), RuntimeError);
  EXPECT_THROW(NumberText(std::nan("")), RuntimeError);
  EXPECT_THROW(RoundHalfEven(std::nan(""), 2), RuntimeError);
}

// A process locale with a decimal comma changes neither the text of a
// number nor its reading.
TEST(Numbers, IgnoreTheProcessLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr &&
      std::setlocale(LC_ALL, "fr_FR.UTF-8") == nullptr)
    GTEST_SKIP() << "no locale with a decimal comma installed";
  EXPECT_EQ(NumberText(98.6), "98.6");
  EXPECT_EQ(ParseNumber("98.6"), 98.6);
  EXPECT_THROW(ParseNumber("98,6"), RuntimeError);
  EXPECT_EQ(NumberText(RoundHalfEven(33.125, 2)), "33.12");
  std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace corvasine::runtime
