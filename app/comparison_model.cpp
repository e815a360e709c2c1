#include "app/comparison_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "app/comparison_table.h"
#include "app/search_results_model.h"

namespace app {
namespace {

enum class Mark { None, Added, Dropped, Up, Down, Changed };

Mark markOfRow(const catalog::ComparisonRow& row) {
  if (!row.before) return Mark::Added;
  if (!row.after) return Mark::Dropped;
  if (row.difference && row.difference->units > 0) return Mark::Up;
  if (row.difference && row.difference->units < 0) return Mark::Down;
  return row.changed() ? Mark::Changed : Mark::None;
}

// Light tints that keep the text readable; the mark says the same.
QVariant tintOf(Mark mark) {
  switch (mark) {
    case Mark::Added: return QBrush(QColor(0xDD, 0xF2, 0xDD));
    case Mark::Dropped: return QBrush(QColor(0xEC, 0xEC, 0xEC));
    case Mark::Up: return QBrush(QColor(0xFC, 0xE4, 0xD6));
    case Mark::Down: return QBrush(QColor(0xDD, 0xE8, 0xF7));
    case Mark::Changed: return QBrush(QColor(0xFA, 0xF3, 0xD4));
    case Mark::None: break;
  }
  return {};
}

bool isNumberColumn(int column) {
  return column == catalog::kColumnAmountBefore || column == catalog::kColumnAmountAfter ||
         column == catalog::kColumnDifference || column == catalog::kColumnPercent;
}

}  // namespace

void ComparisonModel::setRows(std::vector<catalog::ComparisonRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  cells_.assign(rows_.size(), std::nullopt);
  chooseShown();
  endResetModel();
}

void ComparisonModel::setChangesOnly(bool changesOnly) {
  if (changesOnly == changesOnly_) return;
  beginResetModel();
  changesOnly_ = changesOnly;
  chooseShown();
  endResetModel();
}

void ComparisonModel::chooseShown() {
  shown_.clear();
  shown_.reserve(rows_.size());
  for (std::size_t r = 0; r < rows_.size(); ++r)
    if (!changesOnly_ || rows_[r].changed()) shown_.push_back(static_cast<int>(r));
}

int ComparisonModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int ComparisonModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(catalog::kComparisonColumns);
}

const catalog::ComparisonRow& ComparisonModel::row(int shown) const {
  return rows_.at(static_cast<std::size_t>(shown_.at(static_cast<std::size_t>(shown))));
}

const QStringList& ComparisonModel::cells(int shown) const {
  const auto r = static_cast<std::size_t>(shown_.at(static_cast<std::size_t>(shown)));
  if (!cells_[r]) cells_[r] = comparisonCells(rows_[r]);
  return *cells_[r];
}

QVariant ComparisonModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return cells(index.row()).at(index.column());
    case Qt::BackgroundRole: return tintOf(markOfRow(row(index.row())));
    case Qt::FontRole:
      if (index.column() == catalog::kColumnChange && row(index.row()).changed()) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      return {};
    case Qt::TextAlignmentRole:
      if (isNumberColumn(index.column())) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      return {};
    default: return {};
  }
}

QVariant ComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal) {
    if (role != Qt::DisplayRole || section < 0 || section >= static_cast<int>(catalog::kComparisonColumns)) return {};
    return comparisonHeader().at(section);
  }
  if (section < 0 || section >= rowCount()) return {};
  if (role == Qt::DisplayRole) return markOf(row(section));
  if (role == Qt::ToolTipRole || role == Qt::AccessibleTextRole) return cells(section).at(catalog::kColumnChange);
  return {};
}

QString ComparisonModel::markOf(const catalog::ComparisonRow& row) {
  switch (markOfRow(row)) {
    case Mark::Added: return QStringLiteral("+");
    case Mark::Dropped: return QStringLiteral("\u2212");
    case Mark::Up: return QStringLiteral("\u25B2");
    case Mark::Down: return QStringLiteral("\u25BC");
    case Mark::Changed: return QStringLiteral("\u2022");
    case Mark::None: break;
  }
  return {};
}

QString ComparisonModel::asTabSeparated(const std::vector<int>& shown) const {
  QStringList lines{comparisonHeader().join(QLatin1Char('\t'))};
  for (const int r : shown) {
    QStringList cellsOfRow;
    for (const QString& cell : cells(r)) cellsOfRow << spreadsheetCell(cell);
    lines << cellsOfRow.join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

std::vector<QStringList> ComparisonModel::shownCells() const {
  std::vector<QStringList> all;
  all.reserve(shown_.size());
  for (int r = 0; r < rowCount(); ++r) all.push_back(cells(r));
  return all;
}

}  // namespace app
