#include "app/workbook_file.h"

#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/text_codec.h"
#include "catalog/errors.h"

extern char** environ;

namespace app {
namespace {

QString& chosenProgram() {
  static QString program;
  return program;
}

// Beside the running program (the build), else where the package puts it.
QString programBesideThis() {
  const QString self = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
  const QDir folder = QFileInfo(self).absoluteDir();
  const QString beside = folder.filePath(QStringLiteral("tarvelo-xlsx"));
  if (QFileInfo(beside).isExecutable()) return beside;
  return QDir::cleanPath(folder.filePath(QStringLiteral("../libexec/tarvelo/tarvelo-xlsx")));
}

QString escaped(QString cell) {
  cell.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  cell.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
  cell.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
  cell.remove(QLatin1Char('\r'));
  return cell;
}

// "1.234,50" and "+11,5" as the writer reads numbers; other text stays.
QString numberOf(const QString& cell) {
  QString number = cell.trimmed();
  number.remove(QChar(0x20AC)).remove(QLatin1Char('.'));
  number = number.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
  bool isNumber = false;
  number.toDouble(&isNumber);
  return isNumber ? number : cell;
}

QByteArray rowsText(const std::vector<WorkbookColumn>& columns, const std::vector<QStringList>& rows) {
  QStringList header, formats;
  for (const WorkbookColumn& column : columns) {
    header << escaped(column.header);
    formats << escaped(column.numberFormat);
  }
  QString text = header.join(QLatin1Char('\t')) + QLatin1Char('\n') + formats.join(QLatin1Char('\t')) + QLatin1Char('\n');
  for (const QStringList& row : rows) {
    QStringList cells;
    for (qsizetype c = 0; c < row.size(); ++c) {
      const bool number = c < static_cast<qsizetype>(columns.size()) && !columns[static_cast<std::size_t>(c)].numberFormat.isEmpty();
      cells << escaped(number ? numberOf(row[c]) : row[c]);
    }
    text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
  }
  return text.toUtf8();
}

[[noreturn]] void fail(const QString& path, const QString& reason) {
  throw catalog::Error(toCp1252(QStringLiteral("Die Excel-Datei \u201E%1\u201C kann nicht geschrieben werden: %2")
                                    .arg(QDir::toNativeSeparators(path), reason)));
}

// Runs the writer; its reason on failure.
std::optional<QString> runWriter(const QString& rowsPath, const QString& workbookPath, const QString& sheet) {
  QTemporaryFile errors;
  if (!errors.open()) return QStringLiteral("keine tempor\u00E4re Datei");
  const QByteArray program = QFile::encodeName(workbookProgram());
  const QByteArray rowsName = QFile::encodeName(rowsPath), workbookName = QFile::encodeName(workbookPath);
  const QByteArray sheetName = sheet.toUtf8(), errorsName = QFile::encodeName(errors.fileName());
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorsName.constData(), O_WRONLY | O_TRUNC, 0);
  char* arguments[] = {const_cast<char*>(program.constData()), const_cast<char*>(rowsName.constData()),
                       const_cast<char*>(workbookName.constData()), const_cast<char*>(sheetName.constData()), nullptr};
  pid_t child = 0;
  const int spawned = posix_spawn(&child, program.constData(), &actions, nullptr, arguments, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0)
    return QStringLiteral("das Programm %1 fehlt (%2)").arg(QFile::decodeName(program), toQString(catalog::reasonOf(spawned)));
  int status = 0;
  while (waitpid(child, &status, 0) == -1 && errno == EINTR) {
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return std::nullopt;
  const QString said = QString::fromUtf8(errors.readAll()).trimmed();
  return said.isEmpty() ? QStringLiteral("%1 endete mit Fehler").arg(QFile::decodeName(program)) : said;
}

QString askWithDialog(QWidget* parent, const QString& proposed) {
  return QFileDialog::getSaveFileName(parent, QStringLiteral("Als Excel-Datei speichern"), proposed,
                                      QStringLiteral("Excel-Arbeitsmappe (*.xlsx)"));
}

}  // namespace

std::function<QString(QWidget*, const QString&)> chooseWorkbookFile = askWithDialog;

QString askForWorkbookPath(QWidget* parent, const QString& proposed) {
  QString file = chooseWorkbookFile(parent, proposed);
  if (!file.isEmpty() && !file.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) file += QStringLiteral(".xlsx");
  return file;
}

QString amountFormat() { return QStringLiteral("#,##0.00"); }
QString differenceFormat() { return QStringLiteral("+#,##0.00;-#,##0.00;0.00"); }
QString percentFormat() { return QStringLiteral("+0.0;-0.0;0.0"); }

QString workbookProgram() {
  if (chosenProgram().isEmpty()) chosenProgram() = programBesideThis();
  return chosenProgram();
}

void useWorkbookProgram(const QString& program) { chosenProgram() = program; }

void writeWorkbook(const QString& path, const QString& sheet, const std::vector<WorkbookColumn>& columns,
                   const std::vector<QStringList>& rows) {
  QTemporaryFile rowsFile;
  if (!rowsFile.open() || rowsFile.write(rowsText(columns, rows)) < 0 || !rowsFile.flush())
    fail(path, QStringLiteral("keine tempor\u00E4re Datei"));
  // Written beside the target and renamed over it: a failed write leaves
  // the file there as it was.
  const QFileInfo target(path);
  QTemporaryFile workbook(target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
  if (!workbook.open()) fail(path, workbook.errorString());
  workbook.close();
  if (const auto reason = runWriter(rowsFile.fileName(), workbook.fileName(), sheet)) fail(path, *reason);
  // A temporary file is the user's alone; the workbook is shared as any new file.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::chmod(QFile::encodeName(workbook.fileName()).constData(), 0666 & ~mask);
  if (::rename(QFile::encodeName(workbook.fileName()).constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
    fail(path, toQString(catalog::reasonOf(errno)));
  workbook.setAutoRemove(false);
}

}  // namespace app
