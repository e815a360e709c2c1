#include "annex/definitions.h"

#include <algorithm>
#include <cctype>

#include "annex/header_words.h"
#include "annex/messages.h"
#include "catalog/ops_code.h"

namespace annex {
namespace {

// "1)", "*)": a footnote mark, given without its parenthesis.
std::optional<std::string> markOf(std::string_view word) {
  if (word.size() < 2 || word.back() != ')') return std::nullopt;
  const std::string_view mark = word.substr(0, word.size() - 1);
  if (mark == "*" || (isDigits(mark) && mark.size() <= 2)) return std::string(mark);
  return std::nullopt;
}

// "ZE01", "ZE01.01", "ZE2012-01" and the like.
bool isZeCode(std::string_view word) {
  if (word.size() < 4 || word.substr(0, 2) != "ZE" || !std::isdigit(static_cast<unsigned char>(word[2]))) return false;
  return std::all_of(word.begin() + 2, word.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-'; });
}

// A code with marks glued to it ("ZE40.016)" where the cell lost the space):
// a ZED has two digits after its point, the rest is the mark.
void splitGluedMark(std::string& code, std::vector<std::string>& marks) {
  const auto point = code.find('.');
  if (point == std::string::npos || code.size() <= point + 3 || code.back() != ')') return;
  if (const auto mark = markOf(std::string_view(code).substr(point + 3))) {
    marks.push_back(*mark);
    code.erase(point + 3);
  }
}

struct CodeCell {
  std::string code;
  std::vector<std::string> marks;
};

// The code of a cell and the footnote marks before or beside it; isCode
// tells the cell's codes from other words.
template <typename IsCode>
CodeCell readCodeCell(std::string_view cell, IsCode isCode) {
  CodeCell read;
  for (std::string& word : catalog::ops_code::splitTokens(cell)) {
    if (const auto mark = markOf(word)) read.marks.push_back(*mark);
    else if (read.code.empty() && isCode(word)) read.code = std::move(word);
  }
  return read;
}

// The ZE and ZED columns: "ZE40.01", also with its mark glued to it.
CodeCell readZeCell(std::string_view cell) {
  CodeCell read = readCodeCell(cell, [](std::string_view word) {
    return isZeCode(word) || (word.size() > 4 && word.substr(0, 2) == "ZE" && word.back() == ')');
  });
  splitGluedMark(read.code, read.marks);
  return read;
}

// The OPS-Kode column: "5-597.0*", a digit and a hyphen first.
CodeCell readOpsCodeCell(std::string_view cell) {
  return readCodeCell(cell, [](std::string_view word) {
    return word.size() >= 4 && std::isdigit(static_cast<unsigned char>(word[0])) && word[1] == '-';
  });
}

void appendLines(PrintedLines& lines, std::string_view cell) {
  std::size_t start = 0;
  while (start <= cell.size()) {
    std::size_t end = cell.find('\n', start);
    if (end == std::string_view::npos) end = cell.size();
    if (end > start) lines.emplace_back(cell.substr(start, end - start));
    start = end + 1;
  }
}

bool isAmount(std::string_view text) {
  // 1.265,33 or 591,66: groups of three digits set apart by points.
  const auto comma = text.find(',');
  if (comma == std::string_view::npos || text.size() != comma + 3 || !isDigits(text.substr(comma + 1))) return false;
  const std::string_view whole = text.substr(0, comma);
  if (isDigits(whole)) return true;
  std::size_t start = 0;
  bool first = true;
  while (start <= whole.size()) {
    std::size_t end = whole.find('.', start);
    if (end == std::string_view::npos) end = whole.size();
    const std::string_view group = whole.substr(start, end - start);
    if (!isDigits(group) || (first ? group.size() > 3 : group.size() != 3)) return false;
    first = false;
    start = end + 1;
  }
  return true;
}

// The amount as the catalog writes it: "1.265,33 €" gives "1.265,33".
std::string amountOf(std::string_view cell, std::string_view file, std::string_view where) {
  std::string text = collapseBlanks(cell);
  if (refersToAnnex(text)) return text;
  for (const std::string_view euro : {"\x80", "EUR", "Euro"}) {
    if (text.size() > euro.size() && text.compare(text.size() - euro.size(), euro.size(), euro) == 0) {
      text.erase(text.size() - euro.size());
      text = collapseBlanks(text);
      break;
    }
  }
  // A whole number, as a workbook keeps 237,00.
  if (isDigits(text) && text.size() <= 12) text = catalog::withThousandPoints(text) + ",00";
  if (!isAmount(text)) throw notAnAmount(file, collapseBlanks(cell), where);
  return text;
}

std::vector<Column> requiredColumns(int annex) {
  switch (annex) {
    case 2: return {Column::Ze, Column::Description, Column::Amount};
    case 4: return {Column::Ze, Column::Description};
    case 5: return {Column::Ze, Column::Description, Column::Zed, Column::Code, Column::Text, Column::Amount};
    default: return {Column::Ze, Column::Description, Column::Code, Column::Text};
  }
}

std::string columnTitle(Column column) {
  switch (column) {
    case Column::Ze: return "ZE";
    case Column::Description: return "Bezeichnung";
    case Column::Zed: return "ZED";
    case Column::Code: return "OPS-Kode";
    case Column::Text: return "OPS-Text";
    case Column::Amount: return "Betrag";
  }
  return {};
}

std::string rowText(const TableLine& line) {
  std::string text;
  for (const std::string& cell : line.cells) {
    if (cell.empty()) continue;
    if (!text.empty()) text += ' ';
    text += cell;
  }
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

// Builds the ZEs of Anlage 5 or 6 line by line: a code in the ZE column
// starts a ZE, one in the ZED column a ZED, one in the OPS-Kode column a row;
// text without a code on its line continues what stands above it, or heads
// the block of rows that follow when no row is open.
class DefinitionReader {
 public:
  DefinitionReader(int annex, std::string_view file) : annex_(annex), file_(file) {}

  void read(const TableLine& line) {
    const CodeCell ze = readZeCell(line[Column::Ze]);
    if (!ze.code.empty()) startZe(ze);
    else if (!ze.marks.empty() && current_) append(current_->marks, ze.marks);
    if (!current_) throw rowWithoutCode(file_, annex_, rowText(line));
    appendLines(current_->description, line[Column::Description]);
    if (!line[Column::Zed].empty()) {
      const CodeCell zed = readZeCell(line[Column::Zed]);
      if (!zed.code.empty()) {
        startZed(zed);
      } else if (zed_) {
        append(zed_->marks, zed.marks);
      }
    }
    const CodeCell code = readOpsCodeCell(line[Column::Code]);
    if (!code.code.empty()) startRow(code);
    else if (!code.marks.empty() && row_) append(row_->marks, code.marks);
    readText(line[Column::Text]);
    if (!line[Column::Amount].empty()) readAmount(line[Column::Amount], !code.code.empty());
  }

  Definitions finish(std::vector<Footnote> footnotes) {
    return Definitions{std::move(zes_), std::move(footnotes)};
  }

 private:
  static void append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
  }

  void startZe(const CodeCell& cell) {
    zes_.push_back({cell.code, cell.marks, {}, {}, {}, {}});
    current_ = &zes_.back();
    zed_ = nullptr;
    row_ = nullptr;
    heading_.clear();
  }

  void startZed(const CodeCell& cell) {
    current_->zeds.push_back({cell.code, cell.marks, {}, {}, {}});
    zed_ = &current_->zeds.back();
    row_ = nullptr;
  }

  void startRow(const CodeCell& cell) {
    std::vector<OpsRow>& rows = zed_ ? zed_->rows : current_->rows;
    // Text beside a ZED heads the ZED's rows as a heading over the ZE does.
    const PrintedLines& heading = zed_ && !zed_->ownText.empty() ? zed_->ownText : heading_;
    rows.push_back({cell.code, cell.marks, heading, {}, {}});
    row_ = &rows.back();
  }

  // A new ZE or ZED closes the open row, so text on its line heads a block
  // or belongs to the ZED.
  void readText(std::string_view cell) {
    if (cell.empty()) return;
    if (row_) appendLines(row_->text, cell);
    else if (zed_ && zed_->rows.empty()) appendLines(zed_->ownText, cell);
    else appendLines(heading_, cell);
  }

  void readAmount(std::string_view cell, bool onRowLine) {
    const std::string where = zed_ ? zed_->code : current_->code;
    const std::string amount = amountOf(cell, file_, where);
    if (onRowLine && row_) row_->amount = amount;
    std::string& owner = zed_ ? zed_->amount : current_->amount;
    if (owner.empty()) owner = amount;
  }

  int annex_;
  std::string file_;
  std::vector<DefinedZe> zes_;
  DefinedZe* current_ = nullptr;
  Zed* zed_ = nullptr;
  OpsRow* row_ = nullptr;
  PrintedLines heading_;
};

std::vector<Footnote> footnotesOf(const std::vector<std::string>& lines) {
  std::vector<Footnote> notes;
  for (const std::string& line : lines) {
    const auto space = line.find(' ');
    const std::string_view first = std::string_view(line).substr(0, space);
    if (const auto mark = markOf(first); mark && first.back() == ')') {
      notes.push_back({*mark, {}});
      if (space != std::string::npos) notes.back().text.push_back(line.substr(space + 1));
    } else if (!notes.empty()) {
      notes.back().text.push_back(line);
    }
  }
  return notes;
}

}  // namespace

bool refersToAnnex(std::string_view amount) {
  const std::string text = collapseBlanks(amount);
  return text.rfind("siehe Anlage", 0) == 0;
}

int annexOfColumns(const Table& table) {
  if (table.has(Column::Code)) return table.has(Column::Zed) || table.has(Column::Amount) ? 5 : 6;
  if (table.has(Column::Text) || table.has(Column::Zed)) return 0;
  if (table.has(Column::Ze) && table.has(Column::Description)) return table.has(Column::Amount) ? 2 : 4;
  return 0;
}

void requireAnnex(const Table& table, int annex, std::string_view file) {
  const int found = annexOfColumns(table);
  const std::vector<Column> foundColumns = requiredColumns(found);
  const bool complete =
      std::all_of(foundColumns.begin(), foundColumns.end(), [&table](Column c) { return table.has(c); });
  if (found != 0 && found != annex && complete) throw looksLikeOtherAnnex(file, annex, found);
  std::string missing;
  for (const Column column : requiredColumns(annex)) {
    if (table.has(column)) continue;
    if (!missing.empty()) missing += ", ";
    missing += columnTitle(column);
  }
  if (!missing.empty()) throw noTable(file, annex, missing);
}

Definitions definitionsOf(const Table& table, int annex, std::string_view file) {
  requireAnnex(table, annex, file);
  DefinitionReader reader(annex, file);
  for (const TableLine& line : table.lines) reader.read(line);
  Definitions definitions = reader.finish(footnotesOf(table.footnoteLines));
  if (definitions.zes.empty()) throw emptyAnnex(file, annex);
  return definitions;
}

std::vector<ListedZe> listOf(const Table& table, int annex, std::string_view file) {
  requireAnnex(table, annex, file);
  std::vector<ListedZe> list;
  for (const TableLine& line : table.lines) {
    const CodeCell ze = readZeCell(line[Column::Ze]);
    if (!ze.code.empty()) list.push_back({ze.code, {}, {}});
    if (list.empty()) throw rowWithoutCode(file, annex, rowText(line));
    appendLines(list.back().description, line[Column::Description]);
    if (annex == 2 && !line[Column::Amount].empty())
      list.back().amount = amountOf(line[Column::Amount], file, list.back().code);
  }
  if (list.empty()) throw emptyAnnex(file, annex);
  return list;
}

}  // namespace annex
