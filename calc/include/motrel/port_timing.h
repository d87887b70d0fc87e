// Transfer / exhaust port timing against port height, by the slider-crank geometry.
// The port opens at the crank angle phi0 (from TDC) where the crown uncovers its top edge and
// closes at 360 - phi0, so the timing is T = 360 - 2 phi0 degrees. Lengths in any one unit.
#pragma once

#include "motrel/frame.h"

namespace motrel::port_timing {

enum Field : std::size_t { T, H, D, S, L, fieldCount };

// Timing in degrees from port height H, deck D, stroke S and rod length L.
Extended timing(double H, double D, double S, double L);
// Port height from timing T in degrees, deck, stroke and rod length.
Extended portHeight(double T, double D, double S, double L);

// The " Transfer / Exhaust " page: fields TimingEdit .. DrijfstanglengteEdit.
const PageDescription& page();

}  // namespace motrel::port_timing
