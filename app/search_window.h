#pragma once
// The "Suche" window (Ctrl+F): OPS codes or words, for the main window's year
// or all years; the table follows every keystroke. Enter or a double click
// shows the row's ZE in the main window as the user's own picks would.

#include <QWidget>
#include <memory>

#include "catalog/search.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class TForm1;

namespace app {

class SearchResultsModel;

class SearchWindow : public QWidget {
  Q_OBJECT
 public:
  explicit SearchWindow(TForm1& form);
  ~SearchWindow() override;

  // Searches again with the current input, scope and catalog.
  void refresh();
  // Shows the current row (or the first) in the main window.
  void showCurrentRow();
  void copySelectedRows() const;

  QLineEdit* input() const { return input_; }
  QCheckBox* allYears() const { return allYears_; }
  QComboBox* year() const { return year_; }
  QLabel* status() const { return status_; }
  // Puts the main window's year into the year box, or the catalog's default
  // year when the catalog lacks it.
  void followMainWindowYear();
  QTableView* table() const { return table_; }
  SearchResultsModel* model() const { return model_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Indexes the main window's catalog anew after it has loaded its files.
  void followCatalog();

  TForm1& form_;
  QLineEdit* input_;
  QComboBox* year_;
  QCheckBox* allYears_;
  QTableView* table_;
  QLabel* status_;
  SearchResultsModel* model_;
  // Built again whenever the main window has loaded its files anew.
  std::unique_ptr<catalog::CatalogSearch> search_;
  int searchGeneration_ = -1;
};

}  // namespace app
