#include "catalog/cp1252.h"

#include <array>

namespace catalog::cp1252 {
namespace {

// Code points of 0x80-0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

std::string folded(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = static_cast<char>(foldCase(static_cast<unsigned char>(c)));
  return result;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (foldCase(static_cast<unsigned char>(a[i])) != foldCase(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

bool isLetter(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
  switch (c) {
    case 0x83: case 0x88: case 0x8A: case 0x8C: case 0x8E:
    case 0x9A: case 0x9C: case 0x9E: case 0x9F:
    case 0xAA: case 0xB5: case 0xBA:
      return true;
    default:
      return c >= 0xC0 && c != 0xD7 && c != 0xF7;
  }
}

bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }

char32_t toUnicode(unsigned char c) {
  if (c >= 0x80 && c <= 0x9F) return kHighControls[c - 0x80];
  return c;
}

std::optional<unsigned char> fromUnicode(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
    return static_cast<unsigned char>(codePoint);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
  }
  return std::nullopt;
}

std::string fromUtf8(std::string_view utf8) {
  std::string text;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    char32_t codePoint = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    bool valid = length > 0 && i + length <= utf8.size();
    for (std::size_t k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + k]);
      valid = (next & 0xC0) == 0x80;
      codePoint = (codePoint << 6) | (next & 0x3F);
    }
    if (!valid) {
      text += static_cast<char>(lead);
      ++i;
      continue;
    }
    const auto byte = fromUnicode(codePoint);
    text += byte ? static_cast<char>(*byte) : '?';
    i += length;
  }
  return text;
}

}  // namespace catalog::cp1252
