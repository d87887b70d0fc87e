// Actual (chord) width of a port against its width along the wall on an unrolled port map
// (arc), on the bore's circle: W = B sin(M / B), M = B arcsin(W / B).
#pragma once

#include "motrel/frame.h"

namespace motrel::port_width {

enum Field : std::size_t { W, M, B, fieldCount };

// Actual width from port-map width M and bore B.
Extended actualWidth(double M, double B);
// Port-map width from actual width W and bore B.
Extended portMapWidth(double W, double B);

// The " Port width " page: fields WerkelijkebreedteEdit, PoortmapbreedteEdit, BoringEdit.
const PageDescription& page();

}  // namespace motrel::port_width
