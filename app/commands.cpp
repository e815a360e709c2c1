#include "app/commands.h"

#include <QApplication>
#include <array>
#include <cstdio>
#include <algorithm>
#include <memory>

#include "app/clock.h"
#include "app/comparison_table.h"
#include "app/console.h"
#include "app/error_display.h"
#include "app/messages.h"
#include "app/tform1.h"
#include "app/text_codec.h"
#include "catalog/check.h"
#include "catalog/errors.h"
#include "catalog/lines.h"
#include "catalog/ops_lookup.h"
#include "catalog/file_names.h"
#include "annex/import.h"

namespace app {
namespace {

// Qt's own warnings (a missing runtime folder as root, a font) are not
// this program's messages; a command prints only its own.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg || type == QtCriticalMsg) printError(message);
}

// The window, built and driven without a display: the offscreen platform
// draws nothing. Errors the window would show go to standard error.
class HeadlessWindow {
 public:
  HeadlessWindow(int argc, char** argv) : argc_(argc) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietQtMessages);
    // A program that has its application already (the window fuzzer runs
    // the commands beside the window) keeps it.
    if (!QCoreApplication::instance()) application_ = std::make_unique<QApplication>(argc_, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Tarvelo"));
    setErrorMessageHook([this](const QString&, const QString& text) {
      printError(text);
      ++errors_;
    });
    form_ = std::make_unique<TForm1>();
  }
  ~HeadlessWindow() {
    form_.reset();
    setErrorMessageHook({});
  }
  HeadlessWindow(const HeadlessWindow&) = delete;
  HeadlessWindow& operator=(const HeadlessWindow&) = delete;

  TForm1& form() { return *form_; }
  int errors() const { return errors_; }

 private:
  int argc_;
  std::unique_ptr<QApplication> application_;
  std::unique_ptr<TForm1> form_;
  int errors_ = 0;
};


bool assignmentFileIsAsRebuilt(int argc, char** argv) {
  HeadlessWindow window(argc, argv);
  TForm1& form = window.form();
  return form.Data.complete() && form.assignmentFileIsAsRebuilt();
}

}  // namespace

int runCheck(int argc, char** argv) {
  catalog::CheckInput input;
  const auto& names = catalog::kCatalogFiles;
  std::array<catalog::FileText, 4> texts;  // what the input views
  for (std::size_t f = 0; f < names.size(); ++f) {
    try {
      texts[f] = catalog::readCatalogFile(names[f]);
      input.files[f] = texts[f];
    } catch (const catalog::Error& error) {
      const catalog::Finding finding{names[f], 0, catalog::Severity::Error, error.what()};
      printCatalogLine(catalog::formatFinding(finding));
      printCatalogLine(catalog::summarize({finding}));
      return 2;
    }
  }
  HeadlessWindow window(argc, argv);
  input.rebuiltAssignments = [&window] {
    TForm1& form = window.form();
    return form.Data.complete() ? form.assignmentsAsRebuilt(&form) : std::vector<std::string>{};
  };
  // Each finding is printed as soon as its file is checked, so a huge
  // catalog shows progress; only their number is kept.
  std::array<std::size_t, 3> counts{};
  std::string lastFile;
  catalog::checkCatalog(input, [&counts, &lastFile](const catalog::Finding& finding) {
    if (finding.file != lastFile) std::fflush(stdout);
    lastFile = finding.file;
    printCatalogLine(catalog::formatFinding(finding));
    ++counts[static_cast<std::size_t>(finding.severity)];
  });
  printCatalogLine(catalog::summarize(counts));
  return counts[static_cast<std::size_t>(catalog::Severity::Error)] > 0 ? 1 : 0;
}

int runRebuild(int argc, char** argv, bool force) {
  HeadlessWindow window(argc, argv);
  const auto asked = TForm1::confirmLargeDrop;
  bool refused = false;
  TForm1::confirmLargeDrop = [force, &refused](QWidget*, const QString& question) {
    if (!force) printError(question + QLatin1Char(' ') + messages::notWrittenWithoutForce());
    refused = !force;
    return force;
  };
  struct Restore {
    std::function<bool(QWidget*, const QString&)> asked;
    ~Restore() { TForm1::confirmLargeDrop = asked; }
  } restore{asked};
  TForm1& form = window.form();
  if (!form.Data.complete()) {
    printError(messages::rebuildNeedsCompleteLoad());
    return 1;
  }
  const catalog::FileText before = TForm1::textOfAssignmentFile();
  const int errorsBefore = window.errors();
  // Errors of the walk and the save end the rebuild; one of the reload after
  // the save does not undo what was written.
  bool written = false;
  form.runUserEvent([&form, &written] {
    form.Button1Click(&form);
    written = true;
  });
  if (!written || refused) return 1;
  const catalog::FileText after = TForm1::textOfAssignmentFile();
  const std::vector<std::string_view> linesBefore = catalog::lineViews(before), linesAfter = catalog::lineViews(after);
  const std::size_t kept = catalog::linesKept(linesBefore, linesAfter);
  printLine(messages::rebuildWritten(static_cast<qsizetype>(linesAfter.size()),
                                     static_cast<qsizetype>(linesAfter.size() - kept),
                                     static_cast<qsizetype>(linesBefore.size() - kept)));
  return window.errors() > errorsBefore ? 1 : 0;
}

int runImport(int argc, char** argv, const QString& year, const std::array<QByteArray, 4>& annexFiles) {
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
  if (!plan.changesSomething() && assignmentFileIsAsRebuilt(argc, argv)) {
    printLine(messages::assignmentsUnchanged());
    return 0;
  }
  // The import is why most assignment lines change: no question first.
  return runRebuild(argc, argv, true);
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
