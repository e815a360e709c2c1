#pragma once
// The search window's table: one row per result of the catalog search.

#include <QAbstractTableModel>
#include <vector>

#include "catalog/ops_lookup.h"

namespace app {

class SearchResultsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using QAbstractTableModel::QAbstractTableModel;

  void setRows(std::vector<catalog::LookupRow> rows);
  const catalog::LookupRow& row(int index) const { return rows_.at(static_cast<std::size_t>(index)); }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The given rows as tab-separated text with a header line, for a
  // spreadsheet.
  QString asTabSeparated(const std::vector<int>& rows) const;

 private:
  std::vector<catalog::LookupRow> rows_;
};

}  // namespace app
