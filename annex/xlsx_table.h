#pragma once
// An annex as an .xlsx workbook: the zip opened with QuaZip, the sheets'
// XML read with QXmlStreamReader, each sheet as rows of cells (shared and
// inline strings, numbers; an amount's number in German notation).

#include <string>
#include <string_view>
#include <vector>

#include "annex/grid_table.h"

namespace annex {

std::vector<Grid> readXlsxSheets(const std::string& data, std::string_view file);

}  // namespace annex
