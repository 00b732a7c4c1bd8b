#include "common/text.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(Text, CountsCharactersNotBytes) {
  EXPECT_EQ(CharCount(""), 0u);
  EXPECT_EQ(CharCount("abc"), 3u);
  EXPECT_EQ(CharCount("Пожар"), 5u);
  EXPECT_EQ(CharCount("a€\U0001F600"), 3u);
}

TEST(Text, FirstCharsCutsOnCharacterBoundaries) {
  EXPECT_EQ(FirstChars("Пожар", 3), "Пож");
  EXPECT_EQ(FirstChars("a€b", 2), "a€");
  EXPECT_EQ(FirstChars("Пожар", 0), "");
  EXPECT_EQ(FirstChars("Пожар", 5), "Пожар");
  EXPECT_EQ(FirstChars("Пожар", 99), "Пожар");
  EXPECT_EQ(FirstChars("", 2), "");
}

}  // namespace
}  // namespace common
