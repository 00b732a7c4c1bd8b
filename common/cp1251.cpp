#include "common/cp1251.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace common {
namespace {

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
// The one unassigned byte, 0x98, stands for the control character U+0098, so a
// file's bytes come back unchanged when its text is written again.
constexpr std::array<char32_t, 64> kHighTable = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
};

constexpr char32_t kCyrillicA = 0x0410;   // byte 0xC0
constexpr char32_t kCyrillicYa = 0x044F;  // byte 0xFF

struct ReverseEntry {
  char32_t code_point;
  unsigned char byte;
};

// kHighTable inverted and sorted by code point, for a binary search on encoding.
constexpr std::array<ReverseEntry, 64> MakeReverseTable() {
  std::array<ReverseEntry, 64> table{};
  for (std::size_t i = 0; i < kHighTable.size(); ++i) {
    table[i] = {kHighTable[i], static_cast<unsigned char>(0x80 + i)};
  }
  std::sort(table.begin(), table.end(), [](const ReverseEntry& a, const ReverseEntry& b) {
    return a.code_point < b.code_point;
  });
  return table;
}

constexpr std::array<ReverseEntry, 64> kReverseTable = MakeReverseTable();

char EncodeCodePoint(char32_t cp) {
  if (cp < 0x80) return static_cast<char>(cp);
  if (cp >= kCyrillicA && cp <= kCyrillicYa) return static_cast<char>(0xC0 + (cp - kCyrillicA));
  auto it =
      std::lower_bound(kReverseTable.begin(), kReverseTable.end(), cp,
                       [](const ReverseEntry& e, char32_t value) { return e.code_point < value; });
  if (it != kReverseTable.end() && it->code_point == cp) return static_cast<char>(it->byte);
  return '?';
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    // Every code point of the table lies in the basic plane.
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsContinuation(unsigned char b) {
  return (b & 0xC0) == 0x80;
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t min_cp = 0;  // smaller values are overlong forms
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      cp = lead & 0x1F;
      min_cp = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      cp = lead & 0x0F;
      min_cp = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      cp = lead & 0x07;
      min_cp = 0x10000;
    } else {
      out += '?';  // stray continuation byte or invalid lead byte
      ++i;
      continue;
    }
    // A broken sequence becomes one '?' and reading resumes at the byte that broke it.
    std::size_t taken = 1;
    while (taken < length && i + taken < utf8.size() &&
           IsContinuation(static_cast<unsigned char>(utf8[i + taken]))) {
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + taken]) & 0x3F);
      ++taken;
    }
    i += taken;
    const bool valid =
        taken == length && cp >= min_cp && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
    out += valid ? EncodeCodePoint(cp) : '?';
  }
  return out;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80) {
      out += c;
    } else if (b < 0xC0) {
      AppendUtf8(out, kHighTable[b - 0x80]);
    } else {
      AppendUtf8(out, kCyrillicA + (b - 0xC0));
    }
  }
  return out;
}

}  // namespace common
