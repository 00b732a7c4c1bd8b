// Numbers from text and to text, by the rules of the console's platform.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace common {

// Whole number: leading blanks skipped, optional sign, decimal digits or
// hexadecimal digits after "$", "x" or "0x", nothing after, within 32 bits.
// Anything else throws PlatformError("'<text>' is not a valid integer value").
std::int32_t StrToInt(std::string_view text);

// Decimal fraction with the regional separator ",": blanks around, optional sign,
// digits, optional fraction, optional exponent ("E", sign, digits).
// Anything else throws PlatformError("'<text>' is not a valid floating point value").
double StrToFloat(std::string_view text);

// General decimal form: at most 15 significant digits, no trailing zeros, no
// separator for a whole value, "," before a fraction, "-" for a negative value;
// exponent form ("1,5E-6", "1E20") only with more than 15 digits before the
// separator or a non-zero magnitude below 0.00001.
std::string FloatToStr(double value);

// An optional sign and decimal digits, nothing before or after them, within 32
// bits; nothing for any other text.
std::optional<std::int32_t> DecimalInt32(std::string_view text);

}  // namespace common
