#pragma once
// The "Jahresvergleich" window (Strg+J): two years of the catalog side by
// side, what is new, dropped or changed, with a summary line. Enter shows
// the row's ZE in the main window; Strg+C copies rows; the rows shown can
// be saved as an Excel workbook.

#include <QWidget>
#include <functional>
#include <memory>

#include "app/search_host.h"
#include "catalog/year_comparison.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace app {

class ComparisonModel;

class ComparisonWindow : public QWidget {
  Q_OBJECT
 public:
  ComparisonWindow(SearchHost& host, QWidget* parent);
  ~ComparisonWindow() override;

  // Fills the year boxes from the catalog (newest and the one before when
  // the years shown are gone) and compares.
  void followCatalog();
  // After the main window's tables changed: the rows go, and come back
  // from the new catalog.
  void followCatalogChange();
  // Compares the chosen years and kind again.
  void refresh();
  // Shows the current row's ZE in the main window.
  void showCurrentRow();
  void copySelectedRows() const;
  // Asks for a file and saves the rows shown as a workbook.
  void saveWorkbook();

  QComboBox* before() const { return before_; }
  QComboBox* after() const { return after_; }
  QComboBox* kind() const { return kind_; }
  QCheckBox* changesOnly() const { return changesOnly_; }
  QTableView* table() const { return table_; }
  QLabel* summary() const { return summary_; }
  ComparisonModel* model() const { return model_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showSummary();

  SearchHost& host_;
  QComboBox* before_;
  QComboBox* after_;
  QComboBox* kind_;
  QCheckBox* changesOnly_;
  QTableView* table_;
  QLabel* summary_;
  QPushButton* save_;
  ComparisonModel* model_;
  std::unique_ptr<catalog::YearComparisons> comparisons_;
  int generation_ = -1;
};

// The summary line of rows: the count of each change and the paired
// federal ZEs' amounts in both years.
QString comparisonSummary(const std::vector<catalog::ComparisonRow>& rows, const QString& before,
                          const QString& after);

}  // namespace app
