// Road speed against engine speed through the gearing: crankshaft -> internal gear ratio ->
// front sprocket -> chain -> rear sprocket -> tyre.  V = 3 N C F / (50 R G), with V in km/h,
// N in rpm, C in metres (60 min/h over 1000 m/km is the exact 3/50).
#pragma once

#include "motrel/frame.h"

namespace motrel::speed {

// Field indices, in reading order.
enum Field : std::size_t { V, N, F, R, G, C, fieldCount };

Extended roadSpeed(double N, double F, double R, double G, double C);
Extended engineSpeed(double V, double F, double R, double G, double C);
Extended frontSprocket(double V, double N, double R, double G, double C);
Extended rearSprocket(double V, double N, double F, double G, double C);

// The "   Speed , RPM  " page: fields SnelheidEdit .. OmtrekEdit.
const PageDescription& page();

}  // namespace motrel::speed
