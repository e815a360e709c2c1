#pragma once
// The tables of the annexes as what they define. Anlage 5 and 6: each ZE
// with its footnote marks, the lines of its description, the OPS rows
// printed outside any differentiated ZE (ZED), and its ZEDs with their
// rows; the footnotes after the table. Anlage 2 and 4: the lists of ZEs
// with their descriptions (and amounts). Texts stay as printed lines here,
// so that a word broken at a line end can be joined with every annex known.

#include <string>
#include <string_view>
#include <vector>

#include "annex/table.h"

namespace annex {

using PrintedLines = std::vector<std::string>;

struct OpsRow {
  std::string code;
  std::vector<std::string> marks;
  PrintedLines heading;  // a heading over the block the row stands in
  PrintedLines text;
  std::string amount;    // as printed, without " €"; "siehe Anlage 2" kept as such
};

struct Zed {
  std::string code;
  std::vector<std::string> marks;
  PrintedLines ownText;  // text printed beside a ZED without a code
  std::string amount;
  std::vector<OpsRow> rows;
};

struct DefinedZe {
  std::string code;
  std::vector<std::string> marks;
  PrintedLines description;
  std::string amount;
  std::vector<OpsRow> rows;  // printed outside any ZED
  std::vector<Zed> zeds;
};

struct Footnote {
  std::string mark;  // "1", "*"
  PrintedLines text;
};

struct Definitions {
  std::vector<DefinedZe> zes;
  std::vector<Footnote> footnotes;
};

struct ListedZe {
  std::string code;
  PrintedLines description;
  std::string amount;  // empty in Anlage 4
};

// Which annex a table's columns make it: 2, 4, 5 or 6 (0: none of them).
int annexOfColumns(const Table& table);
// Refuses a table that is another annex or lacks one of the annex's columns.
void requireAnnex(const Table& table, int annex, std::string_view file);

Definitions definitionsOf(const Table& table, int annex, std::string_view file);
std::vector<ListedZe> listOf(const Table& table, int annex, std::string_view file);

// "siehe Anlage 2" and the like: the amount stands in another annex.
bool refersToAnnex(std::string_view amount);

}  // namespace annex
