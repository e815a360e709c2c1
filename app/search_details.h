#pragma once
// The search window's pane: what decides billing for one row, as plain text
// a coder can select and copy.

#include <QString>

#include "catalog/year_comparison.h"

namespace app {

class SearchResultsModel;

// comparisons: the catalog's year comparisons, for the ZE's amounts in
// other years; none leaves that section out.
QString detailsText(const SearchResultsModel& model, int row, catalog::YearComparisons* comparisons = nullptr);

}  // namespace app
