#include "app/table_window.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QTableView>
#include <set>

#include "app/error_display.h"

namespace app {

void addCopyAction(QTableView* table, std::function<void()> copy) {
  auto* action = new QAction(QStringLiteral("Kopieren"), table);
  action->setShortcut(QKeySequence::Copy);
  action->setShortcutContext(Qt::WidgetShortcut);
  QObject::connect(action, &QAction::triggered, table, std::move(copy));
  table->addAction(action);
  table->setContextMenuPolicy(Qt::ActionsContextMenu);
}

void addCloseKeys(QWidget* window) {
  for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::Key_Escape)}) {
    auto* closing = new QAction(window);
    closing->setShortcut(keys);
    QObject::connect(closing, &QAction::triggered, window, &QWidget::close);
    window->addAction(closing);
  }
}

std::vector<int> selectedRows(const QTableView& table) {
  std::set<int> rows;
  for (const QModelIndex& index : table.selectionModel()->selectedIndexes()) rows.insert(index.row());
  return {rows.begin(), rows.end()};
}

void saveRowsAsWorkbook(QWidget* parent, const QString& proposed, const QString& sheet,
                        const std::function<std::vector<WorkbookColumn>()>& columns,
                        const std::function<std::vector<QStringList>()>& rows) {
  const QString file = askForWorkbookPath(parent, proposed);
  if (file.isEmpty()) return;
  if (const auto error = runCatchingErrors([&] { writeWorkbook(file, sheet, columns(), rows()); }))
    showErrorMessage(*error);
}

}  // namespace app
