// Start-up loading: the tables, the year list, the current year and kind.

#include "app/clock.h"
#include "app/tform1.h"
#include "catalog/fields.h"

void TForm1::Init(QObject* Sender) {
  for (catalog::Column* column :
       {&CatalogTable.CatalogLines, &CatalogTable.GroupKeys, &CatalogTable.ZeCodes, &CatalogTable.Descriptions,
        &CatalogTable.Amounts, &CatalogTable.OpsLists, &CatalogTable.FootnoteRefs,
        &AssignmentTable.AssignmentKeys, &AssignmentTable.AssignmentTargets, &FootnoteTable.FootnoteKeys,
        &FootnoteTable.FootnoteTexts, &OpsTextTable.OpsKeys, &OpsTextTable.OpsTexts})
    column->clear();
  ComboBox1->clear();
  ComboBox2->clear();

  CatalogTable.CatalogLines.assign(catalog::loadCatalogFile(catalog::kCatalogFile));
  for (int i = CatalogTable.CatalogLines.count() - 1; i >= 0; --i) {
    std::string lineYear = catalog::yearOf(CatalogTable.CatalogLines.get(i));
    if (ComboBox1->find(lineYear) == -1) ComboBox1->append(std::move(lineYear));
  }
  catalog::fillFootnotes(FootnoteTable, catalog::loadCatalogFile(catalog::kFootnoteFile));
  catalog::fillOpsTexts(OpsTextTable, catalog::loadCatalogFile(catalog::kOpsTextFile));
  catalog::fillAssignments(AssignmentTable, catalog::loadCatalogFile(catalog::kAssignmentFile));

  const std::string currentYear = app::currentYearText();
  ComboBox1->setText(currentYear);
  ComboBox1->select(ComboBox1->find(currentYear));

  RadioGroup1->setItemIndex(0);
  repaintNow();

  catalog::splitCatalog(CatalogTable);
  ZE_Gruppe_holen(Sender);
}
