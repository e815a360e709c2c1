#pragma once
// An annex that comes as rows of cells (a CSV file, a workbook's sheet):
// the header row is the first whose cells name the annex's columns, so the
// columns are found by their words wherever they stand; rows that number
// the columns, repeat the header or are page footers are dropped.

#include <optional>
#include <string>
#include <vector>

#include "annex/table.h"

namespace annex {

using Grid = std::vector<std::vector<std::string>>;  // Windows-1252 cells

// Nothing when no row names at least two columns.
std::optional<Table> tableOfGrid(const Grid& rows);

}  // namespace annex
