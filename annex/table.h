#pragma once
// An annex as a table: the lines of its body in print order, each with the
// text it holds in each of the annex's columns, and the lines of its
// footnote block. Whether it came from a PDF, a CSV file or a workbook, the
// rules that make catalog lines read only this. Text is Windows-1252.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace annex {

// The columns an annex may have, found by the words of their headers.
enum class Column { Ze, Description, Zed, Code, Text, Amount };
inline constexpr std::size_t kColumnCount = 6;

struct TableLine {
  std::array<std::string, kColumnCount> cells;  // empty where the line has nothing
  const std::string& operator[](Column column) const { return cells[static_cast<std::size_t>(column)]; }
  std::string& operator[](Column column) { return cells[static_cast<std::size_t>(column)]; }
  bool empty() const;
};

struct Table {
  std::array<bool, kColumnCount> columns{};  // which columns the header has
  std::vector<TableLine> lines;
  std::vector<std::string> footnoteLines;     // after "Fußnoten:", blanks collapsed
  std::optional<std::string> printedYear;     // from "OPS Version 2012" above the table
  bool has(Column column) const { return columns[static_cast<std::size_t>(column)]; }
};

}  // namespace annex
