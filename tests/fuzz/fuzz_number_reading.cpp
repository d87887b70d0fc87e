// Any bytes, either separator: the reading returns a finite value, or raises EConvertError
// quoting the text exactly; storing the value gives a double or EOverflow. Nothing else.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "motrel/errors.h"
#include "motrel/extended.h"
#include "motrel/number_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char separator = (data[0] & 1) != 0 ? ',' : '.';
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    long double value = 0;
    try {
        value = motrel::readNumber(text, separator);
    } catch (const motrel::EConvertError& e) {
        if (e.message() != "'" + text + "' is not a valid floating point value") std::abort();
        return 0;
    }
    if (!std::isfinite(value)) std::abort();
    try {
        const double stored = motrel::roundToDouble(value);
        if (!std::isfinite(stored)) std::abort();
    } catch (const motrel::EOverflow&) {
        if (std::fabs(value) <= 1.7976931348623157e308L) std::abort();
    }
    return 0;
}
