// The 16 zone marker images: placing, showing and hiding them.
#pragma once

#include <cstdint>

#include "designer/desk.h"

namespace designer {

// Image(MarkerIndex(k)), the image of marker k (1..16).
TImage& Marker(Desk& d, int k);

// Whether a number names a marker, 1..16.
constexpr bool IsMarkerNumber(std::int32_t n) {
  return n >= 1 && n <= kMarkers;
}

// For index 2..17 moves Image(index) to left x, then top y; any other index
// changes nothing. Visibility is not touched.
void PlaceMarker(Desk& d, std::int32_t index, std::int32_t x, std::int32_t y);

// Image2 .. Image17 shown / hidden, in that order.
void ShowMarkers(Desk& d);
void HideMarkers(Desk& d);

}  // namespace designer
