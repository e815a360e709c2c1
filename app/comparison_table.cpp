#include "app/comparison_table.h"

#include <algorithm>

#include "app/text_codec.h"

namespace app {

QStringList comparisonHeader() {
  QStringList header;
  for (const std::string_view name : catalog::comparisonHeader()) header << toQString(name);
  return header;
}

QStringList comparisonCells(const catalog::ComparisonRow& row) {
  QStringList cells;
  for (const std::string& field : catalog::comparisonFields(row)) cells << toQString(field);
  return cells;
}

std::vector<WorkbookColumn> comparisonWorkbookColumns() {
  std::vector<WorkbookColumn> columns;
  for (const QString& name : comparisonHeader()) columns.push_back({name, {}});
  columns[catalog::kColumnAmountBefore].numberFormat = amountFormat();
  columns[catalog::kColumnAmountAfter].numberFormat = amountFormat();
  columns[catalog::kColumnDifference].numberFormat = differenceFormat();
  columns[catalog::kColumnPercent].numberFormat = percentFormat();
  return columns;
}

QStringList catalogYears(const catalog::Catalog& catalog) {
  std::vector<std::string> years = catalog.yearsLastFirst();
  std::sort(years.begin(), years.end());
  QStringList shown;
  for (const std::string& year : years) shown << toQString(year);
  return shown;
}

}  // namespace app
