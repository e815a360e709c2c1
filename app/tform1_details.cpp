// The detail display: descriptions, amount, footnotes and OPS codes of the
// chosen group and ZE.

#include "catalog/keys.h"
#include "catalog/ops_code.h"
#include "catalog/ze_details.h"
#include "app/tform1.h"

void TForm1::Werte_holen(QObject* /*Sender*/) {
  // An amount is shown only while a line of the current choice gives it
  // (the window once kept the last one beside an empty choice).
  Label5->setCaption({});
  resetOpsField();

  for (app::DetailBox* box : {RichEdit1, RichEdit2, RichEdit3, RichEdit4, RichEdit5, RichEdit6}) box->clear();
  std::string groupOps, groupMarks, zeOps, zeMarks;

  const auto groupLine = Data.firstLineOfGroup(year(), kind(), ComboBox2->text());
  if (groupLine) {
    RichEdit2->appendView(groupLine->description);
    repaintNow();
    groupOps = groupLine->opsList;
    groupMarks = groupLine->footnoteRefs;
  }
  if (ComboBox3->text().empty() && groupLine) {
    Label5->setCaption(std::string(groupLine->amount));
    repaintNow();
  }
  showFootnotesAndCodes(groupMarks, *RichEdit5, groupOps, *RichEdit3);

  // The lines of the chosen ZE, compared exactly; every one adds its
  // description, the last one gives codes, footnotes and amount.
  const std::string& zeText = ComboBox3->text();
  const catalog::Catalog::Lines zeLines = Data.linesOfZe(year(), kind(), ComboBox2->text(), zeText);
  const auto descriptions = Data.descriptionsOf(zeLines);
  RichEdit1->appendLines(descriptions.size(), [descriptions](std::size_t i) { return descriptions[i]; });
  if (!zeLines.empty()) {
    const catalog::Catalog::LineView last = zeLines[zeLines.size() - 1];
    zeOps = last.opsList;
    zeMarks = last.footnoteRefs;
    Label5->setCaption(std::string(last.amount));
    repaintNow();
  }
  showFootnotesAndCodes(zeMarks, *RichEdit6, zeOps, *RichEdit4);
}

void TForm1::showFootnotesAndCodes(const std::string& marks, app::DetailBox& footnoteBox, const std::string& opsList,
                                   app::DetailBox& codeBox) {
  resolveFootnotes(marks, footnoteBox);
  showOpsCodes(opsList, codeBox);
  decorateOpsCodes(codeBox);
}

void TForm1::resetOpsField() {
  if (!catalog::ops_code::onlyFirstPositionFilled(MaskEdit1->opsText())) MaskEdit1->setOpsText(app::OpsFieldModel::kEmptyText);
}

void TForm1::resolveFootnotes(const std::string& marks, app::DetailBox& box) {
  for (const std::string_view text : catalog::footnoteTexts(Data, year(), kind(), marks)) box.appendView(text);
}

void TForm1::showOpsCodes(const std::string& opsList, app::DetailBox& box) {
  for (std::string& code : catalog::splitOpsList(opsList)) box.appendLine(std::move(code));
}

void TForm1::decorateOpsCodes(app::DetailBox& box) {
  for (int i = 0; i < box.lineCount(); ++i) {
    const std::string code(box.line(i));
    std::string decorated = catalog::decoratedOpsCode(Data, year(), code);
    if (decorated != code) box.replaceLine(i, std::move(decorated));
  }
}
