#pragma once
// The "Suche" window (Ctrl+F): OPS codes or words, for one year or all
// years; the table follows every keystroke, and a pane below it shows what
// decides billing for the selected row. Enter or a double click shows the
// row's ZE in the main window as the user's own picks would.

#include <QWidget>
#include <memory>

#include "app/search_host.h"
#include "catalog/search.h"
#include "catalog/year_comparison.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTableView;

namespace app {

class SearchResultsModel;

class SearchWindow : public QWidget {
  Q_OBJECT
 public:
  SearchWindow(SearchHost& host, QWidget* parent);
  ~SearchWindow() override;

  // Searches again with the current input, scope and catalog.
  void refresh();
  // Shows the current row (or the first) in the main window.
  void showCurrentRow();
  void copySelectedRows() const;
  // Asks for a file and saves every row as a workbook.
  void saveWorkbook();
  // Puts the main window's year into the year box, or the catalog's default
  // year when the catalog lacks it.
  void followMainWindowYear();
  // After the main window's tables changed: the rows go, and come back from
  // the new catalog.
  void followCatalogChange();

  QLineEdit* input() const { return input_; }
  QComboBox* year() const { return year_; }
  QCheckBox* allYears() const { return allYears_; }
  QTableView* table() const { return table_; }
  QPlainTextEdit* details() const { return details_; }
  QLabel* status() const { return status_; }
  SearchResultsModel* model() const { return model_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void followCatalog();
  void repaintWindows();
  void showStatus(const QString& text);
  void showDetails();
  void restoreLayout();
  void saveLayout() const;

  SearchHost& host_;
  QLineEdit* input_;
  QComboBox* year_;
  QCheckBox* allYears_;
  QSplitter* splitter_;
  QTableView* table_;
  QPlainTextEdit* details_;
  QLabel* status_;
  QPushButton* save_;
  SearchResultsModel* model_;
  // Built again whenever the main window has loaded its files anew.
  std::unique_ptr<catalog::CatalogSearch> search_;
  std::unique_ptr<catalog::YearComparisons> comparisons_;
  int searchGeneration_ = -1;
};

}  // namespace app
