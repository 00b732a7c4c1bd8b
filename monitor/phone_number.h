// Phone numbers as the console dials them: "+7" and ten digits.
#pragma once

#include <string_view>

#include "common/text.h"

namespace monitor {

// A phone counts as set only when it holds exactly ten characters, of any kind.
inline bool PhoneSet(std::string_view phone) {
  return common::CharCount(phone) == 10;
}

}  // namespace monitor
