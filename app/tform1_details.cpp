// The detail display: descriptions, amount, footnotes and OPS codes of the
// chosen group and ZE; during the rebuild it also collects the assignments.

#include "app/cascade_rules.h"
#include "app/tform1.h"

void TForm1::Werte_holen(QObject* /*Sender*/) {
  resetOpsField();

  for (app::DetailBox* box : {RichEdit1, RichEdit2, RichEdit3, RichEdit4, RichEdit5, RichEdit6}) box->clear();
  std::string groupOps, groupMarks, zeOps, zeMarks;

  const std::string groupKey = app::joinKey({year(), kindCode(), ComboBox2->text()});
  const int groupLine = CatalogTable.GroupKeys.find(groupKey);
  if (groupLine != -1) {
    RichEdit2->appendLine(std::string(CatalogTable.Descriptions.get(groupLine)));
    repaintNow();
    groupOps = CatalogTable.OpsLists.get(groupLine);
    groupMarks = CatalogTable.FootnoteRefs.get(groupLine);
  }
  if (ComboBox3->text().empty() && groupLine != -1) {
    Label5->setCaption(std::string(CatalogTable.Amounts.get(groupLine)));
    repaintNow();
  }
  showFootnotesAndCodes(groupMarks, *RichEdit5, groupOps, *RichEdit3);

  // The lines of the chosen ZE, compared exactly; every one adds its
  // description, the last one gives codes, footnotes and amount.
  const std::string& zeText = ComboBox3->text();
  for (const int k : Data.linesWithGroupKey(groupKey)) {
    if (CatalogTable.ZeCodes.get(k) != zeText) continue;
    RichEdit1->appendLine(std::string(CatalogTable.Descriptions.get(k)));
    repaintNow();
    zeOps = CatalogTable.OpsLists.get(k);
    zeMarks = CatalogTable.FootnoteRefs.get(k);
    Label5->setCaption(std::string(CatalogTable.Amounts.get(k)));
    repaintNow();
  }
  showFootnotesAndCodes(zeMarks, *RichEdit6, zeOps, *RichEdit4);
}

// The codes are collected bare, before they are decorated.
void TForm1::showFootnotesAndCodes(const std::string& marks, app::DetailBox& footnoteBox, const std::string& opsList,
                                   app::DetailBox& codeBox) {
  resolveFootnotes(marks, footnoteBox);
  showOpsCodes(opsList, codeBox);
  if (RebuildMode) collectAssignments(codeBox);
  decorateOpsCodes(codeBox);
}

void TForm1::resetOpsField() {
  if (!app::onlyFirstPositionFilled(MaskEdit1->opsText())) MaskEdit1->setOpsText(app::OpsFieldModel::kEmptyText);
}

void TForm1::resolveFootnotes(const std::string& marks, app::DetailBox& box) {
  for (const std::string& mark : app::footnoteMarks(marks)) {
    const int footnote = FootnoteTable.FootnoteKeys.find(app::joinKey({year(), kindCode(), mark}));
    if (footnote == -1) continue;
    const std::string_view text = FootnoteTable.FootnoteTexts.get(footnote);
    if (!text.empty()) box.appendLine(std::string(text));
  }
}

void TForm1::showOpsCodes(const std::string& opsList, app::DetailBox& box) {
  for (std::string& code : app::splitOpsList(opsList)) box.appendLine(std::move(code));
}

void TForm1::collectAssignments(const app::DetailBox& box) {
  const int lines = box.lineCount();
  for (int i = 0; i < lines; ++i) {
    std::string entry = catalog::assignmentLine(box.line(i), year(), kindCode(), ComboBox2->text(), ComboBox3->text());
    if (AssignmentTable.AssignmentKeys.find(entry) == -1) AssignmentTable.AssignmentKeys.append(entry);
  }
}

void TForm1::decorateOpsCodes(app::DetailBox& box) {
  for (int i = 0; i < box.lineCount(); ++i) {
    const std::string code = box.line(i);
    const int ops = OpsTextTable.OpsKeys.find(app::joinKey({year(), code}));
    if (ops != -1) box.replaceLine(i, app::concat({code, " - ", OpsTextTable.OpsTexts.get(ops)}));
  }
}
