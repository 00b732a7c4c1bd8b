#include "designer/apply_button.h"

#include <cstdint>
#include <string>

#include "common/numbers.h"
#include "designer/markers.h"

namespace designer {
namespace {

// The low 16 bits, as an unsigned number.
std::int32_t LowWord(std::int32_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) & 0xFFFFu);
}

}  // namespace

void BitBtn1Click(Desk& d) {
  const std::int32_t n = common::StrToInt(d.form.Edit1.Text);
  std::int32_t x = common::StrToInt(d.form.Edit2.Text);
  std::int32_t y = common::StrToInt(d.form.Edit3.Text);
  x = LowWord(x);
  y = LowWord(y);
  PlaceMarker(d, MarkerIndex(n), x, y);
  if (!IsMarkerNumber(n)) return;  // rows 0 and beyond 16 are not a marker's
  d.form.StringGrid1.Cells(1, n) = std::to_string(x);
  d.form.StringGrid1.Cells(2, n) = std::to_string(y);
}

}  // namespace designer
