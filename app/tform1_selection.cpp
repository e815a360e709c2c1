// The first two levels of the selection cascade: the group list and the ZE
// list. Each keeps the user's choice when the new list holds it and calls the
// next level itself.

#include "catalog/keys.h"
#include "catalog/ops_code.h"
#include "app/tform1.h"

namespace {

// After a list is filled: keep the remembered text when the list holds it
// (letter case ignored, kept as typed, nothing selected), else show item 0.
void keepOrTakeFirst(app::DropDownBox& box, std::string remembered) {
  if (box.find(remembered) != -1) {
    box.setText(std::move(remembered));
    return;
  }
  box.setText(box.item(0));
  box.select(0);
}

}  // namespace

void TForm1::ZE_Gruppe_holen(QObject* Sender) {
  const std::string group = catalog::carryOverYear(ComboBox2->text(), year());
  ComboBox2->clear();
  for (const std::string_view name : Data.groupNames(year(), kind()))
    if (ComboBox2->find(name) == -1) ComboBox2->append(std::string(name));
  keepOrTakeFirst(*ComboBox2, group);
  ZEs_holen(Sender);
}

void TForm1::ZEs_holen(QObject* Sender) {
  const std::string ze = catalog::carryOverYear(ComboBox3->text(), year());
  ComboBox3->clear();
  for (const catalog::Catalog::LineView line : Data.linesOfGroup(year(), kind(), ComboBox2->text())) {
    if (line.zeCode.empty() || line.zeCode == " ") continue;
    ComboBox3->append(std::string(line.zeCode));
  }
  keepOrTakeFirst(*ComboBox3, ze);
  Werte_holen(Sender);
}
