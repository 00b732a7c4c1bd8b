#include "designer/markers.h"

namespace designer {

TImage& Marker(Desk& d, int k) {
  return d.form.Image[static_cast<std::size_t>(MarkerIndex(k))];
}

void PlaceMarker(Desk& d, std::int32_t index, std::int32_t x, std::int32_t y) {
  if (index < MarkerIndex(1) || index > MarkerIndex(kMarkers)) return;
  TImage& image = d.form.Image[static_cast<std::size_t>(index)];
  image.Left = x;
  image.Top = y;
}

void ShowMarkers(Desk& d) {
  for (int k = 1; k <= kMarkers; ++k) Marker(d, k).Visible = true;
}

void HideMarkers(Desk& d) {
  for (int k = 1; k <= kMarkers; ++k) Marker(d, k).Visible = false;
}

}  // namespace designer
