// The OPS code search: runs on every change of the OPS field and, on a hit,
// selects the kind, group and ZE the code triggers.

#include "app/cascade_rules.h"
#include "app/tform1.h"

void TForm1::ZE_suchen(QObject* Sender) {
  const std::string fieldText = MaskEdit1->opsText();

  if (app::onlyFirstPositionFilled(fieldText)) {
    ComboBox2->setText({});
    repaintNow();
    ComboBox3->setText({});
    repaintNow();
    Label5->setCaption({});
    repaintNow();
    Werte_holen(Sender);
  }

  const std::string code = app::searchCode(fieldText);
  const std::string searchYear = year();
  int hit = -1;
  int hitKind = -1;
  for (int kind : {0, 1}) {
    for (const std::string& key : app::searchKeys(code, searchYear, catalog::kindCode(kind))) {
      hit = AssignmentTable.AssignmentKeys.find(key);
      if (hit != -1) break;
    }
    if (hit != -1) {
      hitKind = kind;
      break;
    }
  }
  if (hit == -1) return;
  RadioGroup1->setItemIndex(hitKind);
  repaintNow();

  const catalog::AssignmentTarget target = catalog::splitTarget(AssignmentTable.AssignmentTargets.get(hit));
  ComboBox2->setText(std::string(target.group));
  ZEs_holen(Sender);
  if (target.hasZe) ComboBox3->setText(std::string(target.ze));
  Werte_holen(Sender);
}
