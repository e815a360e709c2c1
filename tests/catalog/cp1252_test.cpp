#include "catalog/cp1252.h"

#include <gtest/gtest.h>

#include "temporary_folder.h"

#include <algorithm>

namespace cp = catalog::cp1252;

TEST(Cp1252, EveryByteRoundTripsThroughUnicode) {
  for (int byte = 0; byte < 256; ++byte) {
    const auto c = static_cast<unsigned char>(byte);
    ASSERT_EQ(cp::fromUnicode(cp::toUnicode(c)), c) << "byte " << byte;
  }
}

TEST(Cp1252, MapsTheCodePageCharacters) {
  EXPECT_EQ(cp::toUnicode(0x80), U'\u20AC');  // €
  EXPECT_EQ(cp::toUnicode(0x8A), U'\u0160');  // Š
  EXPECT_EQ(cp::toUnicode(0xDF), U'\u00DF');  // ß
  EXPECT_EQ(cp::toUnicode(0x81), U'\u0081');  // undefined in the code page
  EXPECT_EQ(cp::fromUnicode(U'\u4E2D'), std::nullopt);
  EXPECT_EQ(cp::fromUnicode(U'\u0100'), std::nullopt);
}

struct FoldCase {
  unsigned char capital;
  unsigned char small;
};
class FoldCaseTest : public ::testing::TestWithParam<FoldCase> {};

TEST_P(FoldCaseTest, CapitalFoldsToSmall) {
  EXPECT_EQ(cp::foldCase(GetParam().capital), GetParam().small);
  EXPECT_EQ(cp::foldCase(GetParam().small), GetParam().small);
}

INSTANTIATE_TEST_SUITE_P(Letters, FoldCaseTest,
                         ::testing::Values(FoldCase{'A', 'a'}, FoldCase{'Z', 'z'}, FoldCase{0xC4, 0xE4} /* Ä */,
                                           FoldCase{0xD6, 0xF6} /* Ö */, FoldCase{0xDE, 0xFE} /* Þ */,
                                           FoldCase{0xC0, 0xE0} /* À */, FoldCase{0x8A, 0x9A} /* Š */,
                                           FoldCase{0x8C, 0x9C} /* Œ */, FoldCase{0x8E, 0x9E} /* Ž */,
                                           FoldCase{0x9F, 0xFF} /* Ÿ */),
    [](const auto& info) { return testing_support::caseName(info.index, std::to_string(info.param.capital)); });

TEST(Cp1252, LeavesNonLettersAndTheMultiplicationSignAlone) {
  for (int c : {0xD7 /* × */, 0xDF /* ß */, 0xF7 /* ÷ */, int('1'), int('*'), int(';'), 0x80 /* € */})
    EXPECT_EQ(cp::foldCase(static_cast<unsigned char>(c)), c) << c;
  EXPECT_TRUE(cp::equalsIgnoringCase("Stra\xDF" "e \xC4", "STRA\xDF" "E \xE4"));
  EXPECT_FALSE(cp::equalsIgnoringCase("ab", "abc"));
}

TEST(Cp1252, ClassifiesLettersAsUnicodeDoes) {
  std::string letters;
  for (int byte = 0; byte < 256; ++byte) {
    if (cp::isLetter(static_cast<unsigned char>(byte))) letters += static_cast<char>(byte);
  }
  std::string expected;
  for (char c = 'A'; c <= 'Z'; ++c) expected += c;
  for (char c = 'a'; c <= 'z'; ++c) expected += c;
  for (unsigned char c : {0x83, 0x88, 0x8A, 0x8C, 0x8E, 0x9A, 0x9C, 0x9E, 0x9F, 0xAA, 0xB5, 0xBA})
    expected += static_cast<char>(c);
  for (int c = 0xC0; c <= 0xFF; ++c) {
    if (c != 0xD7 && c != 0xF7) expected += static_cast<char>(c);
  }
  std::sort(letters.begin(), letters.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(letters, expected);
  EXPECT_TRUE(cp::isDigit('0'));
  EXPECT_TRUE(cp::isDigit('9'));
  EXPECT_FALSE(cp::isDigit(0xB2));  // superscript two
  EXPECT_FALSE(cp::isDigit('a'));
}
