// Piston-port intake timing against intake height and piston length. The skirt's lower edge
// opens the port around TDC: it closes at the crank angle phi0 and opens at -phi0, so the
// timing is T = 2 phi0 degrees. Lengths in any one unit.
#pragma once

#include "motrel/frame.h"

namespace motrel::intake_timing {

enum Field : std::size_t { T, I, P, D, S, L, fieldCount };

// Timing in degrees from intake height I, piston length P, deck D, stroke S and rod length L.
Extended timing(double I, double P, double D, double S, double L);
// Intake height from timing T, piston length, deck, stroke and rod length.
Extended intakeHeight(double T, double P, double D, double S, double L);
// Piston length from timing T, intake height, deck, stroke and rod length.
Extended pistonLength(double T, double I, double D, double S, double L);

// The "   Intake   " page: fields TimingEdit1 .. DrijfstangEdit2.
const PageDescription& page();

}  // namespace motrel::intake_timing
