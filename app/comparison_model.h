#pragma once
// The year comparison's rows for a table view: every row of the two years,
// or only those that changed. Cells are made when first shown, so that a
// comparison of thousands of ZEs fills the table at once and switching the
// filter costs one pass over the rows.

#include <QAbstractTableModel>
#include <QStringList>
#include <optional>
#include <vector>

#include "catalog/year_comparison.h"

namespace app {

class ComparisonModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  // The rows refer to the catalog's lines: they go before it changes.
  void setRows(std::vector<catalog::ComparisonRow> rows);
  void clear() { setRows({}); }
  void setChangesOnly(bool changesOnly);
  bool changesOnly() const { return changesOnly_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // A shown row.
  const catalog::ComparisonRow& row(int shown) const;
  const QStringList& cells(int shown) const;
  // Every row, shown or not.
  const std::vector<catalog::ComparisonRow>& allRows() const { return rows_; }
  // Shown rows with the header, tab-separated as a spreadsheet takes them.
  QString asTabSeparated(const std::vector<int>& shown) const;
  // The shown rows' cells.
  std::vector<QStringList> shownCells() const;

  // How a row is marked beside its colour: new, dropped, amount up or down,
  // something else changed, unchanged.
  static QString markOf(const catalog::ComparisonRow& row);

 private:
  void chooseShown();

  std::vector<catalog::ComparisonRow> rows_;
  mutable std::vector<std::optional<QStringList>> cells_;
  std::vector<int> shown_;
  bool changesOnly_ = false;
};

}  // namespace app
