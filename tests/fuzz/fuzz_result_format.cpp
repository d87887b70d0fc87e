// Any finite double: the text reads back with the same separator and formats to the same text.
// The two texts that do not are the empty one (below 0.001) and the separator with "00"
// (0.001 to below 0.005), which both read back as 0.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "motrel/extended.h"
#include "motrel/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value)) return 0;
    const char separator = size > sizeof value && (data[sizeof value] & 1) != 0 ? ',' : '.';

    const std::string text = motrel::formatResult(value, separator);
    const double magnitude = std::fabs(value);
    if (text.empty()) {
        if (magnitude >= 0.001) std::abort();
        return 0;
    }
    if (text == std::string(1, separator) + "00") {
        if (magnitude < 0.001 || magnitude >= 0.005) std::abort();
        return 0;
    }
    // Throws (and so fails the run) if the text is no number.
    const long double read = motrel::readNumber(text, separator);
    // Fifteen digits round the largest doubles up past the double range ("1.79769313486232E308"):
    // such a text reads as a number but cannot be stored again.
    if (std::fabs(read) > 1.7976931348623157e308L) {
        if (magnitude < 1.797693134862315e308) std::abort();
        return 0;
    }
    const double readBack = motrel::roundToDouble(read);
    if (motrel::formatResult(readBack, separator) != text) std::abort();
    return 0;
}
