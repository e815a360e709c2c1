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
    for (const std::string& key : app::searchKeys(code, searchYear, kind == 0 ? "BE" : "KH")) {
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

  const std::string target = AssignmentTable.AssignmentTargets.get(hit);
  const auto semicolon = target.find(';');
  if (semicolon != std::string::npos) {
    ComboBox2->setText(target.substr(0, semicolon));
    ZEs_holen(Sender);
    ComboBox3->setText(target.substr(semicolon + 1));
    Werte_holen(Sender);
  } else {
    ComboBox2->setText(target);
    ZEs_holen(Sender);
    Werte_holen(Sender);
  }
}
