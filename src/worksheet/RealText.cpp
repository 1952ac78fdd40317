#include "worksheet/RealText.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace quorvant {

std::string FormatReal(double value, char decimalSeparator)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    // Round to 15 significant digits first; the rounded exponent decides
    // between fixed and exponent form.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    std::string digits;
    digits += text[0];
    digits += text.substr(2, e - 2);
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exponent >= 15 || exponent < -4) {
        out += digits[0];
        if (digits.size() > 1) {
            out += decimalSeparator;
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(exponent);
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += digits;
            out.append(integerDigits - digits.size(), '0');
        } else {
            out.append(digits, 0, integerDigits);
            out += decimalSeparator;
            out.append(digits, integerDigits);
        }
    } else {
        out += '0';
        out += decimalSeparator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

std::optional<double> ParseReal(std::string_view text, char decimalSeparator)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';

    std::string mantissa; // digits without the separator
    int pointShift = 0;   // digits after the separator
    bool seenSeparator = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            mantissa += c;
            if (seenSeparator)
                ++pointShift;
        } else if (c == decimalSeparator && !seenSeparator) {
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (mantissa.empty())
        return std::nullopt;

    // The exponent is summed saturating, so absurd exponents stay harmless.
    std::int64_t exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        const std::size_t start = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
            if (exponent < 100000)
                exponent = exponent * 10 + (text[i] - '0');
        if (i == start)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i != text.size())
        return std::nullopt;

    // Leading zeros carry no value; without other digits the number is zero.
    const std::size_t firstNonZero = mantissa.find_first_not_of('0');
    if (firstNonZero == std::string::npos)
        return negative ? -0.0 : 0.0;
    mantissa.erase(0, firstNonZero);
    const std::int64_t scale = exponent - pointShift;
    // Order of magnitude of the number: beyond these bounds no double exists.
    const std::int64_t magnitude = scale + static_cast<std::int64_t>(mantissa.size());
    if (magnitude > 310)
        return std::nullopt;
    if (magnitude < -330)
        return negative ? -0.0 : 0.0;

    const std::string normalized = mantissa + "e" + std::to_string(scale);
    double value = 0;
    const auto [ptr, ec] = std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            return std::nullopt; // overflow: beyond the double range
        long double tiny = 0;    // underflow: the nearest denormal or zero
        std::from_chars(normalized.data(), normalized.data() + normalized.size(), tiny);
        value = static_cast<double>(tiny);
    } else if (ec != std::errc() || ptr != normalized.data() + normalized.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

namespace {

std::optional<int> ParseDigits(std::string_view text, int base, bool negative)
{
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * base + digit;
        if (value > std::int64_t(UINT32_MAX))
            return std::nullopt;
    }
    // Hexadecimal spells the 32 bits themselves: $FFFFFFFF is -1.
    if (base == 16)
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    if (negative)
        value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        return std::nullopt;
    return static_cast<int>(value);
}

std::pair<std::string_view, bool> SplitSign(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    return {text, negative};
}

} // namespace

std::optional<int> ParseDecimalInteger(std::string_view text)
{
    const auto [digits, negative] = SplitSign(text);
    return ParseDigits(digits, 10, negative);
}

std::optional<int> ParseInteger(std::string_view text)
{
    auto [digits, negative] = SplitSign(text);
    if (digits.starts_with("0x") || digits.starts_with("0X"))
        return ParseDigits(digits.substr(2), 16, negative);
    if (digits.starts_with("$"))
        return ParseDigits(digits.substr(1), 16, negative);
    return ParseDigits(digits, 10, negative);
}

} // namespace quorvant
