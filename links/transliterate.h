// The Latin spelling the alarm SMS is sent in.
#pragma once

#include <string>
#include <string_view>

namespace links {

// Converts every Russian letter, either case, to its upper-case Latin text and
// "_" to "-"; every other character passes unchanged. UTF-8 in and out.
std::string TransliterateToLatin(std::string_view text);

}  // namespace links
