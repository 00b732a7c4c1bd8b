#include "monitor/pause_spinner.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "common/numbers.h"

namespace monitor {
namespace {

// The white space an edit field trims from both ends of its text: the blank,
// the controls from tab to carriage return, and Unicode's other spaces and
// line and paragraph separators.
bool StartsWithSpace(std::string_view text, std::size_t* length) {
  static constexpr std::string_view kWideSpaces[] = {
      "\u0085", "\u00A0", "\u1680", "\u2000", "\u2001", "\u2002", "\u2003",
      "\u2004", "\u2005", "\u2006", "\u2007", "\u2008", "\u2009", "\u200A",
      "\u2028", "\u2029", "\u202F", "\u205F", "\u3000"};
  if (!text.empty() && (text.front() == ' ' || (text.front() >= '\t' && text.front() <= '\r'))) {
    *length = 1;
    return true;
  }
  for (std::string_view space : kWideSpaces) {
    if (text.starts_with(space)) {
      *length = space.size();
      return true;
    }
  }
  return false;
}

bool EndsWithSpace(std::string_view text, std::size_t* length) {
  // A space is at most three bytes long.
  for (std::size_t n = 1; n <= 3 && n <= text.size(); ++n) {
    std::size_t found = 0;
    if (StartsWithSpace(text.substr(text.size() - n), &found) && found == n) {
      *length = n;
      return true;
    }
  }
  return false;
}

std::string_view Trimmed(std::string_view text) {
  std::size_t length = 0;
  while (StartsWithSpace(text, &length)) text.remove_prefix(length);
  while (EndsWithSpace(text, &length)) text.remove_suffix(length);
  return text;
}

}  // namespace

void StepPauseSpinner(Station& st, common::SpinButton button) {
  TUpDown& spinner = st.form.UpDown1;
  const std::int64_t base =
      common::DecimalInt32(Trimmed(st.form.Edit20.Text)).value_or(spinner.Position);
  const std::int64_t step = button == common::SpinButton::kUp ? 1 : -1;
  // At the end of int's range the number stays where it is.
  spinner.Position = static_cast<int>(
      std::clamp<std::int64_t>(base + step, spinner.Min, std::numeric_limits<int>::max()));
  st.form.Edit20.Text = std::to_string(spinner.Position);
}

}  // namespace monitor
