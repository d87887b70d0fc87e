// The calculation frame shared by every calculator page.
//
// A page is described by data (its fields in reading order, its selectors in testing order with
// their computations, its empty-field message); the window supplies the four page operations of
// `PageView`. The frame reads every field, applies the empty-field rule, runs the computation of
// the checked selector and writes its result. It changes no field in a click that ends with an
// error: the one write happens after everything that can fail.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "motrel/extended.h"

namespace motrel {

// A page's current quantities, indexed like its fields; an empty field's quantity is 0.
using Quantities = std::span<const double>;

// Computes one quantity from the others; raises EInvalidOp, EZeroDivide or EOverflow.
using Computation = Extended (*)(Quantities);

struct Selector {
    std::string_view name;  // component name of the quantity selector
    std::size_t target;     // index of the field that receives the result
    Computation compute;
};

struct PageDescription {
    std::span<const std::string_view> fields;  // component names, in reading order
    std::span<const Selector> selectors;       // in testing order
    std::string_view emptyFieldMessage;
};

inline constexpr std::size_t maxFieldsPerPage = 8;

// What the frame needs of a window, for one page. Indices are those of the description.
class PageView {
public:
    virtual ~PageView() = default;
    virtual std::string fieldText(std::size_t field) const = 0;
    virtual void setFieldText(std::size_t field, const std::string& text) = 0;
    virtual bool isSelectorChecked(std::size_t selector) const = 0;
    // Shows the empty-field dialog and returns once the user has closed it.
    virtual void showEmptyFieldDialog(std::string_view message) = 0;
};

// Runs one click of a CALC! button. Throws EConvertError or an EMathError; nothing is written
// then.
void runCalculation(const PageDescription& page, PageView& view, char separator);

}  // namespace motrel
