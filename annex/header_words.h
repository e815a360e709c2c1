#pragma once
// What an annex prints around its table: the header words that name the
// columns, the row of column numbers under them, page footers and the start
// of the footnote block. Shared by every reader, so that a PDF, a CSV file
// and a workbook drop the same lines.

#include <optional>
#include <string>

#include "catalog/german_numbers.h"
#include <string_view>
#include <vector>

#include "annex/table.h"

namespace annex {

// The column a header cell names ("OPS-Kode", "Bezeichnung", "ZED", "ZE 1)"),
// or nothing for any other text.
std::optional<Column> columnNamed(std::string_view headerText);
// "1", "2", ... : the row that numbers the columns.
bool isColumnNumber(std::string_view text);
// "Seite 3", a page footer.
bool isPageFooter(std::string_view lineText);
// "Fußnoten:", the line that ends the table.
bool startsFootnotes(std::string_view lineText);
// "OPS Version 2012" gives "2012".
std::optional<std::string> printedYearIn(std::string_view lineText);

// Blanks (spaces, tabs, line ends, no-break spaces) collapsed to one space,
// none at either end.
std::string collapseBlanks(std::string_view text);
// At least one character, all of them 0-9.
bool isDigits(std::string_view text);

}  // namespace annex
