#include "annex/grid_table.h"

#include <algorithm>
#include <string_view>

#include "annex/header_words.h"

namespace annex {
namespace {

std::string joined(const std::vector<std::string>& row) {
  std::string text;
  for (const std::string& cell : row) {
    if (cell.empty()) continue;
    if (!text.empty()) text += ' ';
    text += cell;
  }
  return text;
}

bool isHeaderOrNumbers(const std::vector<std::string>& row) {
  bool any = false;
  for (const std::string& cell : row) {
    if (collapseBlanks(cell).empty()) continue;
    if (!columnNamed(cell) && !isColumnNumber(cell)) return false;
    any = true;
  }
  return any;
}

// A cell's lines as the sheet breaks them, each with its blanks collapsed:
// a line end inside a cell is a printed line end, where a word may be
// broken with a hyphen.
std::string printedLinesOf(std::string_view cell) {
  std::string lines;
  std::size_t start = 0;
  while (start <= cell.size()) {
    std::size_t end = cell.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = cell.size();
    const std::string line = collapseBlanks(cell.substr(start, end - start));
    if (!line.empty()) {
      if (!lines.empty()) lines += '\n';
      lines += line;
    }
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::optional<Table> tableOfGrid(const Grid& rows) {
  Table table;
  std::vector<std::optional<Column>> columnOf;
  std::size_t r = 0;
  for (; r < rows.size(); ++r) {
    if (!table.printedYear) table.printedYear = printedYearIn(joined(rows[r]));
    columnOf.clear();
    int named = 0;
    for (const std::string& cell : rows[r]) {
      columnOf.push_back(columnNamed(cell));
      named += columnOf.back() ? 1 : 0;
    }
    if (named >= 2) break;
  }
  if (r == rows.size()) return std::nullopt;
  for (const auto& column : columnOf)
    if (column) table.columns[static_cast<std::size_t>(*column)] = true;
  bool inFootnotes = false;
  for (++r; r < rows.size(); ++r) {
    const std::vector<std::string>& row = rows[r];
    const std::string text = joined(row);
    if (collapseBlanks(text).empty() || isPageFooter(text)) continue;
    if (!inFootnotes && startsFootnotes(text)) {
      inFootnotes = true;
      continue;
    }
    if (inFootnotes) {
      table.footnoteLines.push_back(collapseBlanks(text));
      continue;
    }
    if (isHeaderOrNumbers(row)) continue;
    TableLine line;
    for (std::size_t c = 0; c < row.size() && c < columnOf.size(); ++c) {
      if (!columnOf[c]) continue;
      std::string& cell = line[*columnOf[c]];
      const std::string text = printedLinesOf(row[c]);
      if (text.empty()) continue;
      if (!cell.empty()) cell += '\n';
      cell += text;
    }
    if (!line.empty()) table.lines.push_back(std::move(line));
  }
  return table;
}

}  // namespace annex
