// Slider-crank with crank radius r = S/2 and rod L, read at the skirt's lower edge, which lies
// P below the crown. At the closing angle phi0 the pin lies at e = r + L + D + P - I from the
// crank axis, and cos phi0 = (e^2 + r^2 - L^2) / (2 r e).
#include "motrel/intake_timing.h"

#include <array>

#include "page_messages.h"

namespace motrel::intake_timing {

Extended timing(double I, double P, double D, double S, double L) {
    const Extended radiusTerm = (Extended(S) * S) * 0.25 - Extended(L) * L;          // r^2 - L^2
    const Extended pinDistance = (((Extended(L) + P) + Extended(0.5) * S) + D) - I;  // e
    const Extended cosClosing =
        (pinDistance * pinDistance + radiusTerm) / (pinDistance * S);  // (e^2+r^2-L^2)/(2re)
    const Extended closingAngle = arccos(cosClosing);                  // phi0, radians
    return closingAngle * (Extended(360) / storedPi);
}

namespace {

// The port closes T/2 degrees after TDC.
Extended closingCosine(double T) { return cos(((Extended(storedPi) / 180) * 0.5) * T); }

// -(S sin)^2 for the closing angle, from its cosine.
Extended sineTerm(Extended c, double S) { return (c * c) * (Extended(S) * S) - Extended(S) * S; }

// The rod's vertical span between crank pin and piston pin: sqrt(L^2 - r^2 sin^2).
Extended rodSpan(Extended sineTerm, double L) {
    return Extended(0.5) * sqrt((Extended(L) * L) * 4 + sineTerm);
}

}  // namespace

Extended intakeHeight(double T, double P, double D, double S, double L) {
    const Extended c = closingCosine(T);
    // Depth of the crank pin below the top edge, counted to the skirt: D + P + r + L - r cos.
    const Extended crankPinDepth =
        (((Extended(P) + L) + Extended(0.5) * S) + D) - c * (Extended(0.5) * S);
    const Extended w = sineTerm(c, S);
    return crankPinDepth - rodSpan(w, L);
}

Extended pistonLength(double T, double I, double D, double S, double L) {
    const Extended c = closingCosine(T);
    // I - D - r - L + r cos, the rod span still to add.
    const Extended heightLessCrank =
        c * (Extended(0.5) * S) + (((Extended(I) - L) - Extended(0.5) * S) - D);
    const Extended w = sineTerm(c, S);
    return rodSpan(w, L) + heightLessCrank;
}

namespace {

constexpr std::array<std::string_view, fieldCount> fields = {
    "TimingEdit1", "InlaathoogteEdit", "ZuigerlengteEdit",
    "DeckEdit2",   "SlagEdit2",        "DrijfstangEdit2",
};

constexpr std::array<Selector, 3> selectors = {{
    {"TimingRadioButton1", T, [](Quantities q) { return timing(q[I], q[P], q[D], q[S], q[L]); }},
    {"InlaathoogteRadioButton", I,
     [](Quantities q) { return intakeHeight(q[T], q[P], q[D], q[S], q[L]); }},
    {"ZuigerlengteRadioButton", P,
     [](Quantities q) { return pistonLength(q[T], q[I], q[D], q[S], q[L]); }},
}};

constexpr PageDescription description{fields, selectors, fillThemOutMessage};

}  // namespace

const PageDescription& page() { return description; }

}  // namespace motrel::intake_timing
