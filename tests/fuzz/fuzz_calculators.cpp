// Every computation of every page on any finite inputs: a finite 64-bit result, or exactly one
// of the three floating-point errors.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "motrel/intake_timing.h"
#include "motrel/port_timing.h"
#include "motrel/port_width.h"
#include "motrel/speed.h"

namespace {

const std::array<const motrel::PageDescription*, 4> pages = {
    &motrel::port_timing::page(), &motrel::intake_timing::page(), &motrel::port_width::page(),
    &motrel::speed::page()};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::array<double, motrel::maxFieldsPerPage> quantities{};
    const std::size_t count = std::min(size / sizeof(double), quantities.size());
    for (std::size_t i = 0; i < count; ++i) {
        std::memcpy(&quantities[i], data + i * sizeof(double), sizeof(double));
        if (!std::isfinite(quantities[i])) return 0;
    }
    for (const motrel::PageDescription* page : pages) {
        const motrel::Quantities q(quantities.data(), page->fields.size());
        for (const motrel::Selector& selector : page->selectors) {
            try {
                const double result = motrel::roundToDouble(selector.compute(q));
                if (!std::isfinite(result)) std::abort();
            } catch (const motrel::EInvalidOp&) {
            } catch (const motrel::EZeroDivide&) {
            } catch (const motrel::EOverflow&) {
            }
        }
    }
    return 0;
}
