// The controls that belong to each field of the calculator pages: its caption and unit labels,
// the selector that makes it the computed quantity, and its hint.
#pragma once

#include <span>
#include <string_view>

namespace motrel::app {

// A field with the labels around it and the selector beside it; unused places stay empty.
struct FieldControls {
    std::string_view field;
    std::string_view caption;
    std::string_view unit;
    std::string_view selector;
    std::string_view hint;
};

std::span<const FieldControls> fieldControls();

// The row of the named field, or null for a control that is no field.
const FieldControls* controlsOfField(std::string_view field);

}  // namespace motrel::app
