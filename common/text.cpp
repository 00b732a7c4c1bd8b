#include "common/text.h"

namespace common {
namespace {

// A byte that starts a character: anything but a UTF-8 continuation byte.
bool StartsChar(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

}  // namespace

std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text) count += StartsChar(c) ? 1 : 0;
  return count;
}

std::string FirstChars(std::string_view text, std::size_t n) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (StartsChar(text[i]) && seen++ == n) return std::string(text.substr(0, i));
  }
  return std::string(text);
}

}  // namespace common
