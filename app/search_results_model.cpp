#include "app/search_results_model.h"

#include <QFont>

#include "app/text_codec.h"

namespace app {
namespace {

enum Column { kEntered, kMatched, kYear, kKind, kGroup, kZe, kDescription, kAmount, kColumns };

QString header(int column) {
  static const char* const kHeaders[] = {"Eingabe", "Zuordnung", "Jahr", "Art", "Gruppe", "ZE", "Bezeichnung", "Betrag"};
  return QString::fromLatin1(kHeaders[column]);
}

const std::string& field(const catalog::LookupRow& row, int column) {
  switch (column) {
    case kEntered: return row.entered;
    case kMatched: return row.matchedCode;
    case kYear: return row.year;
    case kKind: return row.kind;
    case kGroup: return row.group;
    case kZe: return row.ze;
    case kDescription: return row.description;
    default: return row.amount;
  }
}

}  // namespace

void SearchResultsModel::setRows(std::vector<catalog::LookupRow> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  endResetModel();
}

int SearchResultsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int SearchResultsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const catalog::LookupRow& result = row(index.row());
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return toQString(field(result, index.column()));
  if (role == Qt::TextAlignmentRole && index.column() == kAmount)
    return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
  if (role == Qt::FontRole && !result.found) {
    QFont italic;
    italic.setItalic(true);
    return italic;
  }
  return {};
}

QVariant SearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return header(section);
  return section + 1;
}

QString SearchResultsModel::asTabSeparated(const std::vector<int>& rows) const {
  QStringList lines;
  QStringList headers;
  for (int c = 0; c < kColumns; ++c) headers << header(c);
  lines << headers.join(QLatin1Char('\t'));
  for (int r : rows) {
    QStringList cells;
    for (int c = 0; c < kColumns; ++c) cells << toQString(field(row(r), c));
    lines << cells.join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace app
