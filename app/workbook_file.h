#pragma once
// Tables saved as Excel workbooks: a bold header with a filter, frozen
// above the rows, amounts as numbers in the German format. The writing is
// done by the program tarvelo-xlsx beside this one (see there why); the
// workbook replaces the file only when it is complete.

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QWidget;

namespace app {

struct WorkbookColumn {
  QString header;
  // Empty for text; else the number format of the column's cells, which
  // come in German notation ("1.234,50", "+11,5") and are written as
  // numbers.
  QString numberFormat;
};

// The number formats of amounts, of signed differences and of percentages.
QString amountFormat();
QString differenceFormat();
QString percentFormat();

// Writes the rows to path, one sheet; fails with catalog::Error and a
// German reason.
void writeWorkbook(const QString& path, const QString& sheet, const std::vector<WorkbookColumn>& columns,
                   const std::vector<QStringList>& rows);

// Asks where to save a workbook, the name proposed given; an empty name
// cancels. Tests replace it.
extern std::function<QString(QWidget*, const QString&)> chooseWorkbookFile;
// The file chosen, with the workbook's ending added when it lacks one;
// empty when cancelled.
QString askForWorkbookPath(QWidget* parent, const QString& proposed);

// Where the writer program is; tests name the one they built.
QString workbookProgram();
void useWorkbookProgram(const QString& program);

}  // namespace app
