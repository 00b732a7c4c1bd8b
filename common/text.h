// Character-aware helpers for UTF-8 text: the rules count characters, not bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace common {

// Number of characters (code points) in a UTF-8 text.
std::size_t CharCount(std::string_view text);

// The first n characters of a UTF-8 text (the whole text when it is shorter).
std::string FirstChars(std::string_view text, std::size_t n);

}  // namespace common
