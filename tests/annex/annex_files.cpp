#include "annex_files.h"

#include <QBuffer>
#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cstdlib>
#include <stdexcept>

#include "temporary_folder.h"

namespace annex_testing {

std::string pdfOf(const std::vector<Page>& pages) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(72);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    for (std::size_t p = 0; p < pages.size(); ++p) {
      if (p > 0) writer.newPage();
      for (const Text& text : pages[p]) {
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPointSizeF(text.size);
        painter.setFont(font);
        painter.drawText(QPointF(text.x, text.y), QString::fromUtf8(text.utf8.c_str()));
      }
    }
  }
  return buffer.data().toStdString();
}

std::string workbookOf(const std::vector<std::vector<std::vector<std::string>>>& sheets) {
  testing_support::TemporaryFolder folder;
  std::string cells;
  for (std::size_t s = 0; s < sheets.size(); ++s) {
    if (s > 0) cells += "#SHEET\n";
    for (const auto& row : sheets[s]) {
      for (std::size_t c = 0; c < row.size(); ++c) cells += (c > 0 ? "\t" : "") + row[c];
      cells += "\n";
    }
  }
  folder.write("sheets.txt", cells);
  const std::string command = std::string("'") + TARVELO_MAKE_WORKBOOK + "' '" + folder.file("book.xlsx") + "' < '" +
                              folder.file("sheets.txt") + "'";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("make_workbook failed");
  return folder.read("book.xlsx");
}

Page anlage5Header(double y) {
  return {{58, y, "ZE"}, {120, y, "Bezeichnung"}, {206, y, "ZED"}, {489, y, "Betrag"},
          {237, y + 6, "OPS-Kode"}, {360, y + 6, "OPS-Text"},
          {76, y + 22, "1"}, {144, y + 22, "2"}, {211, y + 22, "3"}, {256, y + 22, "4"}, {377, y + 22, "5"},
          {500, y + 22, "6"}};
}

Page anlage6Header(double y) {
  return {{76, y, "ZE"}, {150, y, "Bezeichnung"}, {251, y + 6, "OPS-Kode"}, {397, y + 6, "OPS-Text"},
          {83, y + 18, "1"}, {175, y + 18, "2"}, {271, y + 18, "3"}, {415, y + 18, "4"}};
}

void addRow(Page& page, double y, const std::vector<std::pair<double, std::string>>& cells) {
  for (const auto& [x, text] : cells) page.push_back({x, y, text});
}

}  // namespace annex_testing
