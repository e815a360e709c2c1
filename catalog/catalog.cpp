#include "catalog/catalog.h"

#include <algorithm>

#include "catalog/fields.h"
#include "catalog/keys.h"

namespace catalog {

// Group keys begin with yyyy;KK, the characters the group list compares.
Catalog::Catalog() : groupsByPrefix_(CatalogTable.GroupKeys, kGroupPrefixLength), linesByGroupKey_(CatalogTable.GroupKeys),
      assignmentIndex_(AssignmentTable.AssignmentKeys) {}

void Catalog::clear() {
  complete_ = false;
  catalogFile_ = {};
  for (Column* column :
       {&CatalogTable.CatalogLines, &CatalogTable.GroupKeys, &CatalogTable.ZeCodes, &CatalogTable.Descriptions,
        &CatalogTable.Amounts, &CatalogTable.OpsLists, &CatalogTable.FootnoteRefs, &AssignmentTable.AssignmentKeys,
        &AssignmentTable.AssignmentTargets, &FootnoteTable.FootnoteKeys, &FootnoteTable.FootnoteTexts,
        &OpsTextTable.OpsKeys, &OpsTextTable.OpsTexts})
    column->clear();
}

void Catalog::loadCatalogLines() {
  catalogFile_ = loadCatalogFile(kCatalogFile);
  fillCatalogLines(CatalogTable, catalogFile_);
  catalogRevision_ = CatalogTable.CatalogLines.revision();
}

void Catalog::loadFootnotes() {
  progress();
  fillFootnotes(FootnoteTable, loadCatalogFile(kFootnoteFile));
}

void Catalog::loadOpsTexts() {
  progress();
  const std::function<void()> keepPainting = [this] { progress(); };
  const LoadedFile file = loadCatalogFile(kOpsTextFile, keepPainting);
  fillOpsTexts(OpsTextTable, file, keepPainting);
  progress();
  // The largest index: the second core builds it while this one goes on.
  OpsTextTable.OpsKeys.buildIndexInBackground();
}

void Catalog::loadAssignments() {
  progress();
  fillAssignments(AssignmentTable, loadCatalogFile(kAssignmentFile));
  progress();
}

void Catalog::splitCatalog() {
  progress();
  // Cut straight from the file unless the lines changed since it was read.
  if (catalogFile_.text && CatalogTable.CatalogLines.revision() == catalogRevision_) {
    catalog::splitCatalog(CatalogTable, catalogFile_);
  } else {
    catalog::splitCatalog(CatalogTable);
  }
  buildIndexes();
  complete_ = true;
}

void Catalog::buildIndexes() const {
  for (const Column* column : {&CatalogTable.GroupKeys, &FootnoteTable.FootnoteKeys, &AssignmentTable.AssignmentKeys})
    column->buildIndex();
  groupsByPrefix_.build();
  linesByGroupKey_.build();
  assignmentIndex_.build();
  while (!OpsTextTable.OpsKeys.indexReady(std::chrono::milliseconds(15))) progress();
  OpsTextTable.OpsKeys.buildIndex();
}

void Catalog::load() {
  clear();
  loadCatalogLines();
  loadFootnotes();
  loadOpsTexts();
  loadAssignments();
  splitCatalog();
}

std::vector<std::string> Catalog::yearsLastFirst() const {
  Column years;
  for (int i = CatalogTable.CatalogLines.count() - 1; i >= 0; --i) {
    const std::string_view year = yearOf(CatalogTable.CatalogLines.get(i));
    if (years.find(year) == -1) years.append(year);
  }
  return years.entries();
}

std::span<const std::uint32_t> Catalog::linesWithGroupPrefix(std::string_view prefix) const {
  return groupsByPrefix_.indexesOf(prefix);
}

std::span<const std::uint32_t> Catalog::linesWithGroupKey(std::string_view key) const {
  return linesByGroupKey_.indexesOf(key);
}

}  // namespace catalog

namespace catalog {

std::string Catalog::defaultYear(std::string_view currentYear) const {
  const std::vector<std::string> years = yearsLastFirst();
  if (years.empty() || std::find(years.begin(), years.end(), currentYear) != years.end()) return std::string(currentYear);
  std::optional<std::string> newestBefore;
  for (const std::string& year : years)
    if (year < currentYear && (!newestBefore || *newestBefore < year)) newestBefore = year;
  if (newestBefore) return *newestBefore;
  return *std::min_element(years.begin(), years.end());
}

std::optional<Catalog::AssignmentHit> Catalog::fieldSearch(std::string_view code, std::string_view year) const {
  const Column& keys = AssignmentTable.AssignmentKeys;
  for (const Kind kind : kKindsInSearchOrder)
    for (const std::string& key : searchKeys(code, year, kindCodeOf(kind)))
      if (const int line = keys.find(key); line != -1) return AssignmentHit{line, kind};
  for (const Kind kind : kKindsInSearchOrder)
    if (const auto lines = assignmentIndex_.wildcardLinesCovering(code, year, kind); !lines.empty())
      return AssignmentHit{lines.front(), kind};
  return std::nullopt;
}

}  // namespace catalog
