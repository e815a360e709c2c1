#pragma once
// The year comparison as a table of texts: the same columns and cells on
// the command line, in the window and in the workbook.

#include <QStringList>
#include <vector>

#include "app/workbook_file.h"
#include "catalog/year_comparison.h"

namespace app {

QStringList comparisonHeader();
QStringList comparisonCells(const catalog::ComparisonRow& row);
// The header with the amounts' columns as numbers.
std::vector<WorkbookColumn> comparisonWorkbookColumns();
// The catalog's years, oldest first, as the messages name them.
QStringList catalogYears(const catalog::Catalog& catalog);

}  // namespace app
