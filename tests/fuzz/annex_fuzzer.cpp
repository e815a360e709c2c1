// The annex readers on any bytes: as a file of each annex (PDF, workbook or
// CSV by its first bytes) and, from the first byte 'W', as words placed on
// a page. Nothing but a German refusal may come out of them, and the lines
// made of what they accept are catalog lines.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <string>

#include "annex/annex_file.h"
#include "annex/definitions.h"
#include "annex/pdf_table.h"
#include "annex/year_catalog.h"
#include "catalog/errors.h"

namespace {

// Six bytes a word: left, top, width, height (in points), then its text up
// to the next NUL.
std::vector<std::vector<annex::PlacedWord>> placedWords(const std::uint8_t* data, std::size_t size) {
  std::vector<std::vector<annex::PlacedWord>> pages(1);
  std::size_t i = 0;
  while (i + 4 <= size) {
    annex::PlacedWord word;
    word.left = data[i] * 3.0;
    word.top = data[i + 1] * 4.0;
    word.right = word.left + data[i + 2] / 2.0;
    word.bottom = word.top + data[i + 3] / 16.0;
    i += 4;
    while (i < size && data[i] != 0) word.text += static_cast<char>(data[i++]);
    ++i;
    if (word.text == "\f") pages.emplace_back();
    else pages.back().push_back(std::move(word));
  }
  return pages;
}

void checkLines(const annex::YearLines& lines) {
  for (const std::string& line : lines.catalog)
    if (line.find_first_of("\r\n") != std::string::npos || std::count(line.begin(), line.end(), ';') != 8) std::abort();
  for (const auto* file : {&lines.opsTexts, &lines.footnotes})
    for (const std::string& line : *file)
      if (line.find_first_of("\r\n") != std::string::npos) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  annex::Annexes annexes;
  try {
    if (size > 0 && data[0] == 'W') {
      const annex::Table table = annex::tableOfPages(placedWords(data + 1, size - 1));
      annexes.federal = annex::definitionsOf(table, annex::annexOfColumns(table) == 6 ? 6 : 5, "w");
    } else {
      const std::string bytes(reinterpret_cast<const char*>(data), size);
      for (const int number : {2, 4, 5, 6}) {
        try {
          const annex::Table table = annex::annexTableOf(bytes, "f", number);
          if (number == 2) annexes.federalList = annex::listOf(table, 2, "f");
          if (number == 4) annexes.hospitalList = annex::listOf(table, 4, "f");
          if (number == 5) annexes.federal = annex::definitionsOf(table, 5, "f");
          if (number == 6) annexes.hospital = annex::definitionsOf(table, 6, "f");
        } catch (const catalog::Error&) {
        }
      }
    }
  } catch (const catalog::Error&) {
  }
  annex::ImportReport report;
  checkLines(annex::yearLinesOf(annexes, "2012", report));
  return 0;
}
