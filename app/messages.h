#pragma once
// The command line's own texts, in one place. Catalog errors and the
// check's findings are the catalog's (catalog/errors.cpp, catalog/check.cpp).

#include <QString>
#include <QStringList>

namespace app::messages {

QString help();
QString version();
QString unknownOption(const QString& option);
QString missingValue(const QString& option);
QString unexpectedValue(const QString& option);
QString oneCommandOnly();
QString yearOnlyWithLookup();
QString yearOrAllYears();
QString badYear(const QString& value);
QString lookupNeedsCode();
QString noCodeIn(const QString& text);
QString tooManyArguments(const QString& arguments);
QString noDisplay();
// DISPLAY or WAYLAND_DISPLAY is set, but no window system answers there.
QString displayUnusable(const QString& display);
QString folderCannotBeOpened(const QString& folder, const QString& reason);
QString rebuildNeedsCompleteLoad();
QString notWrittenWithoutForce();
QString forceOnlyWithRebuild();
QString badImportYear(const QString& value);
QString importNeedsAnnex(const QString& option);
QString annexOnlyWithImport();
QString assignmentsUnchanged();
QString rebuildWritten(qsizetype lines, qsizetype added, qsizetype dropped);
QString yearMissing(const QString& year);
QString compareNeedsTwoYears();
QString badCompareYear(const QString& value);
QString badKind(const QString& value);
QString onlyWithCompare(const QString& option);
// A year to compare that the catalog lacks, and the years it has.
QString compareYearMissing(const QString& year, const QStringList& years);

}  // namespace app::messages
