#pragma once
// An annex saved as CSV by a spreadsheet: ";", "," or tab between cells
// (whichever the header line uses most), quoted cells as the format has
// them (libcsv reads them), UTF-8 with or without BOM or Windows-1252.

#include <string>

#include "annex/grid_table.h"

namespace annex {

// The file's cells in Windows-1252.
Grid readCsvGrid(const std::string& data);

}  // namespace annex
