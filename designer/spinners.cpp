#include "designer/spinners.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "common/numbers.h"
#include "designer/markers.h"

namespace designer {
namespace {

// The spinner's reading of its edit field: blanks, an optional minus sign and
// decimal digits; nothing else counts as a number.
std::optional<std::int64_t> ShownNumber(const std::string& text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string::npos) return std::nullopt;
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

void MoveCurrentMarker(Desk& d) {
  const std::int32_t index = MarkerIndex(common::StrToInt(d.form.Edit1.Text));
  const std::int32_t x = common::StrToInt(d.form.Edit2.Text);
  const std::int32_t y = common::StrToInt(d.form.Edit3.Text);
  PlaceMarker(d, index, x, y);
}

}  // namespace

bool StepUpDown(TUpDown& spinner, TEdit& edit, SpinButton button) {
  const std::optional<std::int64_t> number = ShownNumber(edit.Text);
  const std::int64_t shown = number.value_or(spinner.Position);
  const std::int64_t base = std::clamp<std::int64_t>(shown, spinner.Min, spinner.Max);
  const std::int64_t step = button == SpinButton::kUp ? 1 : -1;
  spinner.Position =
      static_cast<int>(std::clamp<std::int64_t>(base + step, spinner.Min, spinner.Max));
  edit.Text = std::to_string(spinner.Position);
  return number != spinner.Position;
}

void UpDown1Click(Desk& d) {
  const std::int32_t n = common::StrToInt(d.form.Edit1.Text);
  if (!IsMarkerNumber(n)) return;  // no marker row; the spinner keeps Edit1 within 1..16
  d.form.Edit2.Text = d.form.StringGrid1.Cells(1, n);
  d.form.Edit3.Text = d.form.StringGrid1.Cells(2, n);
  const std::int32_t x = common::StrToInt(d.form.Edit2.Text);
  const std::int32_t y = common::StrToInt(d.form.Edit3.Text);
  PlaceMarker(d, MarkerIndex(n), x, y);
}

void UpDown2Click(Desk& d) {
  MoveCurrentMarker(d);
}
void UpDown3Click(Desk& d) {
  MoveCurrentMarker(d);
}

}  // namespace designer
