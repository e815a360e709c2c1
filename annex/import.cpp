#include "annex/import.h"

#include "annex/annex_file.h"
#include "annex/definitions.h"
#include "annex/header_words.h"
#include "annex/messages.h"
#include "annex/year_replacement.h"

#include <unistd.h>
#include "catalog/cp1252.h"
#include "catalog/errors.h"
#include "catalog/file_names.h"
#include "catalog/file_reading.h"
#include "catalog/safe_save.h"
#include "catalog/tables.h"

namespace annex {
namespace {

// A missing file is an empty one: the import may start a new folder.
std::string currentText(const std::string& fileName) {
  const std::string path = catalog::catalogFilePath(fileName);
  if (::access(path.c_str(), F_OK) != 0) return {};
  return std::string(static_cast<std::string_view>(catalog::readWholeFile(fileName, {path})));
}

std::string count(std::size_t n) { return catalog::withThousandPoints(std::to_string(n)); }

void section(std::vector<std::string>& lines, const std::string& title, const std::vector<std::string>& items) {
  lines.push_back(title + " (" + count(items.size()) + "):");
  for (const std::string& item : items) lines.push_back("  " + item);
}

}  // namespace

ReadAnnexes readAnnexes(const AnnexFiles& files) {
  ReadAnnexes read;
  const auto shown = [](const std::string& path) { return catalog::cp1252::fromUtf8(path); };
  const Table annex2 = readAnnexTable(files.annex2, 2);
  read.annexes.federalList = listOf(annex2, 2, shown(files.annex2));
  const Table annex4 = readAnnexTable(files.annex4, 4);
  read.annexes.hospitalList = listOf(annex4, 4, shown(files.annex4));
  const Table annex5 = readAnnexTable(files.annex5, 5);
  read.annexes.federal = definitionsOf(annex5, 5, shown(files.annex5));
  const Table annex6 = readAnnexTable(files.annex6, 6);
  read.annexes.hospital = definitionsOf(annex6, 6, shown(files.annex6));
  for (const Table* table : {&annex5, &annex6, &annex2, &annex4})
    if (!read.printedYear && table->printedYear) read.printedYear = table->printedYear;
  return read;
}

ImportPlan planImport(const Annexes& annexes, const std::string& year) {
  if (year.size() != 4 || year.find_first_not_of("0123456789") != std::string::npos) throw badYear(year);
  ImportPlan plan;
  plan.year = year;
  const YearLines lines = yearLinesOf(annexes, year, plan.report);
  plan.fileNames = {catalog::kCatalogFile, catalog::kFootnoteFile, catalog::kOpsTextFile};
  const std::array<const std::vector<std::string>*, 3> newLines = {&lines.catalog, &lines.footnotes, &lines.opsTexts};
  for (std::size_t f = 0; f < plan.fileNames.size(); ++f) {
    const std::string old = currentText(plan.fileNames[f]);
    Replacement replacement = replaceYearLines(old, year, *newLines[f]);
    plan.changes[f] = replacement.text != old;
    plan.texts[f] = std::move(replacement.text);
    plan.added[f] = newLines[f]->size();
    plan.removed[f] = replacement.removed;
  }
  return plan;
}

void writeImport(const ImportPlan& plan) {
  // The rebuild's lock keeps a rebuild from reading the files half written.
  const catalog::SaveLock lock(catalog::kAssignmentFile);
  // A new folder gets its assignment file empty, for the rebuild to fill.
  if (::access(catalog::kAssignmentFile, F_OK) != 0) catalog::saveTextReplacing(catalog::kAssignmentFile, {});
  for (std::size_t f = 0; f < plan.fileNames.size(); ++f) {
    if (!plan.changes[f]) continue;
    catalog::saveTextReplacing(catalog::catalogFilePath(plan.fileNames[f]), plan.texts[f]);
  }
}

std::vector<std::string> reportLines(const ImportPlan& plan) {
  const ImportReport& report = plan.report;
  std::vector<std::string> lines;
  lines.push_back("Jahr " + plan.year + ":");
  lines.push_back("  " + plan.fileNames[0] + ": " + count(plan.added[0]) + " Zeilen (BE " + count(report.federalLines) +
                  ", KH " + count(report.hospitalLines) + "), ersetzt " + count(plan.removed[0]));
  lines.push_back("  " + plan.fileNames[1] + ": " + count(plan.added[1]) + " Zeilen (BE " +
                  count(report.federalFootnotes) + ", KH " + count(report.hospitalFootnotes) + "), ersetzt " +
                  count(plan.removed[1]));
  lines.push_back("  " + plan.fileNames[2] + ": " + count(plan.added[2]) + " Zeilen, ersetzt " + count(plan.removed[2]));
  section(lines, "Gruppenzeilen abgeleitet", report.inferredGroups);
  section(lines, "ZED-Bezeichnungen abgeleitet", report.zedDescriptions);
  section(lines, "Trennstriche am Zeilenende verbunden", report.joins);
  section(lines, "Abweichungen zwischen Listen und Tabellen", report.disagreements);
  return lines;
}

}  // namespace annex
