#include "catalog/catalog.h"

#include "catalog/fields.h"

namespace catalog {

void Catalog::clear() {
  complete_ = false;
  for (Column* column :
       {&CatalogTable.CatalogLines, &CatalogTable.GroupKeys, &CatalogTable.ZeCodes, &CatalogTable.Descriptions,
        &CatalogTable.Amounts, &CatalogTable.OpsLists, &CatalogTable.FootnoteRefs, &AssignmentTable.AssignmentKeys,
        &AssignmentTable.AssignmentTargets, &FootnoteTable.FootnoteKeys, &FootnoteTable.FootnoteTexts,
        &OpsTextTable.OpsKeys, &OpsTextTable.OpsTexts})
    column->clear();
}

void Catalog::loadCatalogLines() { CatalogTable.CatalogLines.assign(loadCatalogFile(kCatalogFile)); }
void Catalog::loadFootnotes() { fillFootnotes(FootnoteTable, loadCatalogFile(kFootnoteFile)); }
void Catalog::loadOpsTexts() { fillOpsTexts(OpsTextTable, loadCatalogFile(kOpsTextFile)); }
void Catalog::loadAssignments() { fillAssignments(AssignmentTable, loadCatalogFile(kAssignmentFile)); }

void Catalog::splitCatalog() {
  catalog::splitCatalog(CatalogTable);
  complete_ = true;
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
    std::string year = yearOf(CatalogTable.CatalogLines.get(i));
    if (years.find(year) == -1) years.append(std::move(year));
  }
  return years.entries();
}

}  // namespace catalog
