#pragma once
// The search window's pane: what decides billing for one row, as plain text
// a coder can select and copy.

#include <QString>

namespace app {

class SearchResultsModel;

QString detailsText(const SearchResultsModel& model, int row);

}  // namespace app
