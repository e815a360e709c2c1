#pragma once
// The commands that need no display, and no window: they ask the catalog
// (the rebuild and the check walk it as the window would, see
// catalog/rebuild_walk.h). Each runs in the current directory, prints to
// standard output and errors to standard error, and returns the exit
// status.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace app {

int runCheck();
// force: writes even a file that keeps fewer than half of the old lines.
int runRebuild(bool force);
// The year searched: all years, the one named, or else the catalog's
// default year (said on standard error when it is not the current year).
struct LookupYear {
  bool allYears = false;
  std::optional<QString> named;
};
int runLookup(const QStringList& codes, const LookupYear& year);
// Imports a year from the annexes (Anlage 2, 4, 5, 6, as the file system
// names them), prints the report, then rebuilds the assignment file.
int runImport(const QString& year, const std::array<QByteArray, 4>& annexFiles);

// Compares two years of the catalog (kind "BE" or "KH", else both): the
// rows tab-separated, or as a workbook when one is named.
int runCompare(const QString& before, const QString& after, const std::optional<QString>& kind, const QString& workbook);

}  // namespace app
