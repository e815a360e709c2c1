#include "app/comparison_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

#include "app/comparison_model.h"
#include "app/comparison_table.h"
#include "app/error_display.h"
#include "app/table_window.h"
#include "app/text_codec.h"
#include "app/workbook_file.h"
#include "catalog/errors.h"
#include "catalog/german_numbers.h"

namespace app {
namespace {

QString withThousands(catalog::Amount amount) {
  const std::string plain = catalog::formatAmount(amount, false);
  const bool negative = plain.starts_with('-');
  const std::size_t comma = plain.find(',');
  const std::string whole = plain.substr(negative ? 1 : 0, comma - (negative ? 1 : 0));
  return toQString((negative ? "-" : "") + catalog::withThousandPoints(whole) + plain.substr(comma));
}

}  // namespace

QString comparisonSummary(const std::vector<catalog::ComparisonRow>& rows, const QString& before,
                          const QString& after) {
  const catalog::ComparisonSummary s = catalog::summarize(rows);
  QStringList parts;
  parts << QStringLiteral("%1 unver\u00E4ndert").arg(s.unchanged);
  QStringList changes;
  if (s.amountsUp) changes << QStringLiteral("Betrag \u25B2 %1").arg(s.amountsUp);
  if (s.amountsDown) changes << QStringLiteral("Betrag \u25BC %1").arg(s.amountsDown);
  if (s.descriptionChanges) changes << QStringLiteral("Bezeichnung %1").arg(s.descriptionChanges);
  if (s.opsChanges) changes << QStringLiteral("OPS %1").arg(s.opsChanges);
  parts << QStringLiteral("%1 ge\u00E4ndert").arg(s.changed) +
               (changes.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(changes.join(QStringLiteral(", "))));
  parts << QStringLiteral("%1 neu").arg(s.added) << QStringLiteral("%1 entfallen").arg(s.dropped);
  const catalog::Amount difference = catalog::difference(s.federalAfter, s.federalBefore);
  parts << QStringLiteral("Summe der gepaarten bundeseinheitlichen ZE: %1 %2 \u2192 %3 %4 (%5)")
               .arg(before, withThousands(s.federalBefore), after, withThousands(s.federalAfter),
                    toQString(catalog::formatAmount(difference, true)));
  return parts.join(QStringLiteral(" \u00B7 "));
}

ComparisonWindow::ComparisonWindow(SearchHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window),
      host_(host),
      before_(new QComboBox(this)),
      after_(new QComboBox(this)),
      kind_(new QComboBox(this)),
      changesOnly_(new QCheckBox(QStringLiteral("nur \u00C4&nderungen"), this)),
      table_(new QTableView(this)),
      summary_(new QLabel(this)),
      save_(new QPushButton(QStringLiteral("Als &Excel-Datei speichern\u2026"), this)),
      model_(new ComparisonModel(this)) {
  setObjectName(QStringLiteral("Jahresvergleich"));
  setWindowTitle(QStringLiteral("Jahresvergleich"));
  before_->setObjectName(QStringLiteral("AltesJahr"));
  before_->setAccessibleName(QStringLiteral("Altes Jahr"));
  after_->setObjectName(QStringLiteral("NeuesJahr"));
  after_->setAccessibleName(QStringLiteral("Neues Jahr"));
  kind_->setObjectName(QStringLiteral("VergleichArt"));
  kind_->setAccessibleName(QStringLiteral("Art"));
  kind_->addItems({QStringLiteral("Alle"), QStringLiteral("BE"), QStringLiteral("KH")});
  changesOnly_->setObjectName(QStringLiteral("NurAenderungen"));
  save_->setObjectName(QStringLiteral("AlsExcelSpeichern"));
  summary_->setObjectName(QStringLiteral("VergleichSumme"));
  summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  summary_->setWordWrap(true);

  table_->setObjectName(QStringLiteral("VergleichTabelle"));
  table_->setAccessibleName(QStringLiteral("Vergleich"));
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setWordWrap(false);
  table_->setTextElideMode(Qt::ElideMiddle);
  // The marks beside the rows say what the tint says, for every eye.
  table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 8);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  const QFontMetrics metrics(font());
  for (int column = 0; column < static_cast<int>(catalog::kComparisonColumns); ++column) {
    const QString header = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    int width = metrics.horizontalAdvance(header) + 24;
    if (column == catalog::kColumnDescription) width = metrics.horizontalAdvance(QLatin1Char('x')) * 34;
    if (column == catalog::kColumnZeBefore || column == catalog::kColumnZeAfter)
      width = std::max(width, metrics.horizontalAdvance(QStringLiteral("ZE2026-100")) + 16);
    if (column == catalog::kColumnChange)
      width = std::max(width, metrics.horizontalAdvance(QStringLiteral("Bezeichnung, Betrag, OPS")) + 16);
    table_->horizontalHeader()->resizeSection(column, width);
  }
  table_->horizontalHeader()->setStretchLastSection(true);

  addCopyAction(table_, [this] { copySelectedRows(); });
  addCloseKeys(this);

  auto* beforeLabel = new QLabel(QStringLiteral("&Vergleiche"), this);
  beforeLabel->setBuddy(before_);
  auto* afterLabel = new QLabel(QStringLiteral("&mit"), this);
  afterLabel->setBuddy(after_);
  auto* kindLabel = new QLabel(QStringLiteral("&Art"), this);
  kindLabel->setBuddy(kind_);
  auto* choice = new QHBoxLayout;
  for (QWidget* widget : std::initializer_list<QWidget*>{beforeLabel, before_, afterLabel, after_, kindLabel, kind_, changesOnly_})
    choice->addWidget(widget);
  choice->addStretch(1);
  choice->addWidget(save_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choice);
  layout->addWidget(table_, 1);
  layout->addWidget(summary_);
  setTabOrder(before_, after_);
  setTabOrder(after_, kind_);
  setTabOrder(kind_, changesOnly_);
  setTabOrder(changesOnly_, table_);
  setTabOrder(table_, save_);

  connect(before_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
  connect(after_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
  connect(kind_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
  connect(changesOnly_, &QCheckBox::toggled, this, [this](bool only) { model_->setChangesOnly(only); });
  connect(save_, &QPushButton::clicked, this, [this] { saveWorkbook(); });
  connect(table_, &QTableView::doubleClicked, this, [this] { showCurrentRow(); });
  table_->installEventFilter(this);
  resize(1280, 480);
}

ComparisonWindow::~ComparisonWindow() = default;

void ComparisonWindow::followCatalog() {
  const catalog::Catalog& catalog = host_.catalog();
  if (generation_ != host_.catalogGeneration()) {
    model_->clear();
    comparisons_ = std::make_unique<catalog::YearComparisons>(catalog);
    generation_ = host_.catalogGeneration();
  }
  const QStringList years = catalog.complete() ? catalogYears(catalog) : QStringList();
  const QString before = before_->currentText(), after = after_->currentText();
  {
    const QSignalBlocker blockBefore(before_), blockAfter(after_);
    before_->clear();
    after_->clear();
    before_->addItems(years);
    after_->addItems(years);
    if (years.contains(before) && years.contains(after)) {
      before_->setCurrentText(before);
      after_->setCurrentText(after);
    } else {
      after_->setCurrentIndex(static_cast<int>(years.size()) - 1);
      before_->setCurrentIndex(std::max(0, static_cast<int>(years.size()) - 2));
    }
  }
  refresh();
}

void ComparisonWindow::followCatalogChange() {
  if (generation_ == host_.catalogGeneration()) return;
  if (isVisible()) return followCatalog();
  // Shown again, the window compares anew; until then it holds nothing of
  // the tables that went.
  model_->clear();
  comparisons_.reset();
  generation_ = -1;
}

void ComparisonWindow::refresh() {
  if (!comparisons_ || before_->currentIndex() < 0 || after_->currentIndex() < 0) {
    model_->clear();
    summary_->setText(host_.catalog().complete() ? QString() : toQString(catalog::incompleteCatalogNote()));
    return;
  }
  const std::string before = toCp1252(before_->currentText()), after = toCp1252(after_->currentText());
  std::vector<catalog::ComparisonRow> rows;
  for (const catalog::Kind kind : catalog::kKindsInSearchOrder) {
    if (kind_->currentIndex() > 0 && catalog::kindOfItem(kind_->currentIndex() - 1) != kind) continue;
    const auto& ofKind = comparisons_->rows(before, after, kind);
    rows.insert(rows.end(), ofKind.begin(), ofKind.end());
  }
  summary_->setText(comparisonSummary(rows, before_->currentText(), after_->currentText()));
  model_->setRows(std::move(rows));
  if (model_->rowCount() > 0) table_->setCurrentIndex(model_->index(0, 0));
}

void ComparisonWindow::showCurrentRow() {
  const QModelIndex current = table_->currentIndex();
  if (!current.isValid()) return;
  const catalog::ComparisonRow& row = model_->row(current.row());
  const catalog::YearZe& ze = row.shown();
  catalog::LookupRow lookup;
  lookup.year = toCp1252(row.after ? after_->currentText() : before_->currentText());
  lookup.kind = catalog::kindCodeOf(row.kind);
  lookup.group = ze.group;
  lookup.ze = ze.code;
  lookup.description = ze.description;
  host_.showLookupRow(lookup);
  if (parentWidget()) {
    parentWidget()->window()->raise();
    parentWidget()->window()->activateWindow();
  }
}

void ComparisonWindow::copySelectedRows() const {
  const std::vector<int> rows = selectedRows(*table_);
  if (!rows.empty()) QGuiApplication::clipboard()->setText(model_->asTabSeparated(rows));
}

void ComparisonWindow::saveWorkbook() {
  saveRowsAsWorkbook(this, QStringLiteral("Jahresvergleich %1-%2.xlsx").arg(before_->currentText(), after_->currentText()),
                     QStringLiteral("Jahresvergleich"), comparisonWorkbookColumns, [this] { return model_->shownCells(); });
}

bool ComparisonWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == table_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      showCurrentRow();
      return true;
    }
    // The table would copy its current cell alone.
    if (key->matches(QKeySequence::Copy)) {
      copySelectedRows();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace app
