// Writes a workbook with libxlsxwriter for the annex tests. A program of
// its own: libxlsxwriter and QuaZip both carry minizip's zip functions, and
// in one process the reader's would serve the writer.
//
// Usage: make_workbook OUT.xlsx < sheets
// Sheets are separated by a line "#SHEET", cells by tabs, in UTF-8; a cell
// that reads whole as a number is written as a number.

#include <cstdlib>
#include <iostream>
#include <string>
#include <xlsxwriter.h>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  lxw_workbook* book = workbook_new(argv[1]);
  lxw_worksheet* sheet = nullptr;
  int sheets = 0;
  lxw_row_t row = 0;
  for (std::string line; std::getline(std::cin, line);) {
    if (!sheet || line == "#SHEET") {
      sheet = workbook_add_worksheet(book, ("Blatt" + std::to_string(++sheets)).c_str());
      row = 0;
      if (line == "#SHEET") continue;
    }
    lxw_col_t column = 0;
    std::size_t start = 0;
    while (start <= line.size()) {
      std::size_t end = line.find('\t', start);
      if (end == std::string::npos) end = line.size();
      const std::string cell = line.substr(start, end - start);
      char* rest = nullptr;
      const double number = std::strtod(cell.c_str(), &rest);
      if (!cell.empty() && rest == cell.c_str() + cell.size()) worksheet_write_number(sheet, row, column, number, nullptr);
      else if (!cell.empty()) worksheet_write_string(sheet, row, column, cell.c_str(), nullptr);
      ++column;
      start = end + 1;
    }
    ++row;
  }
  return workbook_close(book) == LXW_NO_ERROR ? 0 : 1;
}
