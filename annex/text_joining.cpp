#include "annex/text_joining.h"

#include <cctype>

#include "annex/header_words.h"
#include "catalog/cp1252.h"

namespace annex {
namespace {

bool isWordCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return catalog::cp1252::isLetter(byte) || catalog::cp1252::isDigit(byte);
}

// A word without the punctuation around it: "(z.B." gives "z.B".
std::string_view bare(std::string_view word) {
  while (!word.empty() && !isWordCharacter(word.front()) && word.front() != '-') word.remove_prefix(1);
  while (!word.empty() && !isWordCharacter(word.back()) && word.back() != '-') word.remove_suffix(1);
  return word;
}

std::vector<std::string_view> split(std::string_view text, char at) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(at, start);
    if (end == std::string_view::npos) end = text.size();
    pieces.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return pieces;
}

std::string_view lastWord(std::string_view line) {
  const auto space = line.rfind(' ');
  return space == std::string_view::npos ? line : line.substr(space + 1);
}

std::string_view firstWord(std::string_view line) { return line.substr(0, line.find(' ')); }

// A line that ends in a word broken with a hyphen: a letter or digit before it.
bool endsBroken(std::string_view line) {
  const std::string_view word = lastWord(line);
  return word.size() >= 2 && word.back() == '-' && isWordCharacter(word[word.size() - 2]);
}

}  // namespace

void TextJoiner::learn(const PrintedLines& lines) {
  for (const std::string& line : lines)
    for (const std::string_view word : split(line, ' '))
      for (const std::string_view slashPart : split(bare(word), '/')) {
        const std::vector<std::string_view> pieces = split(slashPart, '-');
        for (std::size_t i = 0; i < pieces.size(); ++i) {
          if (pieces[i].empty()) continue;
          parts_.insert(catalog::cp1252::folded(pieces[i]));
          if (i + 1 < pieces.size() && !pieces[i + 1].empty())
            pairs_.insert(catalog::cp1252::folded(std::string(pieces[i]) + "-" + std::string(pieces[i + 1])));
        }
      }
}

std::string TextJoiner::joinBroken(std::string_view left, std::string_view right, std::string_view where) {
  // left ends with the hyphen; right is the next line.
  const std::string_view rightWord = bare(firstWord(right));
  if (rightWord == "und" || rightWord == "oder") return std::string(left) + " " + std::string(right);
  std::string_view leftPiece = bare(lastWord(left.substr(0, left.size() - 1)));
  leftPiece = leftPiece.substr(leftPiece.find_last_of("-/") == std::string_view::npos ? 0 : leftPiece.find_last_of("-/") + 1);
  const std::string_view rightPiece = rightWord.substr(0, rightWord.find_first_of("-/"));
  // The right piece may end otherwise elsewhere: its first letters count.
  const std::string rightStart(rightPiece.substr(0, std::max<std::size_t>(4, rightPiece.size() * 2 / 3)));
  const bool closed = printed(parts_, std::string(leftPiece) + rightStart);
  const bool hyphened = printed(pairs_, std::string(leftPiece) + "-" + rightStart);
  bool keepHyphen = false;
  if (closed != hyphened) {
    keepHyphen = hyphened;
  } else {
    const auto first = rightPiece.empty() ? 'a' : static_cast<unsigned char>(rightPiece.front());
    keepHyphen = catalog::cp1252::isDigit(first) || catalog::cp1252::foldCase(first) != first;
  }
  std::string joined(left.substr(0, left.size() - (keepHyphen ? 0 : 1)));
  joined += right;
  const std::string shownLeft(lastWord(left)), shownRight(firstWord(right));
  const std::string result = keepHyphen ? shownLeft + shownRight : shownLeft.substr(0, shownLeft.size() - 1) + shownRight;
  const std::string join = shownLeft + "|" + shownRight + " -> " + result;
  const auto [known, added] = reported_.emplace(join, joins_.size());
  if (added) joins_.push_back(join + " (" + std::string(where) + ")");
  else if (joins_[known->second].find(", ...)") == std::string::npos)
    joins_[known->second].insert(joins_[known->second].size() - 1, ", ...");
  return joined;
}

bool TextJoiner::printed(const std::set<std::string>& forms, const std::string& start) const {
  const std::string key = catalog::cp1252::folded(start);
  const auto at = forms.lower_bound(key);
  return at != forms.end() && at->compare(0, key.size(), key) == 0;
}

std::string TextJoiner::join(const PrintedLines& lines, std::string_view where) {
  std::string text;
  for (const std::string& printed : lines) {
    const std::string line = collapseBlanks(printed);
    if (line.empty()) continue;
    if (text.empty()) text = line;
    else if (endsBroken(text)) text = joinBroken(text, line, where);
    else text += " " + line;
  }
  for (char& c : text)
    if (c == ';') c = ',';
  return text;
}

}  // namespace annex
