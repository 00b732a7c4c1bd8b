#include "common/cp1251.h"

#include <gtest/gtest.h>

#include <string>

namespace common {
namespace {

TEST(Cp1251, EveryByteSurvivesARoundTrip) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(byte)), byte) << "byte " << b;
  }
}

TEST(Cp1251, DecodesTheTableCorners) {
  struct Case {
    unsigned char byte;
    const char* utf8;
  };
  const Case cases[] = {
      {0x41, "A"},      {0x80, "Ђ"}, {0x82, "‚"}, {0x88, "€"},      {0x8F, "Џ"}, {0x96, "–"},
      {0x97, "—"},      {0x99, "™"}, {0x9F, "џ"}, {0xA0, "\u00A0"}, {0xA5, "Ґ"}, {0xA8, "Ё"},
      {0xAD, "\u00AD"}, {0xB4, "ґ"}, {0xB8, "ё"}, {0xB9, "№"},      {0xBF, "ї"}, {0xC0, "А"},
      {0xDF, "Я"},      {0xE0, "а"}, {0xFF, "я"}, {0x98, "\u0098"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Cp1251ToUtf8(std::string(1, static_cast<char>(c.byte))), c.utf8)
        << "byte " << int(c.byte);
  }
}

TEST(Cp1251, EncodesMixedText) {
  EXPECT_EQ(Utf8ToCp1251("Шлейф 12: «Тревога» — №5"),
            "\xD8\xEB\xE5\xE9\xF4 12: \xAB\xD2\xF0\xE5\xE2\xEE\xE3\xE0\xBB \x97 \xB9"
            "5");
  EXPECT_EQ(Utf8ToCp1251(""), "");
  EXPECT_EQ(Utf8ToCp1251(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Cp1251, CharactersWithoutAFormAndBrokenSequencesBecomeOneQuestionMarkEach) {
  struct Case {
    std::string utf8;
    std::string expected;
  };
  const Case cases[] = {
      {"é", "?"},               // Latin-1 letter not in the code page
      {"日本", "??"},           // three-byte characters
      {"x\U0001F600y", "x?y"},  // four-byte character
      {"\uFFFD", "?"},          // the replacement character itself
      {"\x80", "?"},            // stray continuation byte
      {"\xD0", "?"},            // sequence cut at the end
      {"\xD0"
       "A",
       "?A"},  // sequence cut by an ASCII byte, which is kept
      {"\xE2\x84"
       "Я",
       "?\xDF"},                     // cut three-byte sequence before a valid letter
      {"\xC0\xAF", "??"},            // invalid lead byte (overlong form)
      {"\xE0\x80\xAF", "?"},         // overlong three-byte form
      {"\xED\xA0\x80", "?"},         // surrogate
      {"\xF5\x80\x80\x80", "????"},  // beyond U+10FFFF
  };
  for (const Case& c : cases) EXPECT_EQ(Utf8ToCp1251(c.utf8), c.expected) << c.utf8;
}

}  // namespace
}  // namespace common
