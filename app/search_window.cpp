#include "app/search_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <set>

#include "app/clock.h"
#include "app/table_window.h"
#include "app/workbook_file.h"
#include "catalog/ops_lookup.h"
#include "app/shown_text.h"
#include "app/error_display.h"
#include "app/search_details.h"
#include "app/search_results_model.h"
#include "app/text_codec.h"
#include "app/while_painting.h"
#include "catalog/errors.h"

namespace app {
namespace {

QSettings settings() { return QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo")); }

}  // namespace

SearchWindow::SearchWindow(SearchHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window),
      host_(host),
      input_(new QLineEdit(this)),
      year_(new QComboBox(this)),
      allYears_(new QCheckBox(QStringLiteral("Alle &Jahre"), this)),
      splitter_(new QSplitter(Qt::Vertical, this)),
      table_(new QTableView(splitter_)),
      details_(new QPlainTextEdit(splitter_)),
      status_(new QLabel(this)),
      save_(new QPushButton(QStringLiteral("Als &Excel-Datei speichern\u2026"), this)),
      model_(new SearchResultsModel(this)) {
  setObjectName(QStringLiteral("Suche"));
  setWindowTitle(QStringLiteral("Suche"));
  if (parent) setFont(parent->font());

  auto* label = new QLabel(QStringLiteral("&OPS-Kodes oder Suchw\u00F6rter:"), this);
  label->setBuddy(input_);
  input_->setObjectName(QStringLiteral("SearchInput"));
  input_->setAccessibleName(QStringLiteral("OPS-Kodes oder Suchw\u00F6rter"));
  input_->setPlaceholderText(QStringLiteral("z. B. 8-854.2, 885421 8-918.01 oder H\u00E4modialyse"));
  input_->setClearButtonEnabled(true);
  // A pasted case list may be long; nothing of it is cut.
  input_->setMaxLength(std::numeric_limits<int>::max());
  auto* yearLabel = new QLabel(QStringLiteral("J&ahr:"), this);
  yearLabel->setBuddy(year_);
  year_->setObjectName(QStringLiteral("SearchYear"));
  year_->setAccessibleName(QStringLiteral("Jahr"));
  allYears_->setObjectName(QStringLiteral("AllYears"));
  allYears_->setAccessibleName(QStringLiteral("Alle Jahre"));
  allYears_->setToolTip(QStringLiteral("Sonst nur das gew\u00E4hlte Jahr"));

  table_->setObjectName(QStringLiteral("SearchResults"));
  table_->setAccessibleName(QStringLiteral("Ergebnisse"));
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setTabKeyNavigation(false);
  table_->setWordWrap(false);
  // Descriptions of dose classes differ at their end: a cut text keeps both
  // ends; the tooltip and the pane have it whole.
  table_->setTextElideMode(Qt::ElideMiddle);
  table_->verticalHeader()->setVisible(false);
  table_->verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 8);
  // Widths are the user's, not measured per keystroke: the description
  // takes what the others leave.
  QHeaderView* header = table_->horizontalHeader();
  header->setSectionResizeMode(QHeaderView::Interactive);
  header->setStretchLastSection(true);
  // Wide enough for a usual entry and the header; a longer one elides.
  const QFontMetrics metrics(font());
  const char* const samples[] = {"8-854.2 R", "8-854.21", "2026", "", "ZE2026-01", "krankenhausindividuell",
                                 "OPS-Text 8-854.2"};
  for (int column = 0; column < SearchResultsModel::kDescription; ++column) {
    const QString headerText = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    header->resizeSection(column, std::max({metrics.horizontalAdvance(QString::fromLatin1(samples[column])),
                                            metrics.horizontalAdvance(headerText),
                                            column == SearchResultsModel::kAmount
                                                ? metrics.horizontalAdvance(QStringLiteral("999.999,99"))
                                                : 0}) + 20);
  }

  details_->setObjectName(QStringLiteral("SearchDetails"));
  details_->setAccessibleName(QStringLiteral("Einzelheiten"));
  details_->setReadOnly(true);
  details_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  splitter_->setChildrenCollapsible(false);
  splitter_->setStretchFactor(0, 3);
  splitter_->setStretchFactor(1, 2);
  status_->setObjectName(QStringLiteral("SearchStatus"));
  status_->setAccessibleName(QStringLiteral("Trefferzahl"));
  // A pasted list can make the note of what was ignored very long: it must
  // not widen the window, which keeps the width the user gave it.
  status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

  addCopyAction(table_, [this] { copySelectedRows(); });

  // Strg+W and Escape close this window, Strg+Q ends the program from here
  // as from the main window.
  addCloseKeys(this);
  auto* quit = new QAction(this);
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(quit, &QAction::triggered, this, [this] {
    if (parentWidget()) parentWidget()->window()->close();
    close();
  });
  addAction(quit);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(input_);
  auto* scope = new QHBoxLayout;
  scope->addWidget(yearLabel);
  scope->addWidget(year_);
  scope->addWidget(allYears_);
  scope->addStretch(1);
  layout->addLayout(scope);
  layout->addWidget(splitter_, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(status_, 1);
  bottom->addWidget(save_);
  layout->addLayout(bottom);
  setTabOrder(input_, year_);
  setTabOrder(year_, allYears_);
  setTabOrder(allYears_, table_);
  setTabOrder(table_, details_);
  setTabOrder(details_, save_);
  save_->setObjectName(QStringLiteral("AlsExcelSpeichern"));
  connect(save_, &QPushButton::clicked, this, [this] { saveWorkbook(); });

  connect(input_, &QLineEdit::textChanged, this, [this] { refresh(); });
  connect(allYears_, &QCheckBox::toggled, this, [this](bool all) {
    year_->setEnabled(!all);
    refresh();
  });
  connect(year_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
  connect(input_, &QLineEdit::returnPressed, this, [this] { showCurrentRow(); });
  connect(table_, &QTableView::doubleClicked, this, [this] { showCurrentRow(); });
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { showDetails(); });
  connect(model_, &QAbstractItemModel::modelReset, this, [this] { showDetails(); });
  input_->installEventFilter(this);
  table_->installEventFilter(this);
  restoreLayout();
}

SearchWindow::~SearchWindow() = default;

void SearchWindow::showStatus(const QString& text) {
  // More than a wide screen shows is cut; the tooltip has the whole note.
  constexpr qsizetype kShown = 400;
  status_->setText(text.size() > kShown ? text.left(kShown) + QStringLiteral("\u2026") : text);
  status_->setToolTip(text.size() > kShown ? text.left(kShownCharacters) : QString());
}

void SearchWindow::restoreLayout() {
  QSettings stored = settings();
  if (!restoreGeometry(stored.value(QStringLiteral("Suche/Fenster")).toByteArray())) resize(900, 520);
  // A size stored on a larger screen, or by an earlier version that let a
  // long note widen the window, is fitted to this screen.
  if (const QScreen* shown = screen()) {
    const QSize room = shown->availableGeometry().size();
    if (width() > room.width() || height() > room.height())
      resize(std::min(width(), room.width()), std::min(height(), room.height()));
  }
  table_->horizontalHeader()->restoreState(stored.value(QStringLiteral("Suche/Spalten")).toByteArray());
  splitter_->restoreState(stored.value(QStringLiteral("Suche/Teilung")).toByteArray());
}

void SearchWindow::saveLayout() const {
  QSettings stored = settings();
  stored.setValue(QStringLiteral("Suche/Fenster"), saveGeometry());
  stored.setValue(QStringLiteral("Suche/Spalten"), table_->horizontalHeader()->saveState());
  stored.setValue(QStringLiteral("Suche/Teilung"), splitter_->saveState());
}

void SearchWindow::closeEvent(QCloseEvent* event) {
  saveLayout();
  QWidget::closeEvent(event);
}

void SearchWindow::followCatalog() {
  if (search_ && searchGeneration_ == host_.catalogGeneration()) return;
  model_->clear();
  search_.reset();
  // Preparing the texts of a large catalog takes a while; the windows
  // repaint meanwhile.
  search_ = whilePainting([&catalog = host_.catalog()] { return std::make_unique<catalog::CatalogSearch>(catalog); },
                          [this] { repaintWindows(); });
  comparisons_ = std::make_unique<catalog::YearComparisons>(host_.catalog());
  searchGeneration_ = host_.catalogGeneration();
  std::vector<std::string> years = host_.catalog().yearsLastFirst();
  std::sort(years.rbegin(), years.rend());
  const QSignalBlocker block(year_);
  const QString chosen = year_->currentText();
  year_->clear();
  for (const std::string& year : years) year_->addItem(toQString(year));
  year_->setCurrentIndex(std::max(0, year_->findText(chosen)));
}

void SearchWindow::followMainWindowYear() {
  followCatalog();
  int index = year_->findText(toQString(host_.shownYear()));
  if (index == -1) index = year_->findText(toQString(host_.catalog().defaultYear(currentYearText())));
  const QSignalBlocker block(year_);
  year_->setCurrentIndex(index);
}

void SearchWindow::followCatalogChange() {
  if (searchGeneration_ == host_.catalogGeneration() && !model_->stale()) return;
  if (isVisible()) return refresh();
  // Shown again, the window searches anew; until then it holds nothing of
  // the tables that went.
  search_.reset();
  comparisons_.reset();
  searchGeneration_ = -1;
  model_->clear();
}

void SearchWindow::repaintWindows() {
  if (parentWidget() && parentWidget()->isVisible()) parentWidget()->repaint();
  if (isVisible()) repaint();
}

void SearchWindow::refresh() {
  const auto error = runCatchingErrors([this] {
    followCatalog();
    const catalog::Catalog& catalog = host_.catalog();
    if (!catalog.complete()) {
      model_->clear();
      showStatus(toQString(catalog::incompleteCatalogNote()));
      return;
    }
    const std::optional<std::string> year =
        allYears_->isChecked() ? std::nullopt : std::optional(toCp1252(year_->currentText()));
    catalog::SearchResult result = search_->search(toCp1252(input_->text()), year);
    QStringList status{result.rows.size() == 1 ? QStringLiteral("1 Zeile")
                                               : QStringLiteral("%1 Zeilen").arg(result.rows.size())};
    status << (year ? toQString(catalog::searchedYearNote(*year)) : QStringLiteral("alle Jahre"));
    if (!result.ignored.empty()) status << toQString(catalog::ignoredNote(result.ignored));
    model_->setResult(catalog, std::move(result));
    for (const int column : {SearchResultsModel::kEntered, SearchResultsModel::kFoundIn})
      table_->setColumnHidden(column, model_->columnEmpty(column));
    showStatus(status.join(QStringLiteral(" \u00B7 ")));
  });
  if (error) showErrorMessage(*error);
}

void SearchWindow::showDetails() {
  const QModelIndex current = table_->currentIndex();
  const int row = current.isValid() ? current.row() : (model_->rowCount() > 0 ? 0 : -1);
  const auto error = runCatchingErrors([this, row] {
    details_->setPlainText(row == -1 || model_->stale() ? QString() : withLongLinesCut(detailsText(*model_, row, comparisons_.get())));
  });
  if (error) details_->setPlainText(QString());
}

void SearchWindow::showCurrentRow() {
  if (model_->rowCount() == 0 || model_->stale()) return;
  const QModelIndex current = table_->currentIndex();
  const catalog::LookupRow row = model_->row(current.isValid() ? current.row() : 0);
  if (!row.found) return;
  host_.showLookupRow(row);
  // The main window comes to the front, not only the form inside it.
  if (parentWidget()) {
    parentWidget()->window()->raise();
    parentWidget()->window()->activateWindow();
  }
}

void SearchWindow::saveWorkbook() {
  const auto columns = [] {
    std::vector<WorkbookColumn> lookupColumns;
    for (const QString& name : toQString(catalog::lookupHeader()).split(QLatin1Char('\t'))) lookupColumns.push_back({name, {}});
    lookupColumns[SearchResultsModel::kWorkbookAmount].numberFormat = amountFormat();
    return lookupColumns;
  };
  saveRowsAsWorkbook(this, QStringLiteral("Suche.xlsx"), QStringLiteral("Suche"), columns,
                     [this] { return model_->workbookRows(); });
}

void SearchWindow::copySelectedRows() const {
  const std::vector<int> rows = selectedRows(*table_);
  if (!rows.empty()) QGuiApplication::clipboard()->setText(model_->asTabSeparated(rows));
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (watched == input_ && key->key() == Qt::Key_Down && model_->rowCount() > 0) {
    table_->setFocus();
    table_->selectRow(0);
    return true;
  }
  if (watched == table_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
    showCurrentRow();
    return true;
  }
  // The table would copy its current cell alone.
  if (watched == table_ && key->matches(QKeySequence::Copy)) {
    copySelectedRows();
    return true;
  }
  if (key->key() == Qt::Key_Escape) {
    close();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace app
