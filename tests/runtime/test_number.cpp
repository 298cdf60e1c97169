#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "runtime/number.h"
#include "runtime/runtime_error.h"

namespace corvasine::runtime {
namespace {

struct ConversionCase {
  double value;  // computed the way the converters compute it
  int decimals;
  const char* text;
};

class RoundedText : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(RoundedText, ShowsTheRoundedValue) {
  const auto& c = GetParam();
  EXPECT_EQ(NumberText(RoundHalfEven(c.value, c.decimals)), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    ConverterExamples, RoundedText,
    ::testing::Values(ConversionCase{37 * 1.8 + 32, 2, "98.6"},
                      ConversionCase{100 * 1.8 + 32, 2, "212"},
                      ConversionCase{0.625 * 1.8 + 32, 2, "33.12"},  // tie to even
                      ConversionCase{0.875 * 1.8 + 32, 2, "33.58"},  // 33.575: tie up to even
                      ConversionCase{1 * 14.6959, 2, "14.7"},
                      ConversionCase{(0 - 273.15) * 1.8 + 32, 2, "-459.67"},
                      ConversionCase{0 - 460.0, 2, "-460"},
                      ConversionCase{100 / 6.89476, 2, "14.5"},
                      ConversionCase{1000 * 2.20462 / 1000, 2, "2.2"},
                      ConversionCase{3 * 2204.62 / 1000, 2, "6.61"},
                      ConversionCase{-2.5, 0, "-2"},
                      ConversionCase{-3.5, 0, "-4"},
                      ConversionCase{0.5, 0, "0"},
                      ConversionCase{9.995, 2, "10"},
                      ConversionCase{-0.004, 2, "0"},
                      ConversionCase{123456.789, 0, "123457"}));

TEST(NumberText, PlainDigitsWithoutTrailingZeros) {
  EXPECT_EQ(NumberText(0.0), "0");
  EXPECT_EQ(NumberText(-0.0), "0");
  EXPECT_EQ(NumberText(2.0), "2");
  EXPECT_EQ(NumberText(-17.25), "-17.25");
  EXPECT_EQ(NumberText(0.1), "0.1");
  EXPECT_EQ(NumberText(0.1 + 0.2), "0.3");  // 15 significant digits hide the binary error
  EXPECT_EQ(NumberText(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(NumberText(123456789012345.0), "123456789012345");
  EXPECT_EQ(NumberText(0.0001), "0.0001");
}

TEST(NumberText, ExtremeMagnitudesUseAnExponent) {
  EXPECT_EQ(NumberText(1e15), "1E+15");
  EXPECT_EQ(NumberText(-2.5e20), "-2.5E+20");
  EXPECT_EQ(NumberText(0.00001), "1E-05");
  EXPECT_EQ(NumberText(std::numeric_limits<double>::max()), "1.79769313486232E+308");
  EXPECT_EQ(NumberText(std::numeric_limits<double>::denorm_min()), "4.94065645841247E-324");
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

TEST(RoundHalfEven, KeepsValuesWithFewerDecimals) {
  EXPECT_EQ(RoundHalfEven(14.25, 2), 14.25);
  EXPECT_EQ(RoundHalfEven(1e300, 2), 1e300);
  EXPECT_EQ(RoundHalfEven(0.0, 2), 0.0);
  EXPECT_EQ(RoundHalfEven(1e-20, 2), 0.0);
  EXPECT_EQ(RoundHalfEven(0.004999, 2), 0.0);
  EXPECT_EQ(RoundHalfEven(0.005, 2), 0.0);
  EXPECT_EQ(RoundHalfEven(0.015, 2), 0.02);
}

TEST(ParseNumber, AcceptsDecimalTexts) {
  EXPECT_EQ(ParseNumber("42"), 42.0);
  EXPECT_EQ(ParseNumber("  -3.5  "), -3.5);
  EXPECT_EQ(ParseNumber("+0.25"), 0.25);
  EXPECT_EQ(ParseNumber(".5"), 0.5);
  EXPECT_EQ(ParseNumber("5."), 5.0);
  EXPECT_EQ(ParseNumber("1e3"), 1000.0);
  EXPECT_EQ(ParseNumber("1.5E-2"), 0.015);
  EXPECT_EQ(ParseNumber("2E+02"), 200.0);
  EXPECT_EQ(ParseNumber("\t7\t"), 7.0);
  EXPECT_EQ(ParseNumber("1e-400"), 0.0);  // below the Double range reads as 0
}

TEST(ParseNumber, RejectsEverythingElse) {
  for (const char* text : {"", " ", "-", "+", ".", "abc", "1,5", "1.2.3", "1e", "1e+", "e5",
                           "--1", "1 2", "inf", "nan", "0x10", "1d5", "12a", "Temp OOR", "OOR",
                           "1e400", "-1e999"}) {
    EXPECT_THROW(ParseNumber(text), RuntimeError) << '"' << text << '"';
    EXPECT_FALSE(IsNumber(text)) << '"' << text << '"';
  }
  EXPECT_TRUE(IsNumber(" 12.5 "));
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
