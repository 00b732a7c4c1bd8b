#include "links/transliterate.h"

#include <array>

namespace links {
namespace {

struct Letter {
  std::string_view lower;
  std::string_view upper;
  std::string_view latin;
};

// In the order the letters are tested.
constexpr std::array<Letter, 34> kLetters = {{
    {"й", "Й", "I"}, {"ц", "Ц", "C"},  {"у", "У", "U"},  {"к", "К", "K"},   {"е", "Е", "E"},
    {"н", "Н", "N"}, {"г", "Г", "G"},  {"ш", "Ш", "SH"}, {"щ", "Щ", "SCH"}, {"з", "З", "Z"},
    {"х", "Х", "H"}, {"ъ", "Ъ", "\""}, {"ф", "Ф", "F"},  {"ы", "Ы", "Y"},   {"в", "В", "V"},
    {"а", "А", "A"}, {"п", "П", "P"},  {"р", "Р", "R"},  {"о", "О", "O"},   {"л", "Л", "L"},
    {"д", "Д", "D"}, {"ж", "Ж", "G"},  {"э", "Э", "A"},  {"я", "Я", "IA"},  {"ч", "Ч", "CH"},
    {"с", "С", "C"}, {"м", "М", "M"},  {"и", "И", "I"},  {"т", "Т", "T"},   {"ь", "Ь", "\""},
    {"б", "Б", "B"}, {"ю", "Ю", "U"},  {"ё", "Ё", "IO"}, {"_", "_", "-"},
}};

// Bytes of the UTF-8 character that starts with this byte.
std::size_t CharLength(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::string TransliterateToLatin(std::string_view text) {
  std::string latin;
  for (std::size_t i = 0; i < text.size();) {
    const std::string_view ch = text.substr(i, CharLength(static_cast<unsigned char>(text[i])));
    i += ch.size();
    std::string_view out = ch;
    for (const Letter& letter : kLetters) {
      if (ch == letter.lower || ch == letter.upper) {
        out = letter.latin;
        break;
      }
    }
    latin += out;
  }
  return latin;
}

}  // namespace links
