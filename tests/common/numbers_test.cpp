#include "common/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>

#include "common/platform_error.h"

namespace common {
namespace {

TEST(StrToInt, AcceptsDecimalAndHexadecimalForms) {
  struct Case {
    const char* text;
    std::int32_t value;
  };
  const Case cases[] = {
      {"0", 0},
      {"42", 42},
      {"007", 7},
      {"+5", 5},
      {"-5", -5},
      {"  \t 12", 12},
      {"2147483647", 2147483647},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"$10", 16},
      {"$ff", 255},
      {"x1F", 31},
      {"X1f", 31},
      {"0x10", 16},
      {"0X10", 16},
      {"-$10", -16},
      {"$7FFFFFFF", 2147483647},
      {"$80000000", std::numeric_limits<std::int32_t>::min()},
      {"$FFFFFFFF", -1},
      {"$000000001", 1},
  };
  for (const Case& c : cases) EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(StrToInt, RejectsEverythingElseWithTheOriginalText) {
  const char* cases[] = {
      "",    " ",    "-",   "+",          "$",           "0x",         "x",
      "12 ", "1 2",  "1.5", "1,5",        "- 5",         "--5",        "12a",
      "$G",  "0x1G", "$-1", "2147483648", "-2147483649", "$100000000", "99999999999999999999",
  };
  for (const char* text : cases) {
    try {
      StrToInt(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const PlatformError& e) {
      EXPECT_EQ(std::string(e.what()), "'" + std::string(text) + "' is not a valid integer value");
    }
  }
}

TEST(StrToFloat, AcceptsCommaFractionsAndExponents) {
  struct Case {
    const char* text;
    double value;
  };
  const Case cases[] = {
      {"0", 0},
      {"5", 5},
      {"-5", -5},
      {"+2,5", 2.5},
      {"3,25", 3.25},
      {",5", 0.5},
      {"5,", 5},
      {"  1,5  ", 1.5},
      {"\t7\t", 7},
      {"1E3", 1000},
      {"1e3", 1000},
      {"1,5E-6", 1.5e-6},
      {"2E+2", 200},
      {"-1,25e1", -12.5},
      {"0,1", 0.1},
      {"1E-400", 0},
      {"00012,500", 12.5},
  };
  for (const Case& c : cases) EXPECT_DOUBLE_EQ(StrToFloat(c.text), c.value) << c.text;
}

TEST(StrToFloat, RejectsEverythingElseWithTheOriginalText) {
  const char* cases[] = {"",    " ",    ",",   "-",    "1.5", "1,5,2", "1E",  "1E+",   "E5",
                         "1 5", "1e5x", "- 1", "0x10", "$10", "inf",   "nan", "1E400", "--1"};
  for (const char* text : cases) {
    try {
      StrToFloat(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const PlatformError& e) {
      EXPECT_EQ(std::string(e.what()),
                "'" + std::string(text) + "' is not a valid floating point value");
    }
  }
}

TEST(FloatToStr, UsesTheGeneralFormWithFifteenDigits) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {10000, "10000"},
      {9810, "9810"},
      {-190, "-190"},
      {999.5, "999,5"},
      {0.1 + 0.2, "0,3"},
      {1.0 / 3, "0,333333333333333"},
      {2.0 / 3, "0,666666666666667"},
      {100.25 - 0.1, "100,15"},
      {-0.5, "-0,5"},
      {0.00001, "0,00001"},
      {0.000012345, "0,000012345"},
      {0.0000099999, "9,9999E-6"},
      {1.5e-6, "1,5E-6"},
      {-1.5e-6, "-1,5E-6"},
      {1e-300, "1E-300"},
      {999999999999999, "999999999999999"},
      {99999999999999.5, "99999999999999,5"},
      {1e14, "100000000000000"},
      {1e15, "1E15"},  // sixteen digits before the separator
      {1e16, "1E16"},
      {1e20, "1E20"},
      {123456789012345678.0, "1,23456789012346E17"},
      {9999999999999999.0, "1E16"},  // rounding to 15 digits carries into a new digit
      {1.7976931348623157e308, "1,79769313486232E308"},
  };
  for (const Case& c : cases) EXPECT_EQ(FloatToStr(c.value), c.text) << c.text;
}

TEST(FloatToStr, IgnoresTheProcessLocale) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  // A locale whose decimal separator is a comma; scripts/install-deps.sh generates it.
  ASSERT_NE(std::setlocale(LC_NUMERIC, "ru_RU.UTF-8"), nullptr)
      << "the locale ru_RU.UTF-8 is missing: run scripts/install-deps.sh";
  EXPECT_EQ(FloatToStr(999.5), "999,5");
  EXPECT_EQ(FloatToStr(1.5e-6), "1,5E-6");
  EXPECT_DOUBLE_EQ(StrToFloat("2,5"), 2.5);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(FloatToStr, TextReadsBackToTheSameFifteenDigits) {
  const double values[] = {0.1, 1.0 / 7, -123.456, 6.02214076e23, 1.602e-19, 42};
  for (double v : values) {
    const double back = StrToFloat(FloatToStr(v));
    EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << FloatToStr(v);
  }
}

TEST(DecimalInt32, TakesASignAndDigitsWithin32Bits) {
  const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
      {"0", 0},
      {"+5", 5},
      {"-007", -7},
      {"2147483647", 2147483647},
      {"-2147483648", std::numeric_limits<std::int32_t>::min()},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"00000000000000000000012", 12},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"+-5", std::nullopt},
      {" 5", std::nullopt},
      {"5 ", std::nullopt},
      {"$10", std::nullopt},
      {"1,5", std::nullopt},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(DecimalInt32(text), value) << text;
}

}  // namespace
}  // namespace common
