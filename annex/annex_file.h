#pragma once
// Reading one annex file, whatever form it comes in: a PDF with a text
// layer, a CSV file or an .xlsx workbook, told apart by their first bytes,
// not by their names.

#include <string>

#include "annex/table.h"

namespace annex {

// path: the file as the user named it (also in messages, in Windows-1252).
// annex: 2, 4, 5 or 6, the annex whose columns a workbook's sheet must have.
// Throws catalog::Error with a German message naming the file.
Table readAnnexTable(const std::string& path, int annex);
// The same for a file's bytes already read; shownName names it in messages.
Table annexTableOf(const std::string& data, const std::string& shownName, int annex);

}  // namespace annex
