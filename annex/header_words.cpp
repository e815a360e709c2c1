#include "annex/header_words.h"

#include <algorithm>
#include <cctype>

namespace annex {
namespace {

bool isBlank(unsigned char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xA0; }

// A footnote mark beside a header word ("ZE 1)") does not change the column.
std::string withoutMarks(std::string_view text) {
  std::string words = collapseBlanks(text);
  while (true) {
    const auto space = words.rfind(' ');
    if (space == std::string::npos) break;
    const std::string_view last = std::string_view(words).substr(space + 1);
    if (last.size() < 2 || last.back() != ')') break;
    words.erase(space);
  }
  return words;
}

}  // namespace

std::string collapseBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool pendingBlank = false;
  for (const char c : text) {
    if (isBlank(static_cast<unsigned char>(c))) {
      pendingBlank = !out.empty();
      continue;
    }
    if (pendingBlank) out += ' ';
    pendingBlank = false;
    out += c;
  }
  return out;
}

bool isDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<Column> columnNamed(std::string_view headerText) {
  const std::string words = withoutMarks(headerText);
  if (words == "ZE") return Column::Ze;
  if (words == "ZED" || words == "ZE D") return Column::Zed;
  if (words == "Bezeichnung") return Column::Description;
  if (words == "OPS-Kode" || words == "OPS-Kodes" || words == "OPS Kode") return Column::Code;
  if (words == "OPS-Text" || words == "OPS Text") return Column::Text;
  if (words == "Betrag" || words == "Betrag in Euro") return Column::Amount;
  return std::nullopt;
}

bool isColumnNumber(std::string_view text) {
  const std::string word = collapseBlanks(text);
  return word.size() <= 2 && isDigits(word);
}

bool isPageFooter(std::string_view lineText) {
  // "Seite 3" or "Seite 3 von 26"
  const std::string words = collapseBlanks(lineText);
  std::vector<std::string_view> parts;
  for (std::size_t start = 0; start <= words.size();) {
    const std::size_t end = std::min(words.find(' ', start), words.size());
    parts.push_back(std::string_view(words).substr(start, end - start));
    start = end + 1;
  }
  if (parts.size() == 2) return parts[0] == "Seite" && isDigits(parts[1]);
  if (parts.size() == 4) return parts[0] == "Seite" && isDigits(parts[1]) && parts[2] == "von" && isDigits(parts[3]);
  return false;
}

bool startsFootnotes(std::string_view lineText) {
  const std::string words = collapseBlanks(lineText);
  return words.rfind("Fu\xDFnoten", 0) == 0;
}

std::optional<std::string> printedYearIn(std::string_view lineText) {
  const std::string words = collapseBlanks(lineText);
  const std::string_view marker = "OPS Version ";
  const auto at = words.find(marker);
  if (at == std::string::npos) return std::nullopt;
  const std::string_view year = std::string_view(words).substr(at + marker.size(), 4);
  if (year.size() != 4 || !isDigits(year)) return std::nullopt;
  return std::string(year);
}

bool TableLine::empty() const {
  return std::all_of(cells.begin(), cells.end(), [](const std::string& cell) { return cell.empty(); });
}

}  // namespace annex
