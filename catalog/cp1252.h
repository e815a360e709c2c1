#pragma once
// Windows-1252, the code page of every catalog file. Catalog text is kept as
// these bytes; only the window converts it, through toUnicode/fromUnicode.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace catalog::cp1252 {

// The small form of a letter for case-insensitive matching: A-Z, the accented
// capitals 0xC0-0xDE except the multiplication sign, and Š Œ Ž Ÿ. Looked up
// in a table, since hashing and comparing keys folds every byte.
inline constexpr std::array<unsigned char, 256> kFoldTable = [] {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 256; ++c) {
    int small = c;
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) small = c + 0x20;
    if (c == 0x8A || c == 0x8C || c == 0x8E) small = c + 0x10;  // Š Œ Ž
    if (c == 0x9F) small = 0xFF;                                // Ÿ
    table[static_cast<std::size_t>(c)] = static_cast<unsigned char>(small);
  }
  return table;
}();
inline unsigned char foldCase(unsigned char c) { return kFoldTable[c]; }
std::string folded(std::string_view text);
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The character classification of the code page: a byte is a letter when the
// character it stands for is a Unicode letter; digits are 0-9 only.
bool isLetter(unsigned char c);
bool isDigit(unsigned char c);

// UTF-8 text (a file name) in the code page: characters it lacks become
// "?", and bytes that are no UTF-8 are taken as they are.
std::string fromUtf8(std::string_view utf8);

// Every byte maps to one code point and back; the five bytes the code page
// leaves undefined map to the C1 controls of the same value.
char32_t toUnicode(unsigned char c);
std::optional<unsigned char> fromUnicode(char32_t codePoint);

}  // namespace catalog::cp1252
