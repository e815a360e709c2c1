#pragma once
// What the windows with a table of rows (the search, the year comparison)
// share: Strg+C and the context menu copy the selected rows, Strg+W and
// Escape close the window, and rows are saved as a workbook after asking
// where.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "app/workbook_file.h"

class QTableView;
class QWidget;

namespace app {

// "Kopieren" in the table's context menu, with its keys named.
void addCopyAction(QTableView* table, std::function<void()> copy);
// Strg+W and Escape close window.
void addCloseKeys(QWidget* window);
// The rows with a selected cell, in order.
std::vector<int> selectedRows(const QTableView& table);
// Asks for a file (name proposed) and writes the rows there as a one-sheet
// workbook; an error is shown in the message box.
void saveRowsAsWorkbook(QWidget* parent, const QString& proposed, const QString& sheet,
                        const std::function<std::vector<WorkbookColumn>()>& columns,
                        const std::function<std::vector<QStringList>()>& rows);

}  // namespace app
