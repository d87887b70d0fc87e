// The empty-field message shared by the engine pages.
#pragma once

#include <string_view>

namespace motrel {

inline constexpr std::string_view fillThemOutMessage =
    "There are too many fields left empty, fill them out.   ";

}  // namespace motrel
