// Random text as a real number: parsing never crashes, and every number that
// reads back is written and read again to within 15 significant digits.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "worksheet/RealText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char separator = (data[0] & 1) ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto value = quorvant::ParseReal(text, separator);
    (void)quorvant::ParseInteger(text);
    if (!value)
        return 0;
    if (!std::isfinite(*value))
        std::abort();
    const auto back = quorvant::ParseReal(quorvant::FormatReal(*value, separator), separator);
    if (!back || std::fabs(*back - *value) > std::fabs(*value) * 1e-14)
        std::abort();
    return 0;
}
