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

// The converter dialogs' examples go through the whole dialog in the shell
// tests; these are the rounding rules themselves, as the user reads them.
TEST(RoundHalfEven, TiesGoToTheEvenDigitOfTheShownValue) {
  const std::pair<std::pair<double, int>, const char*> cases[] = {
      {{33.125, 2}, "33.12"},
      {{0.875 * 1.8 + 32, 2}, "33.58"},  // judged on the 15 digits shown: 33.575
      {{2.675, 2}, "2.68"},              // though the Double is 2.67499999...
      {{(0 - 273.15) * 1.8 + 32, 2}, "-459.67"},
      {{-2.5, 0}, "-2"},
      {{-3.5, 0}, "-4"},
      {{0.5, 0}, "0"},
      {{0.015, 2}, "0.02"},
      {{0.005, 2}, "0"},
      {{0.004999, 2}, "0"},
      {{-0.004, 2}, "0"},
      {{9.995, 2}, "10"},
      {{123456.789, 0}, "123457"},
      {{14.25, 2}, "14.25"},
      {{1e300, 2}, "1E+300"},
      {{1e-20, 2}, "0"},
      {{0.0, 2}, "0"}};
  for (const auto& [in, text] : cases)
    EXPECT_EQ(NumberText(RoundHalfEven(in.first, in.second)), text)
        << in.first << ", " << in.second;
}

TEST(NumberText, ShortestTextOfFifteenDigits) {
  const std::pair<double, const char*> cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {2.0, "2"},
      {-17.25, "-17.25"},
      {0.1 + 0.2, "0.3"},  // 15 significant digits hide the binary error
      {1.0 / 3.0, "0.333333333333333"},
      {123456789012345.0, "123456789012345"},
      {0.0001, "0.0001"},
      {1e15, "1E+15"},
      {-2.5e20, "-2.5E+20"},
      {0.00001, "1E-05"},
      {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
      {std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"}};
  for (const auto& [x, text] : cases) EXPECT_EQ(NumberText(x), text);
  // Whatever it shows reads back as the same 15-digit value.
  for (double x : {1e15, 6.02214076e23, 1.5e-7, -9.87654321e-300}) {
    EXPECT_DOUBLE_EQ(ParseNumber(NumberText(x)), x);
  }
}

TEST(NumberText, InfinityAndNaNAreRunTimeErrors) {
  EXPECT_THROW(NumberText(std::numeric_limits<double>::infinity()), RuntimeError);
  EXPECT_THROW(NumberText(std::nan("")), RuntimeError);
  EXPECT_THROW(RoundHalfEven(std::nan(""), 2), RuntimeError);
}

TEST(ParseNumber, AcceptsDecimalTexts) {
  const std::pair<const char*, double> cases[] = {
      {"42", 42.0},   {"  -3.5  ", -3.5}, {"+0.25", 0.25},   {".5", 0.5},
      {"5.", 5.0},    {"1e3", 1000.0},    {"1.5E-2", 0.015}, {"2E+02", 200.0},
      {"\t7\t", 7.0}, {"1e-400", 0.0}};  // below the Double range reads as 0
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(ParseNumber(text), value) << '"' << text << '"';
    EXPECT_TRUE(IsNumber(text)) << '"' << text << '"';
  }
}

TEST(ParseNumber, RejectsEverythingElse) {
  for (const char* text :
       {"",    " ",   "-",   "+",   ".",    "abc", "1,5", "1.2.3",    "1e",  "1e+",   "e5",
        "--1", "1 2", "inf", "nan", "0x10", "1d5", "12a", "Temp OOR", "OOR", "1e400", "-1e999"}) {
    EXPECT_THROW(ParseNumber(text), RuntimeError) << '"' << text << '"';
    EXPECT_FALSE(IsNumber(text)) << '"' << text << '"';
  }
}

// Whether a text lies beyond the Double range depends on its value, not on the
// sign of its exponent: a long run of digits can outweigh the exponent.
TEST(ParseNumber, JudgesTheRangeByTheValue) {
  const std::string zeros400(400, '0');
  EXPECT_EQ(ParseNumber("0." + zeros400 + "1"), 0.0);                    // 1e-401
  EXPECT_EQ(ParseNumber("-0." + zeros400 + "1e+5"), 0.0);                // -1e-396
  EXPECT_EQ(ParseNumber("1" + zeros400 + "e-500"), 1e-100);              // in range
  EXPECT_THROW(ParseNumber("1" + zeros400 + "e-50"), RuntimeError);      // 1e350
  EXPECT_THROW(ParseNumber("0.0" + zeros400 + "1e+800"), RuntimeError);  // 1e398
  EXPECT_EQ(ParseNumber("0.000" + zeros400 + "e+500"), 0.0);  // zero whatever the exponent
}

TEST(Numbers, IgnoreTheProcessLocale) {
  const char* previous = std::setlocale(LC_ALL, nullptr);
  const std::string saved = previous ? previous : "C";
  bool comma = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "C.UTF-8"}) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      comma = std::string(name).rfind("C.", 0) != 0;
      break;
    }
  }
  EXPECT_EQ(NumberText(98.6), "98.6");
  EXPECT_EQ(ParseNumber("98.6"), 98.6);
  EXPECT_THROW(ParseNumber("98,6"), RuntimeError);
  EXPECT_EQ(NumberText(RoundHalfEven(33.125, 2)), "33.12");
  std::setlocale(LC_ALL, saved.c_str());
  if (!comma) GTEST_SKIP() << "no locale with a decimal comma installed";
}

}  // namespace
}  // namespace corvasine::runtime
