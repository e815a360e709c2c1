#pragma once
// Small annexes for the tests: PDFs with text at chosen places (QPdfWriter,
// positions in points from the page's top left), CSV text and workbooks.

#include <string>
#include <vector>

namespace annex_testing {

struct Text {
  double x, y;  // the baseline's start
  std::string utf8;
  double size = 7;
};
using Page = std::vector<Text>;

// A PDF of A4 pages with the texts placed on them.
std::string pdfOf(const std::vector<Page>& pages);

// A workbook with one sheet per grid of UTF-8 cells; a cell that reads as
// a number is written as one.
std::string workbookOf(const std::vector<std::vector<std::vector<std::string>>>& sheets);

// The columns of Anlage 5 and 6 as their headers print them, and a row of
// cells placed under them.
Page anlage5Header(double y);
Page anlage6Header(double y);
void addRow(Page& page, double y, const std::vector<std::pair<double, std::string>>& cells);

}  // namespace annex_testing
