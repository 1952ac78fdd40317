#include "controls/entry/NumberText.h"

#include <charconv>
#include <cmath>

namespace quorvant::controls {

std::string NumberText::FormatFixed(long double value, int decimals)
{
    if (!std::isfinite(value))
        return {};
    if (decimals < 0)
        decimals = 0;
    const bool negative = std::signbit(value);
    // 18 significant digits: one before the point, 17 after it.
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 17);
    const std::string sci(buf, res.ptr);
    const auto e = sci.find('e');
    std::string digits = sci.substr(0, 1) + sci.substr(2, e - 2);
    int exponent = 0;
    std::from_chars(sci.data() + e + (sci[e + 1] == '+' ? 2 : 1), sci.data() + sci.size(), exponent);

    // Integer digit count is exponent + 1; make it at least one.
    int intDigits = exponent + 1;
    if (intDigits <= 0) {
        digits.insert(0, static_cast<std::size_t>(1 - intDigits), '0');
        intDigits = 1;
    }
    const std::size_t cut = static_cast<std::size_t>(intDigits + decimals);
    if (digits.size() <= cut)
        digits.append(cut + 1 - digits.size(), '0');
    const bool roundUp = digits[cut] >= '5';
    digits.resize(cut);
    if (roundUp) {
        std::size_t i = cut;
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0) {
            digits.insert(0, 1, '1');
            ++intDigits;
        } else {
            ++digits[i - 1];
        }
    }
    std::string integer = digits.substr(0, static_cast<std::size_t>(intDigits));
    const std::string fraction = digits.substr(static_cast<std::size_t>(intDigits));
    const auto nonZero = integer.find_first_not_of('0');
    integer = nonZero == std::string::npos ? "0" : integer.substr(nonZero);
    const bool zero = integer == "0" && fraction.find_first_not_of('0') == std::string::npos;

    std::string out;
    if (negative && !zero)
        out += '-';
    out += integer;
    if (decimals > 0)
        out += '.' + fraction;
    return out;
}

bool NumberText::Parse(std::string_view text, long double& value)
{
    if (text.empty())
        return false;
    const char* first = text.data();
    const char* last = first + text.size();
    // A sign may only be a leading minus; from_chars would take "inf" and
    // "nan", which no field shows.
    for (const char* p = first; p != last; ++p) {
        const char c = *p;
        const bool ok = (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' ||
                        ((c == '-' || c == '+') && (p == first || p[-1] == 'e' || p[-1] == 'E'));
        if (!ok)
            return false;
    }
    if (*first == '+')
        return false;
    long double result = 0;
    const auto [end, ec] = std::from_chars(first, last, result, std::chars_format::general);
    if (ec != std::errc() || end != last)
        return false;
    value = result;
    return true;
}

} // namespace quorvant::controls
