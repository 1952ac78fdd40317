#pragma once
// Real numbers as text, the one pair of conversions that the calculation and
// the settings file share. Locale-proof: the decimal separator is passed in.

#include <optional>
#include <string>
#include <string_view>

namespace quorvant {

// At most 15 significant digits, trailing zeros and a trailing separator
// dropped, no group separators; exponent form (1E20, 1.5E-7) when the value
// has more than 15 integer digits or is non-zero and below 0.0001 in size.
std::string FormatReal(double value, char decimalSeparator);

// Optional leading blanks and sign, digits with at most one separator, an
// optional exponent ("E" or "e", optional sign, digits); trailing blanks are
// allowed. Empty when the text is no number or lies beyond the double range.
std::optional<double> ParseReal(std::string_view text, char decimalSeparator);

// A decimal integer in the 32-bit range, optionally signed; empty otherwise.
std::optional<int> ParseDecimalInteger(std::string_view text);

// Decimal, or hexadecimal with "0x", "0X" or "$", optionally signed, in the
// 32-bit range; empty otherwise.
std::optional<int> ParseInteger(std::string_view text);

} // namespace quorvant
