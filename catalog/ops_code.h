#pragma once
// The OPS code, once: its eight positions as the OPS field lays them out
// (digit "-" digit digit letter-or-digit "." any any), the search code cut
// from the field's text, what a wildcard line of the assignment file covers,
// and what looks like a code in free text.

#include <string>
#include <string_view>
#include <vector>

namespace catalog::ops_code {

inline constexpr int kLength = 8;
// The field's text with every input position empty.
inline constexpr char kEmptyFieldText[] = " -   .  ";
// Zero-based positions of the two separators.
inline constexpr int kHyphenPosition = 1;
inline constexpr int kDotPosition = 5;

bool isSeparatorPosition(int position);
// The separator at a separator position.
char separatorAt(int position);
// Whether an input position takes the character (a Windows-1252 byte):
// digits at 1, 3 and 4, a letter or digit at 5, any printable character at 7
// and 8.
bool accepts(int position, unsigned char c);

// The field's eight-character text for a code in any spelling: with or
// without "-" and ".", blanks removed ("891801" and "8-918.01" alike).
std::string fieldText(std::string_view anySpelling);
// The OPS search's code, from the field's eight-character text: the first
// 5 characters when positions 7 and 8 are empty, 7 when only 8 is, else all 8.
std::string searchCode(std::string_view fieldText);
// Whether the field's text has its first position filled and no other.
bool onlyFirstPositionFilled(std::string_view fieldText);
// A code as printed in the catalog: 9-99a, 9-99a.c or 9-99a.cc.
bool fitsLayout(std::string_view code);

// The catalog's reading of "*" in an assignment line's code: each "*"
// stands for exactly one character (not a blank) at its position, and a "*"
// that ends the line's code also for every character after it; letter case
// is ignored. A line without "*" covers only its own code.
bool covers(std::string_view lineCode, std::string_view code);
// Whether an assignment line's code holds a "*", and the part before its
// first one.
bool isWildcard(std::string_view lineCode);
std::string_view fixedPart(std::string_view lineCode);
// Whether the line could cover some longer code that begins with prefix.
bool couldCoverLonger(std::string_view lineCode, std::string_view prefix);

// A text a coder pastes: a case list with numbering, dates, side marks and
// words. Every token shaped like an OPS code is a code; the rest is ignored.
struct CodeInText {
  std::string entered;  // as written, with its side mark ("5-820.00 R")
  std::string code;     // without the side mark, for the search
};
struct CodesInText {
  std::vector<CodeInText> codes;
  std::vector<std::string> ignored;  // tokens that are no code, in order
};
// A lone token that begins like a code (while it is being typed: "8", "8-85")
// counts as a code too; among several tokens a code needs its first five
// positions ("8-854"). Dates such as 03.01.2012 are never codes.
CodesInText codesInText(std::string_view text);

// Splits at blanks, tabs, commas, semicolons and line ends.
std::vector<std::string> splitTokens(std::string_view text);

}  // namespace catalog::ops_code
