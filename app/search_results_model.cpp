#include "app/search_results_model.h"

#include <QFont>
#include <algorithm>

#include "app/shown_text.h"
#include "app/text_codec.h"
#include "catalog/ops_lookup.h"

namespace app {
namespace {

QString header(int column) {
  static const char* const kHeaders[] = {"Eingabe", "Zuordnung", "Jahr",       "Art",
                                         "ZE",      "Betrag",    "Fundstelle", "Bezeichnung"};
  return QString::fromLatin1(kHeaders[column]);
}

const std::string& field(const catalog::LookupRow& row, int column) {
  switch (column) {
    case SearchResultsModel::kEntered: return row.entered;
    case SearchResultsModel::kMatched: return row.matchedCode;
    case SearchResultsModel::kYear: return row.year;
    case SearchResultsModel::kKind: return row.kind;
    case SearchResultsModel::kZe: return row.ze;
    case SearchResultsModel::kAmount: return row.amount;
    case SearchResultsModel::kFoundIn: return row.foundIn;
    default: return row.description;
  }
}

}  // namespace

void SearchResultsModel::setResult(const catalog::Catalog& catalog, catalog::SearchResult result) {
  beginResetModel();
  catalog_ = &catalog;
  result_ = std::move(result);
  revision_ = catalog.revision();
  describedIndex_ = -1;
  endResetModel();
}

void SearchResultsModel::clear() {
  beginResetModel();
  catalog_ = nullptr;
  result_ = {};
  describedIndex_ = -1;
  endResetModel();
}

bool SearchResultsModel::columnEmpty(int column) const {
  const auto all = [this](auto empty) { return std::all_of(result_.rows.begin(), result_.rows.end(), empty); };
  if (column == kEntered) return all([](const catalog::SearchRow& row) { return row.code < 0; });
  if (column == kFoundIn)
    return all([](const catalog::SearchRow& row) {
      return row.foundIn == catalog::FoundIn::Code || row.foundIn == catalog::FoundIn::NoZe;
    });
  return false;
}

bool SearchResultsModel::stale() const { return catalog_ && catalog_->revision() != revision_; }

const catalog::LookupRow& SearchResultsModel::described(int index) const {
  if (index != describedIndex_) {
    described_ = catalog::describeRow(*catalog_, result_, result_.rows.at(static_cast<std::size_t>(index)));
    describedIndex_ = index;
  }
  return described_;
}

catalog::LookupRow SearchResultsModel::row(int index) const {
  if (!catalog_ || stale() || index < 0 || index >= rowCount()) return {};
  return described(index);
}

int SearchResultsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(result_.rows.size());
}

int SearchResultsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !catalog_ || stale()) return {};
  if (role == Qt::TextAlignmentRole && index.column() == kAmount)
    return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
  if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != Qt::FontRole) return {};
  try {
    const catalog::LookupRow& shown = described(index.row());
    if (role == Qt::FontRole) {
      if (shown.found) return {};
      QFont italic;
      italic.setItalic(true);
      return italic;
    }
    return shownText(field(shown, index.column()));
  } catch (const std::exception&) {
    // A view asks while it paints; a row it cannot read shows nothing.
    return {};
  }
}

QVariant SearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return header(section);
  return section + 1;
}

namespace {

// A signed number ("+11,50", "-5,00") is a value, not a formula.
bool isSignedNumber(const QString& cell) {
  if (cell.size() < 2 || (cell[0] != QLatin1Char('+') && cell[0] != QLatin1Char('-'))) return false;
  return std::all_of(cell.begin() + 1, cell.end(),
                     [](QChar c) { return c.isDigit() || c == QLatin1Char(',') || c == QLatin1Char('.'); });
}

}  // namespace

QString spreadsheetCell(const QString& text) {
  QString cell = text;
  for (QChar& c : cell)
    if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r')) c = QLatin1Char(' ');
  const bool formula = !cell.isEmpty() && !isSignedNumber(cell) &&
                       (cell[0] == QLatin1Char('=') || cell[0] == QLatin1Char('+') || cell[0] == QLatin1Char('@') ||
                        cell[0] == QLatin1Char('-'));
  return formula ? QLatin1Char('\'') + cell : cell;
}

std::vector<QStringList> SearchResultsModel::workbookRows() const {
  std::vector<QStringList> rows;
  rows.reserve(static_cast<std::size_t>(rowCount()));
  for (int r = 0; r < rowCount(); ++r) {
    const catalog::LookupRow shown = row(r);
    QStringList cells;
    for (const std::string_view field : catalog::lookupFields(shown)) cells << toQString(field);
    rows.push_back(cells);
  }
  return rows;
}

QString SearchResultsModel::asTabSeparated(const std::vector<int>& rows) const {
  QStringList lines{toQString(catalog::lookupHeader())};
  for (int r : rows) {
    const catalog::LookupRow shown = row(r);
    QStringList cells;
    for (const std::string_view field : catalog::lookupFields(shown)) cells << spreadsheetCell(toQString(field));
    lines << cells.join(QLatin1Char('\t'));
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace app
