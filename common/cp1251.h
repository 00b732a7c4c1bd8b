// Windows-1251, the code page of every file and of the modem line.
// Inside the program all text is UTF-8; these two functions are the only crossing.
#pragma once

#include <string>
#include <string_view>

namespace common {

// UTF-8 to Windows-1251 bytes. A character without a Windows-1251 form, or a
// malformed UTF-8 sequence, becomes "?".
std::string Utf8ToCp1251(std::string_view utf8);

// Windows-1251 bytes to UTF-8. Every byte has a form, and Utf8ToCp1251 gives it back:
// the unassigned 0x98 reads as the control character U+0098.
std::string Cp1251ToUtf8(std::string_view bytes);

}  // namespace common
