#include "app/commands.h"

#include <array>
#include <cstdio>
#include <algorithm>
#include <memory>

#include "app/clock.h"
#include "app/comparison_table.h"
#include "app/console.h"
#include "app/error_display.h"
#include "app/messages.h"
#include "app/text_codec.h"
#include "catalog/check.h"
#include "catalog/file_reading.h"
#include "catalog/rebuild_walk.h"
#include "catalog/safe_save.h"
#include "catalog/errors.h"
#include "catalog/lines.h"
#include "catalog/ops_lookup.h"
#include "catalog/file_names.h"
#include "annex/import.h"

namespace app {
namespace {

// The catalog lines, cut and indexed: all the rebuild's walk reads. The
// other files are opened too, only so that the rebuild refuses as the
// window does when one of them cannot be read.
std::unique_ptr<catalog::Catalog> catalogToWalk() {
  auto catalog = std::make_unique<catalog::Catalog>();
  const auto error = runCatchingErrors([&catalog] {
    catalog->loadCatalogLines();
    for (const char* name : {catalog::kFootnoteFile, catalog::kOpsTextFile, catalog::kAssignmentFile})
      catalog::ensureCatalogFileReadable(name);
    catalog->splitCatalog();
  });
  if (error) {
    printError(errorMessageText(*error));
    return nullptr;
  }
  return catalog;
}

// What a rebuild would write now: the window's walk from a start-up in the
// current year.
std::vector<std::string> rebuiltLines(const catalog::Catalog& catalog) {
  return catalog::rebuiltAssignments(catalog, currentYearText());
}

bool assignmentFileIsAsRebuilt() {
  const auto catalog = catalogToWalk();
  return catalog && catalog::assignmentFileIsAsRebuilt(*catalog, currentYearText());
}

}  // namespace

int runCheck() {
  catalog::CheckInput input;
  const auto& names = catalog::kCatalogFiles;
  std::array<catalog::FileText, 4> texts;  // what the input views
  for (std::size_t f = 0; f < names.size(); ++f) {
    try {
      texts[f] = catalog::readCatalogFile(names[f]);
      input.files[f] = texts[f];
      input.fileSizes[f] = texts[f].fileSize();
    } catch (const catalog::Error& error) {
      const catalog::Finding finding{names[f], 0, catalog::Severity::Error, error.what()};
      printCatalogLine(catalog::formatFinding(finding));
      printCatalogLine(catalog::summarize({finding}));
      return 2;
    }
  }
  // The walk reads the catalog lines alone, from the text the check read.
  input.rebuiltAssignments = [&texts] {
    catalog::Catalog catalog;
    catalog.loadTexts({texts[0], {}, {}, {}});
    return rebuiltLines(catalog);
  };
  // Each finding is printed as soon as its file is checked, so a huge
  // catalog shows progress; only their number is kept.
  std::array<std::size_t, 3> counts{};
  std::string lastFile;
  catalog::checkCatalog(input, [&counts, &lastFile](const catalog::Finding& finding) {
    if (finding.file != lastFile) std::fflush(stdout);
    lastFile = finding.file;
    printCatalogLine(catalog::formatFinding(finding));
    counts[static_cast<std::size_t>(finding.severity)] += finding.lines();
  });
  printCatalogLine(catalog::summarize(counts));
  return counts[static_cast<std::size_t>(catalog::Severity::Error)] > 0 ? 1 : 0;
}

int runRebuild(bool force) {
  const auto loaded = catalogToWalk();
  if (!loaded) {
    printError(messages::rebuildNeedsCompleteLoad());
    return 1;
  }
  bool refused = false;
  std::size_t written = 0;
  catalog::LinesKept kept;
  const auto error = runCatchingErrors([&] {
    const catalog::SaveLock lock(catalog::kAssignmentFile);
    const auto collected = catalog::collectRebuiltAssignments(*loaded, currentYearText());
    const std::vector<std::string_view> views = collected->views();
    kept = catalog::linesKeptOfAssignmentFile(views);
    if (kept.dropsMost() && !force) {
      printError(toQString(catalog::rebuildWouldDrop(kept.before - kept.kept, kept.before)) + QLatin1Char(' ') +
                 messages::notWrittenWithoutForce());
      refused = true;
      return;
    }
    catalog::saveLinesReplacing(catalog::kAssignmentFile, views);
    written = views.size();
  });
  if (error) printError(errorMessageText(*error));
  if (error || refused) return 1;
  printLine(messages::rebuildWritten(static_cast<qsizetype>(written), static_cast<qsizetype>(written - kept.kept),
                                     static_cast<qsizetype>(kept.before - kept.kept)));
  return 0;
}

int runImport(const QString& year, const std::array<QByteArray, 4>& annexFiles) {
  const auto path = [](const QByteArray& file) { return std::string(file.constData(), static_cast<std::size_t>(file.size())); };
  annex::ImportPlan plan;
  try {
    const annex::ReadAnnexes read =
        annex::readAnnexes({path(annexFiles[0]), path(annexFiles[1]), path(annexFiles[2]), path(annexFiles[3])});
    plan = annex::planImport(read.annexes, toCp1252(year));
    for (const std::string& line : annex::reportLines(plan)) printCatalogLine(line);
    annex::writeImport(plan);
  } catch (const std::exception& error) {
    printError(printable(error.what()));
    return 1;
  }
  // Importing the same annexes again changes no byte, not even the backup.
  if (!plan.changesSomething() && assignmentFileIsAsRebuilt()) {
    printLine(messages::assignmentsUnchanged());
    return 0;
  }
  // The import is why most assignment lines change: no question first.
  return runRebuild(true);
}

int runLookup(const QStringList& codes, const LookupYear& year) {
  catalog::Catalog catalog;
  try {
    catalog.load();
  } catch (const std::exception& error) {
    printError(printable(error.what()));
    return 2;
  }
  const catalog::ops_code::CodesInText wanted = catalog::ops_code::codesInText(toCp1252(codes.join(QLatin1Char(' '))));
  if (wanted.codes.empty()) {
    printError(messages::noCodeIn(codes.join(QLatin1Char(' '))));
    return 2;
  }
  if (!wanted.ignored.empty()) printError(printable(catalog::ignoredNote(wanted.ignored)));
  std::optional<std::string> searched;
  if (year.named) {
    searched = toCp1252(*year.named);
    const auto years = catalog.yearsLastFirst();
    if (std::find(years.begin(), years.end(), *searched) == years.end()) printError(messages::yearMissing(*year.named));
  } else if (!year.allYears) {
    const std::string current = currentYearText();
    searched = catalog.defaultYear(current);
    if (*searched != current)
      printError(printable(catalog::yearMissingNote(current, *searched)));
  }
  const catalog::OpsLookup lookup(catalog);
  const auto rows = lookup.lookup(wanted.codes, searched);
  printLine(toQString(catalog::lookupHeader()));
  bool everyCodeFound = true;
  for (const catalog::LookupRow& row : rows) {
    QStringList fields;
    for (const std::string_view field : catalog::lookupFields(row)) fields << printable(field);
    printLine(fields.join(QLatin1Char('\t')));
    everyCodeFound = everyCodeFound && row.found;
  }
  return everyCodeFound ? 0 : 1;
}

int runCompare(const QString& before, const QString& after, const std::optional<QString>& kind, const QString& workbook) {
  // The comparison reads the catalog lines alone: the texts of forty years'
  // OPS codes would cost a second for nothing.
  catalog::Catalog catalog;
  try {
    catalog.loadCatalogLines();
    catalog.splitCatalog();
  } catch (const std::exception& error) {
    printError(printable(error.what()));
    return 2;
  }
  const QStringList years = catalogYears(catalog);
  for (const QString& year : {before, after})
    if (!years.contains(year)) {
      printError(messages::compareYearMissing(year, years));
      return 1;
    }
  std::optional<catalog::Kind> onlyKind;
  if (kind) onlyKind = catalog::kindOfCode(toCp1252(*kind));
  const auto rows = catalog::compareYears(catalog, toCp1252(before), toCp1252(after), onlyKind);
  if (!workbook.isEmpty()) {
    std::vector<QStringList> cells;
    cells.reserve(rows.size());
    for (const catalog::ComparisonRow& row : rows) cells.push_back(comparisonCells(row));
    try {
      writeWorkbook(workbook, QStringLiteral("Jahresvergleich"), comparisonWorkbookColumns(), cells);
    } catch (const std::exception& error) {
      printError(printable(error.what()));
      return 2;
    }
    return 0;
  }
  printLine(comparisonHeader().join(QLatin1Char('\t')));
  for (const catalog::ComparisonRow& row : rows) printLine(comparisonCells(row).join(QLatin1Char('\t')));
  return 0;
}

}  // namespace app
