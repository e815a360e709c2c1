// The search window's way into the main window: a result is shown by the
// handlers a user's picks run, so the window ends where picking by hand ends.

#include <QTableView>

#include "app/comparison_window.h"
#include "app/search_window.h"
#include "app/tform1.h"
#include "app/text_codec.h"

namespace {

// A pick from the box's list puts the item's text into the box; a text the
// list lacks is put there as typed.
void pick(app::DropDownBox& box, const std::string& text) {
  const int index = box.find(text);
  if (index == -1) {
    box.setText(text);
  } else {
    box.select(index);
  }
}

}  // namespace

app::SearchWindow* TForm1::showSearchWindow() {
  if (!searchWindow_) searchWindow_ = new app::SearchWindow(*this, this);
  searchWindow_->followMainWindowYear();
  // After a code that triggers more than the ZE shown, the search shows
  // every line of it.
  if (const Hit* hit = currentHit(); hit && !hit->alsoTriggered.empty())
    searchWindow_->input()->setText(app::toQString(hit->code));
  searchWindow_->refresh();
  searchWindow_->show();
  searchWindow_->raise();
  searchWindow_->activateWindow();
  searchWindow_->input()->setFocus();
  searchWindow_->input()->selectAll();
  return searchWindow_;
}

app::ComparisonWindow* TForm1::showComparisonWindow() {
  if (!comparisonWindow_) comparisonWindow_ = new app::ComparisonWindow(*this, this);
  comparisonWindow_->followCatalog();
  comparisonWindow_->show();
  comparisonWindow_->raise();
  comparisonWindow_->activateWindow();
  comparisonWindow_->table()->setFocus();
  return comparisonWindow_;
}

void TForm1::showLookupRow(const catalog::LookupRow& row) {
  runUserEvent([this, &row] {
    pick(*ComboBox1, row.year);
    ZE_Gruppe_holen(ComboBox1->widget());
    RadioGroup1->setItemIndex(catalog::itemOf(catalog::kindOfCode(row.kind)));
    pick(*ComboBox2, row.group);
    ZEs_holen(ComboBox2->widget());
    if (row.ze.empty()) return;
    pick(*ComboBox3, row.ze);
    Werte_holen(ComboBox3->widget());
  });
}
