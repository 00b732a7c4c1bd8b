#include "common/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <system_error>

#include "common/platform_error.h"

namespace common {
namespace {

constexpr int kPrecision = 15;  // significant digits of FloatToStr
// Fixed form shows values from 10^-5 up to (but excluding) 10^kPrecision.
constexpr int kMinFixedExponent = -5;
// Exponents beyond this are out of range for a double either way.
constexpr int kExponentCap = 100000;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int DigitValue(char c, int base) {
  int value = -1;
  if (IsDigit(c)) {
    value = c - '0';
  } else if (c >= 'a' && c <= 'f') {
    value = c - 'a' + 10;
  } else if (c >= 'A' && c <= 'F') {
    value = c - 'A' + 10;
  }
  return value < base ? value : -1;
}

PlatformError NotAnInteger(std::string_view text) {
  return PlatformError("'" + std::string(text) + "' is not a valid integer value");
}

PlatformError NotAFloat(std::string_view text) {
  return PlatformError("'" + std::string(text) + "' is not a valid floating point value");
}

// Digits "d1 d2 ..." (no trailing zeros, d1 non-zero) and the decimal exponent of d1.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

// Rounds a finite, non-zero magnitude to kPrecision significant digits. Only the digits
// of printf's output are read, so the locale's decimal point does not matter.
Decimal RoundToPrecision(double magnitude) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*e", kPrecision - 1, magnitude);
  Decimal d;
  const char* p = buffer;
  for (; *p != '\0' && *p != 'e'; ++p) {
    if (IsDigit(*p)) d.digits += *p;
  }
  if (*p == 'e') d.exponent = std::atoi(p + 1);
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

}  // namespace

std::int32_t StrToInt(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  int base = 10;
  if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    i += 1;
  } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == n) throw NotAnInteger(text);
  // Hexadecimal covers all 32 bits and wraps ("$FFFFFFFF" is -1); decimal must fit.
  const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
  std::uint64_t value = 0;
  for (; i < n; ++i) {
    const int digit = DigitValue(text[i], base);
    if (digit < 0) throw NotAnInteger(text);
    value = value * base + digit;
    if (value > limit) throw NotAnInteger(text);
  }
  std::uint32_t bits = static_cast<std::uint32_t>(value);
  if (negative) bits = 0u - bits;
  return static_cast<std::int32_t>(bits);
}

double StrToFloat(std::string_view text) {
  std::size_t i = 0;
  std::size_t end = text.size();
  while (i < end && IsBlank(text[i])) ++i;
  while (end > i && IsBlank(text[end - 1])) --end;

  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t int_begin = i;
  while (i < end && IsDigit(text[i])) ++i;
  const std::string_view int_digits = text.substr(int_begin, i - int_begin);
  std::string_view frac_digits;
  if (i < end && text[i] == ',') {
    const std::size_t frac_begin = ++i;
    while (i < end && IsDigit(text[i])) ++i;
    frac_digits = text.substr(frac_begin, i - frac_begin);
  }
  if (int_digits.empty() && frac_digits.empty()) throw NotAFloat(text);

  int exponent = 0;
  if (i < end && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    bool exponent_negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
      exponent_negative = text[i] == '-';
      ++i;
    }
    if (i == end || !IsDigit(text[i])) throw NotAFloat(text);
    for (; i < end && IsDigit(text[i]); ++i) {
      if (exponent < kExponentCap) exponent = exponent * 10 + (text[i] - '0');
    }
    if (exponent_negative) exponent = -exponent;
  }
  if (i != end) throw NotAFloat(text);

  // Hand the checked number to the locale-independent parser in its own notation.
  std::string plain;
  if (negative) plain += '-';
  plain += int_digits.empty() ? std::string_view("0") : int_digits;
  plain += '.';
  plain += frac_digits;
  plain += 'e';
  plain += std::to_string(exponent);
  double value = 0;
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    // Too large is an error; too small is zero. The decimal position of the first
    // significant digit tells which.
    const std::size_t first = int_digits.find_first_not_of('0');
    int position = 0;
    if (first != std::string_view::npos) {
      position = static_cast<int>(int_digits.size() - first);
    } else {
      position = -static_cast<int>(frac_digits.find_first_not_of('0'));
    }
    if (position + exponent > 0) throw NotAFloat(text);
    return negative ? -0.0 : 0.0;
  }
  if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) throw NotAFloat(text);
  return value;
}

std::string FloatToStr(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";  // also -0

  const Decimal d = RoundToPrecision(std::fabs(value));
  std::string out = value < 0 ? "-" : "";
  const int digit_count = static_cast<int>(d.digits.size());
  if (d.exponent >= kPrecision || d.exponent < kMinFixedExponent) {
    out += d.digits[0];
    if (digit_count > 1) {
      out += ',';
      out.append(d.digits, 1);
    }
    out += 'E';
    out += std::to_string(d.exponent);
  } else if (d.exponent >= 0) {
    const int whole = d.exponent + 1;
    if (digit_count <= whole) {
      out += d.digits;
      out.append(whole - digit_count, '0');
    } else {
      out.append(d.digits, 0, whole);
      out += ',';
      out.append(d.digits, whole);
    }
  } else {
    out += "0,";
    out.append(-d.exponent - 1, '0');
    out += d.digits;
  }
  return out;
}

std::optional<std::int32_t> DecimalInt32(std::string_view text) {
  const bool negative = !text.empty() && text.front() == '-';
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  const std::int64_t limit =
      std::int64_t{std::numeric_limits<std::int32_t>::max()} + (negative ? 1 : 0);
  std::int64_t value = 0;
  for (char c : text) {
    if (!IsDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace common
