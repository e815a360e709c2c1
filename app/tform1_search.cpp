// The OPS code search: runs on every change of the OPS field and, on a hit,
// selects the kind, group and ZE the code triggers.

#include "catalog/keys.h"
#include "catalog/ops_code.h"
#include "app/tform1.h"

void TForm1::ZE_suchen(QObject* Sender) {
  const std::string fieldText = MaskEdit1->opsText();

  if (catalog::ops_code::onlyFirstPositionFilled(fieldText)) {
    ComboBox2->setText({});
    repaintNow();
    ComboBox3->setText({});
    repaintNow();
    Label5->setCaption({});
    repaintNow();
    Werte_holen(Sender);
  }

  const std::string code = catalog::ops_code::searchCode(fieldText);
  const auto hit = Data.fieldSearch(code, year());
  if (!hit) return;
  showAssignment(Sender, *hit);
  rememberHit(code, hit->line);
  // A user who goes on typing after the hit may be typing a longer code.
  MaskEdit1->model().rememberHit(code, hit->line);
}

// The kind first (which rebuilds the group list when it changes), then the
// target's group and ZE.
void TForm1::showAssignment(QObject* Sender, const catalog::Catalog::AssignmentHit& hit) {
  RadioGroup1->setItemIndex(catalog::itemOf(hit.kind));
  repaintNow();

  const catalog::AssignmentTarget target = Data.assignmentTarget(hit.line);
  ComboBox2->setText(std::string(target.group));
  ZEs_holen(Sender);
  if (target.hasZe) ComboBox3->setText(std::string(target.ze));
  Werte_holen(Sender);
}

// While the field continues a found code: what the search finds for the
// longer code, or whether some line could still cover a longer one.
app::OpsFieldModel::ProbeResult TForm1::probeLongerCode(const std::string& code) const {
  if (const auto hit = Data.fieldSearch(code, year())) return {app::OpsFieldModel::Probe::Found, hit->line};
  if (Data.assignments().someLineCouldCoverLonger(code, year())) return {app::OpsFieldModel::Probe::Open, -1};
  return {app::OpsFieldModel::Probe::Nothing, -1};
}

void TForm1::showLongerCode(const std::string& code) {
  if (const auto hit = Data.fieldSearch(code, year())) {
    showAssignment(MaskEdit1, *hit);
    rememberHit(code, hit->line);
  }
}
