#pragma once
// The search window's table: one row per row of a search result. The rows
// refer to catalog lines; their texts are read when a cell is shown. When
// the catalog's tables change under a result (a reload, a rebuild's walk),
// the rows show nothing until the window searches again.

#include <QAbstractTableModel>
#include <vector>

#include "catalog/search_result.h"

namespace app {

class SearchResultsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { kEntered, kMatched, kYear, kKind, kZe, kAmount, kFoundIn, kDescription, kColumns };
  // Whether a column shows nothing in any row: the entered code in a word
  // search, the place found in a code search. Told by the rows' kinds,
  // without reading their texts.
  bool columnEmpty(int column) const;

  using QAbstractTableModel::QAbstractTableModel;

  void setResult(const catalog::Catalog& catalog, catalog::SearchResult result);
  void clear();
  // Whether the catalog changed since the result was found.
  bool stale() const;
  // The row's texts; empty texts for a stale result.
  catalog::LookupRow row(int index) const;
  const catalog::SearchResult& result() const { return result_; }
  const catalog::Catalog* catalog() const { return catalog_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The given rows as tab-separated text with a header line, for a
  // spreadsheet: every text of a row, each cell safe to paste.
  QString asTabSeparated(const std::vector<int>& rows) const;
  // Every row's fields in the columns of the lookup, for a workbook; the
  // amount's column.
  std::vector<QStringList> workbookRows() const;
  static constexpr int kWorkbookAmount = 7;

 private:
  const catalog::LookupRow& described(int index) const;

  const catalog::Catalog* catalog_ = nullptr;
  catalog::SearchResult result_;
  unsigned long revision_ = 0;
  // The last row described: a paint asks for each of its cells in turn.
  mutable int describedIndex_ = -1;
  mutable catalog::LookupRow described_;
};

// A cell as a spreadsheet should take it: tabs and line breaks become
// spaces, and a text that a spreadsheet would take as a formula ("=", "+",
// "@", "-" before a non-digit) gets a leading apostrophe.
QString spreadsheetCell(const QString& text);

}  // namespace app
