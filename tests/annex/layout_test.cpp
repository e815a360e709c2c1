// A PDF page's placed words into the annex's table: columns by their
// header words, lines by their height, furniture dropped.

#include <gtest/gtest.h>

#include "annex/pdf_table.h"

namespace {

using annex::Column;
using annex::PlacedWord;

// A word of 7 points whose baseline is at y.
PlacedWord word(double x, double y, const std::string& text, double height = 7) {
  return {x, x + 4.2 * static_cast<double>(text.size()), y - height, y, text};
}

// Words set apart by single spaces, from x on.
void phrase(std::vector<PlacedWord>& page, double x, double y, const std::string& text, double height = 7) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    page.push_back(word(x, y, text.substr(start, end - start), height));
    x = page.back().right + 2.2;
    start = end + 1;
  }
}

std::vector<PlacedWord> anlage6Header(double y) {
  return {word(76, y, "ZE"), word(150, y, "Bezeichnung"), word(251, y + 6, "OPS-Kode"), word(397, y + 6, "OPS-Text"),
          word(83, y + 18, "1"), word(175, y + 18, "2"), word(271, y + 18, "3"), word(415, y + 18, "4")};
}

// The columns of Anlage 5 over a page whose rows start at 130.
std::vector<PlacedWord> anlage5Header() {
  return {word(58, 100, "ZE"), word(120, 100, "Bezeichnung"), word(206, 100, "ZED"),
          word(489, 100, "Betrag"), word(237, 106, "OPS-Kode"), word(360, 106, "OPS-Text")};
}

std::vector<std::string> cellsOf(const annex::TableLine& line) {
  return {line.cells.begin(), line.cells.end()};
}

TEST(PdfLayout, RowsContinueOverPagesWithoutTheirHeadersAndFooters) {
  std::vector<PlacedWord> first = anlage6Header(120);
  phrase(first, 90, 100, "OPS Version 2012");
  phrase(first, 58, 160, "ZE2012-01");
  phrase(first, 115, 160, "Beckenimplantate");
  phrase(first, 242, 160, "5-785.2d");
  phrase(first, 305, 160, "Implantation von alloplastischem");
  phrase(first, 305, 169, "Knochenersatz: Becken");
  phrase(first, 500, 790, "Seite 1");
  std::vector<PlacedWord> second = anlage6Header(60);
  phrase(second, 242, 100, "5-785.3d");
  phrase(second, 305, 100, "Implantation: Becken");
  phrase(second, 58, 120, "Fu\xDFnoten:");
  phrase(second, 58, 130, "4) Nach FPV");
  phrase(second, 115, 139, "weiter zu erheben.");

  const annex::Table table = annex::tableOfPages({first, second});
  EXPECT_EQ(table.printedYear, "2012");
  EXPECT_TRUE(table.has(Column::Code));
  EXPECT_FALSE(table.has(Column::Zed));
  ASSERT_EQ(table.lines.size(), 3u);
  EXPECT_EQ(cellsOf(table.lines[0]),
            (std::vector<std::string>{"ZE2012-01", "Beckenimplantate", "", "5-785.2d", "Implantation von alloplastischem", ""}));
  EXPECT_EQ(cellsOf(table.lines[1]), (std::vector<std::string>{"", "", "", "", "Knochenersatz: Becken", ""}));
  EXPECT_EQ(cellsOf(table.lines[2]), (std::vector<std::string>{"", "", "", "5-785.3d", "Implantation: Becken", ""}));
  EXPECT_EQ(table.footnoteLines, (std::vector<std::string>{"4) Nach FPV", "weiter zu erheben."}));
}

TEST(PdfLayout, ColumnsAreWhereTheirHeaderWordsStandNotWhereTheyUsuallyAre) {
  // The text column left of the code column, and the page narrower.
  std::vector<PlacedWord> page = {word(60, 100, "ZE"), word(110, 100, "Bezeichnung"), word(200, 100, "OPS-Text"),
                                  word(330, 100, "OPS-Kode")};
  phrase(page, 58, 120, "ZE2012-02");
  phrase(page, 100, 120, "Kunstherz");
  phrase(page, 180, 120, "Implantation eines Systems");
  phrase(page, 330, 120, "5-376.20");
  const annex::Table table = annex::tableOfPages({page});
  ASSERT_EQ(table.lines.size(), 1u);
  EXPECT_EQ(table.lines[0][Column::Code], "5-376.20");
  EXPECT_EQ(table.lines[0][Column::Text], "Implantation eines Systems");
  EXPECT_EQ(table.lines[0][Column::Description], "Kunstherz");
}

TEST(PdfLayout, AHeadingThatRunsIntoTheAmountColumnStaysText) {
  std::vector<PlacedWord> page = anlage5Header();
  phrase(page, 58, 130, "ZE13");
  phrase(page, 100, 130, "Gabe von Alemtuzumab,");
  phrase(page, 283, 130, "Applikation von Medikamenten, Liste 1: Alemtuzumab, parenteral");
  phrase(page, 194, 139, "ZE13.01");
  phrase(page, 235, 139, "6-001.00");
  phrase(page, 283, 139, "30 mg bis unter 60 mg");
  phrase(page, 497, 139, "591,66 \x80");
  const annex::Table table = annex::tableOfPages({page});
  ASSERT_EQ(table.lines.size(), 2u);
  EXPECT_EQ(table.lines[0][Column::Text], "Applikation von Medikamenten, Liste 1: Alemtuzumab, parenteral");
  EXPECT_EQ(table.lines[0][Column::Amount], "");
  EXPECT_EQ(table.lines[1][Column::Amount], "591,66 \x80");
  EXPECT_EQ(table.lines[1][Column::Zed], "ZE13.01");
}

TEST(PdfLayout, ARaisedMarkGoesToTheCodeItStandsBesideAndSpacedLettersAreOneWord) {
  std::vector<PlacedWord> page = anlage5Header();
  phrase(page, 58, 130, "ZE128");
  phrase(page, 100, 130, "Gabe von Micafungin,");
  phrase(page, 100, 139, "parenteral");
  // The ZED's row stands 5 points below the description's second line; its
  // mark is raised into that line, its code set letter by letter.
  double x = 194;
  for (const std::string letter : {"Z", "E", "1", "2", "8", ".", "01"}) {
    page.push_back(word(x, 144.5, letter));
    x = page.back().right;
  }
  page.push_back(word(x + 1.0, 141, "6)", 4.6));
  phrase(page, 242, 144, "6-004.50");
  phrase(page, 290, 144, "75 mg bis unter 150 mg");
  const annex::Table table = annex::tableOfPages({page});
  ASSERT_EQ(table.lines.size(), 3u);
  EXPECT_EQ(table.lines[1][Column::Description], "parenteral");
  EXPECT_EQ(table.lines[1][Column::Zed], "");
  EXPECT_EQ(table.lines[2][Column::Zed], "ZE128.01 6)");
  EXPECT_EQ(table.lines[2][Column::Code], "6-004.50");
}

}  // namespace
