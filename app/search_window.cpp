#include "app/search_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>
#include <QSignalBlocker>
#include <algorithm>
#include <set>

#include "app/clock.h"
#include "app/error_display.h"
#include "app/search_results_model.h"
#include "app/tform1.h"
#include "app/text_codec.h"
#include "catalog/errors.h"

namespace app {

SearchWindow::SearchWindow(TForm1& form)
    : QWidget(&form, Qt::Window),
      form_(form),
      input_(new QLineEdit(this)),
      year_(new QComboBox(this)),
      allYears_(new QCheckBox(QStringLiteral("Alle &Jahre"), this)),
      table_(new QTableView(this)),
      status_(new QLabel(this)),
      model_(new SearchResultsModel(this)) {
  setObjectName(QStringLiteral("Suche"));
  setWindowTitle(QStringLiteral("Suche"));
  resize(900, 420);

  auto* label = new QLabel(QStringLiteral("&OPS-Kodes oder Suchw\u00F6rter:"), this);
  label->setBuddy(input_);
  input_->setObjectName(QStringLiteral("SearchInput"));
  input_->setAccessibleName(QStringLiteral("OPS-Kodes oder Suchw\u00F6rter"));
  input_->setPlaceholderText(QStringLiteral("z. B. 8-854.2, 885421 8-918.01 oder H\u00E4modialyse"));
  input_->setClearButtonEnabled(true);
  auto* yearLabel = new QLabel(QStringLiteral("J&ahr:"), this);
  yearLabel->setBuddy(year_);
  year_->setObjectName(QStringLiteral("SearchYear"));
  year_->setAccessibleName(QStringLiteral("Jahr"));
  allYears_->setObjectName(QStringLiteral("AllYears"));
  allYears_->setAccessibleName(QStringLiteral("Alle Jahre"));
  allYears_->setToolTip(QStringLiteral("Sonst nur das im Hauptfenster gew\u00E4hlte Jahr"));
  table_->setObjectName(QStringLiteral("SearchResults"));
  table_->setAccessibleName(QStringLiteral("Ergebnisse"));
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setTabKeyNavigation(false);
  table_->horizontalHeader()->setStretchLastSection(false);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // Sized by the first rows only: measuring thousands of rows on every
  // keystroke would cost more than the search itself.
  table_->horizontalHeader()->setResizeContentsPrecision(100);
  table_->verticalHeader()->setVisible(false);
  status_->setObjectName(QStringLiteral("SearchStatus"));
  status_->setAccessibleName(QStringLiteral("Trefferzahl"));

  auto* copy = new QAction(QStringLiteral("Kopieren"), table_);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  connect(copy, &QAction::triggered, this, [this] { copySelectedRows(); });
  table_->addAction(copy);
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(input_);
  auto* scope = new QHBoxLayout;
  scope->addWidget(yearLabel);
  scope->addWidget(year_);
  scope->addWidget(allYears_);
  scope->addStretch(1);
  layout->addLayout(scope);
  layout->addWidget(table_, 1);
  layout->addWidget(status_);
  setTabOrder(input_, year_);
  setTabOrder(year_, allYears_);
  setTabOrder(allYears_, table_);

  connect(input_, &QLineEdit::textChanged, this, [this] { refresh(); });
  connect(allYears_, &QCheckBox::toggled, this, [this](bool all) {
    year_->setEnabled(!all);
    refresh();
  });
  connect(year_, &QComboBox::currentIndexChanged, this, [this] { refresh(); });
  connect(input_, &QLineEdit::returnPressed, this, [this] { showCurrentRow(); });
  connect(table_, &QTableView::doubleClicked, this, [this] { showCurrentRow(); });
  input_->installEventFilter(this);
  table_->installEventFilter(this);
}

SearchWindow::~SearchWindow() = default;

void SearchWindow::followCatalog() {
  if (search_ && searchGeneration_ == form_.catalogGeneration()) return;
  search_ = std::make_unique<catalog::CatalogSearch>(form_.Data);
  searchGeneration_ = form_.catalogGeneration();
  std::vector<std::string> years = form_.Data.yearsLastFirst();
  std::sort(years.rbegin(), years.rend());
  const QSignalBlocker block(year_);
  const QString chosen = year_->currentText();
  year_->clear();
  for (const std::string& year : years) year_->addItem(toQString(year));
  year_->setCurrentIndex(std::max(0, year_->findText(chosen)));
}

void SearchWindow::followMainWindowYear() {
  followCatalog();
  const std::string mainYear = form_.ComboBox1->text();
  int index = year_->findText(toQString(mainYear));
  if (index == -1) index = year_->findText(toQString(form_.Data.defaultYear(currentYearText())));
  const QSignalBlocker block(year_);
  year_->setCurrentIndex(index);
}

void SearchWindow::refresh() {
  const auto error = runCatchingErrors([this] {
    followCatalog();
    const std::optional<std::string> year =
        allYears_->isChecked() ? std::nullopt : std::optional(toCp1252(year_->currentText()));
    catalog::SearchResult result = search_->search(toCp1252(input_->text()), year);
    QStringList status{result.rows.size() == 1 ? QStringLiteral("1 Zeile")
                                               : QStringLiteral("%1 Zeilen").arg(result.rows.size())};
    status << (year ? toQString(catalog::searchedYearNote(*year)) : QStringLiteral("alle Jahre"));
    if (!result.ignored.empty()) status << toQString(catalog::ignoredNote(result.ignored));
    model_->setRows(std::move(result.rows));
    status_->setText(status.join(QStringLiteral(" \u00B7 ")));
  });
  if (error) showErrorMessage(*error);
}

void SearchWindow::showCurrentRow() {
  if (model_->rowCount() == 0) return;
  const QModelIndex current = table_->currentIndex();
  const catalog::LookupRow row = model_->row(current.isValid() ? current.row() : 0);
  if (!row.found) return;
  form_.showLookupRow(row);
  form_.raise();
  form_.activateWindow();
}

void SearchWindow::copySelectedRows() const {
  std::set<int> rows;
  for (const QModelIndex& index : table_->selectionModel()->selectedIndexes()) rows.insert(index.row());
  if (rows.empty()) return;
  QGuiApplication::clipboard()->setText(model_->asTabSeparated({rows.begin(), rows.end()}));
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
  if (key->key() == Qt::Key_Escape) {
    close();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace app
