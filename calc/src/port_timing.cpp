// Slider-crank with crank radius r = S/2 and rod L. At the opening angle phi0 the pin lies at
// d = r + L + D - H from the crank axis, and the law of cosines gives
// cos phi0 = (d^2 + r^2 - L^2) / (2 r d).
#include "motrel/port_timing.h"

#include <array>

#include "page_messages.h"

namespace motrel::port_timing {

Extended timing(double H, double D, double S, double L) {
    const Extended radiusTerm = (Extended(S) * S) * 0.25 - Extended(L) * L;  // r^2 - L^2
    const Extended pinDistance = ((Extended(0.5) * S + L) + D) - H;          // d
    const Extended cosOpening =
        (pinDistance * pinDistance + radiusTerm) / (pinDistance * S);  // (d^2+r^2-L^2)/(2rd)
    const Extended openingAngle = arccos(cosOpening);                  // phi0, radians
    return Extended(360) - openingAngle * (Extended(360) / storedPi);
}

Extended portHeight(double T, double D, double S, double L) {
    // The port opens at 180 - T/2 degrees after TDC.
    const Extended openingAngle = (Extended(-0.5) * T + 180) * (Extended(storedPi) / 180);
    const Extended c = cos(openingAngle);
    // Depth of the crank pin below the cylinder's top edge: D + r + L - r cos.
    const Extended crankPinDepth = ((Extended(0.5) * S + L) + D) - c * (Extended(0.5) * S);
    const Extended sineTerm = (c * c) * (Extended(S) * S) - Extended(S) * S;  // -(S sin)^2
    // The rod spans sqrt(L^2 - r^2 sin^2) vertically between crank pin and piston pin.
    return crankPinDepth - Extended(0.5) * sqrt((Extended(L) * L) * 4 + sineTerm);
}

namespace {

constexpr std::array<std::string_view, fieldCount> fields = {
    "TimingEdit", "PoorthoogteEdit", "DeckEdit", "SlagEdit", "DrijfstanglengteEdit",
};

constexpr std::array<Selector, 2> selectors = {{
    {"TimingRadioButton", T, [](Quantities q) { return timing(q[H], q[D], q[S], q[L]); }},
    {"PoorthoogteRadioButton", H, [](Quantities q) { return portHeight(q[T], q[D], q[S], q[L]); }},
}};

constexpr PageDescription description{fields, selectors, fillThemOutMessage};

}  // namespace

const PageDescription& page() { return description; }

}  // namespace motrel::port_timing
