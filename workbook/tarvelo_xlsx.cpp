// tarvelo-xlsx ROWS WORKBOOK SHEET: writes the rows of ROWS as an Excel
// workbook. The program runs beside Tarvelo rather than in it: libxlsxwriter
// and the reader of workbooks each bring a zip library under the same
// symbol names, and one process can hold only one of them.
//
// ROWS is UTF-8 text, one row per line, cells separated by tabs; "\t",
// "\n" and "\\" stand for a tab, a line break and a backslash in a cell.
// The first line is the header (bold, filtered, frozen); the second gives
// each column's number format, empty for text. A cell of a column with a
// number format is written as a number when it is one ("-11.5"), else as
// text. Exit 0 when the workbook is written, else 1 with the reason on
// standard error.

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Row = std::vector<std::string>;

std::string unescaped(const std::string& cell) {
  std::string text;
  for (std::size_t i = 0; i < cell.size(); ++i) {
    if (cell[i] != '\\' || i + 1 == cell.size()) {
      text += cell[i];
      continue;
    }
    const char next = cell[++i];
    text += next == 't' ? '\t' : next == 'n' ? '\n' : next;
  }
  return text;
}

Row cellsOf(const std::string& line) {
  Row cells;
  std::string cell;
  std::istringstream in(line);
  while (std::getline(in, cell, '\t')) cells.push_back(unescaped(cell));
  if (!line.empty() && line.back() == '\t') cells.emplace_back();
  return cells;
}

bool asNumber(const std::string& text, double& number) {
  if (text.empty()) return false;
  char* end = nullptr;
  number = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size();
}

// Roughly the width of the longest cell, in characters of the default font.
double widthOf(const std::vector<Row>& rows, std::size_t column) {
  std::size_t widest = 6;
  for (const Row& row : rows)
    if (column < row.size()) {
      const std::string& cell = row[column];
      const auto characters = static_cast<std::size_t>(
          std::count_if(cell.begin(), cell.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
      widest = std::max(widest, characters);
    }
  return static_cast<double>(std::min<std::size_t>(widest + 2, 60));
}

int fail(const std::string& reason) {
  std::cerr << reason << '\n';
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return fail("Aufruf: tarvelo-xlsx ZEILEN ARBEITSMAPPE BLATT");
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) return fail(std::string("Die Zeilen ") + argv[1] + " sind nicht lesbar.");
  std::vector<Row> rows;
  std::string line;
  while (std::getline(in, line)) rows.push_back(cellsOf(line));
  if (rows.size() < 2) return fail("Kopfzeile und Zahlenformate fehlen.");
  const Row header = rows[0];
  const Row numberFormats = rows[1];
  rows.erase(rows.begin(), rows.begin() + 2);

  lxw_workbook* workbook = workbook_new(argv[2]);
  if (!workbook) return fail("Die Arbeitsmappe kann nicht angelegt werden.");
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, argv[3]);
  lxw_format* bold = workbook_add_format(workbook);
  format_set_bold(bold);
  std::vector<lxw_format*> formats(header.size(), nullptr);
  for (std::size_t c = 0; c < header.size() && c < numberFormats.size(); ++c) {
    if (numberFormats[c].empty()) continue;
    formats[c] = workbook_add_format(workbook);
    format_set_num_format(formats[c], numberFormats[c].c_str());
  }
  std::vector<Row> everything = rows;
  everything.push_back(header);
  for (std::size_t c = 0; c < header.size(); ++c) {
    const auto column = static_cast<lxw_col_t>(c);
    worksheet_set_column(sheet, column, column, widthOf(everything, c), nullptr);
    worksheet_write_string(sheet, 0, column, header[c].c_str(), bold);
  }
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const auto row = static_cast<lxw_row_t>(r + 1);
    for (std::size_t c = 0; c < rows[r].size() && c < header.size(); ++c) {
      const std::string& cell = rows[r][c];
      if (cell.empty()) continue;
      double number = 0;
      const auto column = static_cast<lxw_col_t>(c);
      if (formats[c] && asNumber(cell, number)) {
        worksheet_write_number(sheet, row, column, number, formats[c]);
      } else {
        worksheet_write_string(sheet, row, column, cell.c_str(), nullptr);
      }
    }
  }
  if (!header.empty())
    worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(rows.size()), static_cast<lxw_col_t>(header.size() - 1));
  worksheet_freeze_panes(sheet, 1, 0);
  if (const lxw_error error = workbook_close(workbook); error != LXW_NO_ERROR) return fail(lxw_strerror(error));
  return 0;
}
