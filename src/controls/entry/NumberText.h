#pragma once
// Locale-free number text for the entry fields: fixed-point formatting with
// the fields' rounding, and parsing in extended precision (long double).

#include <string>
#include <string_view>

namespace quorvant::controls {

class NumberText {
public:
    // Fixed notation with `decimals` decimals (plain "-" and "."): the value
    // is taken to 18 significant digits first, then rounded at the last
    // decimal, half away from zero. Zero never carries a sign. Not finite
    // values give an empty text.
    static std::string FormatFixed(long double value, int decimals);
    // A decimal number ("-12.5", "0.25", "1e3"); nothing else around it.
    static bool Parse(std::string_view text, long double& value);
};

} // namespace quorvant::controls
