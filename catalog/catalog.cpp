#include "catalog/catalog.h"

#include "catalog/fields.h"

namespace catalog {

// Group keys begin with yyyy;KK, the seven characters the group list compares.
Catalog::Catalog() : groupsByPrefix_(CatalogTable.GroupKeys, 7), linesByGroupKey_(CatalogTable.GroupKeys) {}

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
