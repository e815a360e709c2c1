#include "annex/year_replacement.h"

namespace annex {
namespace {

struct RawLine {
  std::string_view text;  // without its end
  std::string_view end;   // "\r\n", "\n", "\r" or nothing on the last line
};

std::vector<RawLine> rawLines(std::string_view text) {
  std::vector<RawLine> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back({text.substr(start), {}});
      break;
    }
    const std::size_t endLength = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
    lines.push_back({text.substr(start, end - start), text.substr(end, endLength)});
    start = end + endLength;
  }
  return lines;
}

bool ofYear(std::string_view line, std::string_view year) {
  return line.size() > year.size() && line.compare(0, year.size(), year) == 0 && line[year.size()] == ';';
}

}  // namespace

Replacement replaceYearLines(std::string_view old, std::string_view year, const std::vector<std::string>& lines) {
  Replacement result;
  std::string& text = result.text;
  const auto addNew = [&] {
    // The line before ends where the file had no end after it.
    if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
    for (const std::string& line : lines) text.append(line).append("\r\n");
  };
  bool placed = false;
  for (const RawLine& line : rawLines(old)) {
    if (ofYear(line.text, year)) {
      ++result.removed;
      if (!placed) addNew();
      placed = true;
      continue;
    }
    text.append(line.text).append(line.end);
  }
  if (!placed) addNew();
  return result;
}

}  // namespace annex
