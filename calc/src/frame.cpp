#include "motrel/frame.h"

#include <array>
#include <cassert>

#include "motrel/number_text.h"

namespace motrel {

void runCalculation(const PageDescription& page, PageView& view, char separator) {
    assert(page.fields.size() <= maxFieldsPerPage);

    // Every field is read, in order, before anything else happens: a reading error wins over
    // the empty-field rule, and later fields are not read after it.
    std::array<double, maxFieldsPerPage> quantities{};
    int emptyCount = 0;
    for (std::size_t field = 0; field < page.fields.size(); ++field) {
        const std::string text = view.fieldText(field);
        if (text.empty()) {
            ++emptyCount;
            continue;
        }
        quantities[field] = roundToDouble(readNumber(text, separator));
    }

    if (emptyCount >= 2) {
        view.showEmptyFieldDialog(page.emptyFieldMessage);
        return;
    }

    const Quantities current(quantities.data(), page.fields.size());
    for (std::size_t s = 0; s < page.selectors.size(); ++s) {
        if (!view.isSelectorChecked(s)) continue;
        const Selector& selector = page.selectors[s];
        const double result = roundToDouble(selector.compute(current));
        quantities[selector.target] = result;
        view.setFieldText(selector.target, formatResult(result, separator));
    }
}

}  // namespace motrel
