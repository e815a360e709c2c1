#include "annex/pdf_table.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <poppler/cpp/poppler-document.h>
#include <poppler/cpp/poppler-global.h>
#include <poppler/cpp/poppler-page.h>

#include "annex/header_words.h"
#include "annex/messages.h"
#include "catalog/cp1252.h"

namespace annex {
namespace {

using Line = std::vector<PlacedWord>;  // left to right

double medianHeight(const std::vector<PlacedWord>& words) {
  std::vector<double> heights;
  for (const PlacedWord& word : words) heights.push_back(word.height());
  if (heights.empty()) return 0;
  std::nth_element(heights.begin(), heights.begin() + static_cast<std::ptrdiff_t>(heights.size() / 2), heights.end());
  return heights[heights.size() / 2];
}

// Some printers set a word letter by letter ("Z" "E" "1" "2" "0" "." "08"):
// pieces that touch are one word.
Line withLettersSpacedJoined(Line line, double height) {
  Line joined;
  for (PlacedWord& word : line) {
    if (!joined.empty() && word.left - joined.back().right < 0.1 * height) {
      PlacedWord& last = joined.back();
      last.text += word.text;
      last.right = std::max(last.right, word.right);
      last.top = std::min(last.top, word.top);
      last.bottom = std::max(last.bottom, word.bottom);
      continue;
    }
    joined.push_back(std::move(word));
  }
  return joined;
}

// Words of the text's height form a line while each lies close below the
// one before (cells aligned to a row's top stay on the row). A smaller word,
// a raised footnote mark, goes to the line of the word it stands beside,
// which may be a row below the text it is raised into.
std::vector<Line> printedLines(std::vector<PlacedWord> words, double height) {
  std::stable_sort(words.begin(), words.end(),
                   [](const PlacedWord& a, const PlacedWord& b) { return a.middle() < b.middle(); });
  std::vector<Line> lines;
  std::vector<PlacedWord> small;
  double lastMiddle = 0;
  for (PlacedWord& word : words) {
    if (word.height() < 0.72 * height) {
      small.push_back(std::move(word));
      continue;
    }
    if (lines.empty() || word.middle() - lastMiddle > 0.4 * height) lines.emplace_back();
    lastMiddle = word.middle();
    lines.back().push_back(std::move(word));
  }
  for (PlacedWord& word : small) {
    // Of the words it may stand beside, the one nearest in height.
    Line* best = nullptr;
    double bestDistance = height;
    for (Line& line : lines)
      for (const PlacedWord& other : line) {
        const double gap = word.left - other.right, distance = std::fabs(word.middle() - other.middle());
        if (gap < -0.5 || gap > 0.8 * height || distance >= bestDistance) continue;
        best = &line;
        bestDistance = distance;
      }
    bestDistance = height;
    if (!best) {
      for (Line& line : lines) {
        const double distance = std::fabs(line.front().middle() - word.middle());
        if (distance < bestDistance) best = &line, bestDistance = distance;
      }
    }
    if (best) best->push_back(std::move(word));
    else lines.push_back({std::move(word)});
  }
  std::stable_sort(lines.begin(), lines.end(),
                   [](const Line& a, const Line& b) { return a.front().middle() < b.front().middle(); });
  for (Line& line : lines) {
    std::stable_sort(line.begin(), line.end(), [](const PlacedWord& a, const PlacedWord& b) { return a.left < b.left; });
    line = withLettersSpacedJoined(std::move(line), height);
  }
  return lines;
}

std::string textOf(const Line& line) {
  std::string text;
  for (const PlacedWord& word : line) {
    if (!text.empty()) text += ' ';
    text += word.text;
  }
  return text;
}

// A header word and where it stands.
struct HeaderColumn {
  Column column;
  double left, right;
  double middle() const { return (left + right) / 2; }
};

std::vector<HeaderColumn> headerColumnsOf(const Line& line) {
  std::vector<HeaderColumn> found;
  for (const PlacedWord& word : line)
    if (const auto column = columnNamed(word.text)) found.push_back({*column, word.left, word.right});
  return found;
}

struct PageLayout {
  std::vector<HeaderColumn> columns;  // left to right
  std::size_t bodyStart = 0;          // the first line below the header
};

// The header is the first line that names two columns, with the lines just
// below it that name more, and the row of column numbers under them.
std::optional<PageLayout> layoutOf(const std::vector<Line>& lines, double height) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::vector<HeaderColumn> columns = headerColumnsOf(lines[i]);
    if (columns.size() < 2) continue;
    std::size_t next = i + 1;
    const double headerBottom = lines[i].front().bottom;
    while (next < lines.size() && lines[next].front().top - headerBottom < 3 * height) {
      const std::vector<HeaderColumn> more = headerColumnsOf(lines[next]);
      if (more.empty() || more.size() != lines[next].size()) break;
      columns.insert(columns.end(), more.begin(), more.end());
      ++next;
    }
    if (next < lines.size() &&
        std::all_of(lines[next].begin(), lines[next].end(), [](const PlacedWord& w) { return isColumnNumber(w.text); }))
      ++next;
    std::sort(columns.begin(), columns.end(),
              [](const HeaderColumn& a, const HeaderColumn& b) { return a.middle() < b.middle(); });
    return PageLayout{std::move(columns), next};
  }
  return std::nullopt;
}

// Where one column ends and the next begins: between their header words,
// the place that the fewest words of the body cover (a cell's text never
// crosses into the next cell; a heading over a block may, but once).
std::vector<double> boundariesOf(const std::vector<HeaderColumn>& columns, const std::vector<Line>& body) {
  std::vector<double> boundaries;
  constexpr double kStep = 0.25;
  for (std::size_t c = 0; c + 1 < columns.size(); ++c) {
    const double from = columns[c].middle(), to = columns[c + 1].middle();
    const auto steps = static_cast<std::size_t>(std::max(1.0, (to - from) / kStep));
    std::vector<int> cover(steps, 0);
    for (const Line& line : body)
      for (const PlacedWord& word : line) {
        const double a = std::max(word.left, from), b = std::min(word.right, to);
        if (a >= b) continue;
        const auto first = static_cast<std::size_t>((a - from) / kStep);
        const auto last = std::min(steps - 1, static_cast<std::size_t>((b - from) / kStep));
        for (std::size_t s = first; s <= last; ++s) ++cover[s];
      }
    const int least = *std::min_element(cover.begin(), cover.end());
    std::size_t bestStart = 0, bestLength = 0;
    for (std::size_t s = 0; s < steps;) {
      if (cover[s] != least) {
        ++s;
        continue;
      }
      std::size_t end = s;
      while (end < steps && cover[end] == least) ++end;
      if (end - s > bestLength) bestStart = s, bestLength = end - s;
      s = end;
    }
    boundaries.push_back(from + (static_cast<double>(bestStart) + static_cast<double>(bestLength) / 2) * kStep);
  }
  return boundaries;
}

// A line's words into cells: words set apart by an ordinary space stay in
// the cell of the first of them (a heading that runs on past its column);
// a wider gap starts a phrase in the column it begins in.
TableLine cellsOf(const Line& line, const PageLayout& layout, const std::vector<double>& boundaries, double height) {
  TableLine cells;
  std::size_t column = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const PlacedWord& word = line[i];
    if (i == 0 || word.left - line[i - 1].right > 0.45 * height) {
      column = 0;
      while (column < boundaries.size() && word.left >= boundaries[column]) ++column;
    }
    std::string& cell = cells[layout.columns[column].column];
    if (!cell.empty()) cell += ' ';
    cell += word.text;
  }
  return cells;
}

std::string cp1252Of(const poppler::ustring& text) {
  const poppler::byte_array utf8 = text.to_utf8();
  return catalog::cp1252::fromUtf8(std::string_view(utf8.data(), utf8.size()));
}

void quietPoppler(const std::string&, void*) {}

}  // namespace

Table tableOfPages(const std::vector<std::vector<PlacedWord>>& pages) {
  Table table;
  std::optional<PageLayout> layout;
  bool inFootnotes = false;
  for (const std::vector<PlacedWord>& words : pages) {
    const double height = medianHeight(words);
    const std::vector<Line> lines = printedLines(words, height);
    std::size_t bodyStart = 0;
    if (const auto found = layoutOf(lines, height)) {
      layout = found;
      bodyStart = found->bodyStart;
    }
    for (std::size_t i = 0; i < bodyStart; ++i)
      if (!table.printedYear) table.printedYear = printedYearIn(textOf(lines[i]));
    if (!layout) continue;
    for (const HeaderColumn& column : layout->columns) table.columns[static_cast<std::size_t>(column.column)] = true;
    std::vector<Line> body;
    for (std::size_t i = bodyStart; i < lines.size(); ++i) {
      const std::string text = textOf(lines[i]);
      if (isPageFooter(text)) continue;
      if (!inFootnotes && startsFootnotes(text)) inFootnotes = true;
      if (inFootnotes) {
        if (!startsFootnotes(text)) table.footnoteLines.push_back(collapseBlanks(text));
        continue;
      }
      body.push_back(lines[i]);
    }
    const std::vector<double> boundaries = boundariesOf(layout->columns, body);
    for (const Line& line : body) {
      TableLine cells = cellsOf(line, *layout, boundaries, height);
      if (!cells.empty()) table.lines.push_back(std::move(cells));
    }
  }
  return table;
}

Table readPdfTable(const std::string& data, std::string_view file) {
  // A file cut short lacks the end mark that every PDF closes with; poppler
  // would piece together what it can and the import would miss pages.
  const std::size_t tail = std::min<std::size_t>(data.size(), 1024);
  if (std::string_view(data).substr(data.size() - tail).find("%%EOF") == std::string_view::npos) throw damagedPdf(file);
  poppler::set_debug_error_function(quietPoppler, nullptr);
  poppler::byte_array bytes(data.begin(), data.end());
  const std::unique_ptr<poppler::document> document(poppler::document::load_from_data(&bytes));
  if (!document || document->is_locked()) throw damagedPdf(file);
  std::vector<std::vector<PlacedWord>> pages;
  bool anyText = false;
  for (int p = 0; p < document->pages(); ++p) {
    const std::unique_ptr<poppler::page> page(document->create_page(p));
    if (!page) throw damagedPdf(file);
    std::vector<PlacedWord>& words = pages.emplace_back();
    for (const poppler::text_box& box : page->text_list()) {
      const poppler::rectf place = box.bbox();
      std::string text = cp1252Of(box.text());
      if (text.empty()) continue;
      words.push_back({place.left(), place.right(), place.top(), place.bottom(), std::move(text)});
    }
    anyText = anyText || !words.empty();
  }
  if (!anyText) throw notText(file);
  return tableOfPages(pages);
}

}  // namespace annex
