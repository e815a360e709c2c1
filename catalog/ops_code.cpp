#include "catalog/ops_code.h"

#include <algorithm>
#include <array>

#include "catalog/cp1252.h"

namespace catalog::ops_code {
namespace {

constexpr std::array<int, 6> kInputPositions = {0, 2, 3, 4, 6, 7};

std::string_view head(std::string_view s, std::size_t n) { return s.substr(0, std::min(n, s.size())); }

bool isDigit(char c) { return cp1252::isDigit(static_cast<unsigned char>(c)); }
bool isLetterOrDigit(char c) { return isDigit(c) || cp1252::isLetter(static_cast<unsigned char>(c)); }
bool isBlank(char c) { return c == ' '; }

bool sameCharacter(char a, char b) {
  return cp1252::foldCase(static_cast<unsigned char>(a)) == cp1252::foldCase(static_cast<unsigned char>(b));
}

// One position of a line's code against one of a code: "*" takes any
// character but a blank.
bool positionMatches(char lineChar, char codeChar) {
  return lineChar == '*' ? !isBlank(codeChar) : sameCharacter(lineChar, codeChar);
}

bool prefixMatches(std::string_view lineCode, std::string_view code, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i)
    if (!positionMatches(lineCode[i], code[i])) return false;
  return true;
}

}  // namespace

bool isSeparatorPosition(int position) { return position == kHyphenPosition || position == kDotPosition; }

char separatorAt(int position) { return position == kHyphenPosition ? '-' : '.'; }

bool accepts(int position, unsigned char c) {
  if (c < 0x20 || c == 0x7F) return false;
  switch (position) {
    case 0: case 2: case 3:
      return cp1252::isDigit(c);
    case 4:
      return cp1252::isDigit(c) || cp1252::isLetter(c);
    case 6: case 7:
      return true;
    default:
      return false;
  }
}

std::string fieldText(std::string_view anySpelling) {
  std::string bare;
  for (char c : anySpelling)
    if (c != '-' && c != '.' && c != ' ' && c != '\t') bare += c;
  std::string text = kEmptyFieldText;
  for (std::size_t i = 0; i < bare.size() && i < kInputPositions.size(); ++i)
    text[static_cast<std::size_t>(kInputPositions[i])] = bare[i];
  return text;
}

std::string searchCode(std::string_view fieldText) {
  if (fieldText.substr(std::min<std::size_t>(kDotPosition, fieldText.size())) == ".  ")
    return std::string(head(fieldText, kDotPosition));
  if (fieldText.size() >= kLength && isBlank(fieldText[kLength - 1])) return std::string(head(fieldText, kLength - 1));
  return std::string(head(fieldText, kLength));
}

bool onlyFirstPositionFilled(std::string_view fieldText) {
  return !fieldText.empty() && !isBlank(fieldText[0]) && fieldText.substr(1) == std::string_view(kEmptyFieldText).substr(1);
}

bool fitsLayout(std::string_view code) {
  if (code.size() != 5 && code.size() != 7 && code.size() != 8) return false;
  return isDigit(code[0]) && code[1] == '-' && isDigit(code[2]) && isDigit(code[3]) && isLetterOrDigit(code[4]) &&
         (code.size() == 5 || code[5] == '.');
}

bool covers(std::string_view lineCode, std::string_view code) {
  if (lineCode.empty() || code.size() < lineCode.size()) return false;
  if (!prefixMatches(lineCode, code, lineCode.size())) return false;
  if (code.size() == lineCode.size()) return true;
  if (lineCode.back() != '*') return false;
  return std::none_of(code.begin() + static_cast<std::ptrdiff_t>(lineCode.size()), code.end(), isBlank);
}

bool isWildcard(std::string_view lineCode) { return lineCode.find('*') != std::string_view::npos; }

std::string_view fixedPart(std::string_view lineCode) { return lineCode.substr(0, lineCode.find('*')); }

bool couldCoverLonger(std::string_view lineCode, std::string_view prefix) {
  if (lineCode.empty()) return false;
  if (lineCode.size() > prefix.size()) return prefixMatches(lineCode, prefix, prefix.size());
  return lineCode.back() == '*' && covers(lineCode, prefix);
}

std::vector<std::string> splitTokens(std::string_view text) {
  std::vector<std::string> tokens;
  std::string current;
  for (char c : text) {
    if (c == ' ' || c == ',' || c == ';' || c == '\n' || c == '\r' || c == '\t') {
      if (!current.empty()) tokens.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) tokens.push_back(std::move(current));
  return tokens;
}

namespace {

bool isSideMark(char c) { return c == 'R' || c == 'L' || c == 'B'; }

// How far a token follows the code's layout: digit, "-" optional, digit,
// digit, letter or digit, "." optional, up to two characters (letters,
// digits, "*"). Returns the count of code positions read and whether the
// whole token was read.
struct Reading {
  int positions = 0;
  bool whole = false;
};

Reading readCode(std::string_view token) {
  Reading reading;
  std::size_t i = 0;
  const auto at = [&](std::size_t k) { return k < token.size() ? token[k] : '\0'; };
  if (!isDigit(at(i))) return reading;
  ++i;
  reading.positions = 1;
  if (at(i) == '-') ++i;
  for (; reading.positions < 3 && isDigit(at(i)); ++i) ++reading.positions;
  if (reading.positions == 3 && isLetterOrDigit(at(i)) && at(i) != '\0') {
    ++i;
    ++reading.positions;
    if (at(i) == '.') ++i;
    for (int extra = 0; extra < 2 && (isLetterOrDigit(at(i)) || at(i) == '*') && at(i) != '\0'; ++extra, ++i)
      ++reading.positions;
  }
  reading.whole = i == token.size();
  return reading;
}

std::string_view withoutBrackets(std::string_view token) {
  while (!token.empty() && (token.front() == '(' || token.front() == '[')) token.remove_prefix(1);
  while (!token.empty() && (token.back() == ')' || token.back() == ']')) token.remove_suffix(1);
  return token;
}

// The side mark written onto a code (":R", or "R" behind a full code), split
// off; empty when there is none.
std::string_view splitSideMark(std::string_view& token) {
  if (token.size() > 2 && token[token.size() - 2] == ':' && isSideMark(token.back())) {
    const std::string_view mark = token.substr(token.size() - 2);
    token.remove_suffix(2);
    return mark;
  }
  if (token.size() > 1 && isSideMark(token.back()) && readCode(token.substr(0, token.size() - 1)).positions == 6) {
    const std::string_view mark = token.substr(token.size() - 1);
    token.remove_suffix(1);
    return mark;
  }
  return {};
}

}  // namespace

CodesInText codesInText(std::string_view text) {
  const std::vector<std::string> tokens = splitTokens(text);
  const bool lone = tokens.size() == 1;
  CodesInText result;
  bool previousWasCode = false;
  for (const std::string& written : tokens) {
    std::string_view token = withoutBrackets(written);
    if (previousWasCode && token.size() == 1 && isSideMark(token[0])) {
      result.codes.back().entered += ' ';
      result.codes.back().entered += token;
      previousWasCode = false;
      continue;
    }
    const std::string_view mark = splitSideMark(token);
    const Reading reading = readCode(token);
    const bool isCode = reading.whole && (reading.positions >= 4 || (lone && mark.empty()));
    if (isCode) {
      result.codes.push_back({std::string(token) + std::string(mark), std::string(token)});
    } else {
      result.ignored.emplace_back(withoutBrackets(written));
    }
    previousWasCode = isCode;
  }
  return result;
}

}  // namespace catalog::ops_code
