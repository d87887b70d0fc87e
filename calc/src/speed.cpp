#include "motrel/speed.h"

#include <array>

namespace motrel::speed {

// Each formula keeps its grouping: numerator and denominator are formed, then divided once.
Extended roadSpeed(double N, double F, double R, double G, double C) {
    return ((Extended(3) * N) * C * F) / ((Extended(50) * R) * G);
}

Extended engineSpeed(double V, double F, double R, double G, double C) {
    return ((Extended(50) * V) * R * G) / ((Extended(3) * C) * F);
}

Extended frontSprocket(double V, double N, double R, double G, double C) {
    return ((Extended(50) * V) * R * G) / ((Extended(3) * C) * N);
}

Extended rearSprocket(double V, double N, double F, double G, double C) {
    return ((Extended(3) * N) * C * F) / ((Extended(50) * V) * G);
}

namespace {

constexpr std::array<std::string_view, fieldCount> fields = {
    "SnelheidEdit",          "ToerenEdit", "VoortandwielEdit", "AchtertandwielEdit",
    "InterneverhoudingEdit", "OmtrekEdit",
};

constexpr std::array<Selector, 4> selectors = {{
    {"SnelheidRadioButton", V,
     [](Quantities q) { return roadSpeed(q[N], q[F], q[R], q[G], q[C]); }},
    {"ToerenRadioButton", N,
     [](Quantities q) { return engineSpeed(q[V], q[F], q[R], q[G], q[C]); }},
    {"VoortandwielRadioButton", F,
     [](Quantities q) { return frontSprocket(q[V], q[N], q[R], q[G], q[C]); }},
    {"AchtertandwielRadioButton", R,
     [](Quantities q) { return rearSprocket(q[V], q[N], q[F], q[G], q[C]); }},
}};

constexpr PageDescription description{fields, selectors,
                                      "There are too many fields left empty, fill the out.    "};

}  // namespace

const PageDescription& page() { return description; }

}  // namespace motrel::speed
