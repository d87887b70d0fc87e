// On a bore of diameter B, an arc of length M spans the central angle 2M/B; its chord is
// B sin(M/B). The inverse takes the arc sine, so it returns arcs of at most half the circle.
#include "motrel/port_width.h"

#include <array>

#include "page_messages.h"

namespace motrel::port_width {

Extended actualWidth(double M, double B) {
    const Extended halfAngle = Extended(M) / B;
    return sin(halfAngle) * B;
}

Extended portMapWidth(double W, double B) {
    const Extended halfAngle = arcsin(Extended(W) / B);
    // The scale B * pi * 180 / pi, one step at a time: pi and 180 cancel up to rounding.
    Extended scale = Extended(storedPi) * B;
    scale = scale * 180;
    scale = scale / storedPi;
    return (halfAngle * scale) / 180;
}

namespace {

constexpr std::array<std::string_view, fieldCount> fields = {
    "WerkelijkebreedteEdit",
    "PoortmapbreedteEdit",
    "BoringEdit",
};

constexpr std::array<Selector, 2> selectors = {{
    {"WerkelijkebreedteRadioButton", W, [](Quantities q) { return actualWidth(q[M], q[B]); }},
    {"PoortmapbreedteRadioButton", M, [](Quantities q) { return portMapWidth(q[W], q[B]); }},
}};

constexpr PageDescription description{fields, selectors, fillThemOutMessage};

}  // namespace

const PageDescription& page() { return description; }

}  // namespace motrel::port_width
