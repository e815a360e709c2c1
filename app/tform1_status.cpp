// What the status line says, and the code an OPS hit came from, marked in
// the ZE's OPS box: both read the window's state after an event, and change
// nothing the form shows.

#include <algorithm>

#include "app/status_line.h"
#include "app/tform1.h"
#include "catalog/ops_lookup.h"

// Remembers the hit just shown: the choice it made, the line it matched and
// the other ZEs of the year the code triggers.
void TForm1::rememberHit(const std::string& code, int line) {
  Hit hit{code, year(), std::string(kindCode()), ComboBox2->text(), ComboBox3->text(),
          std::string(Data.assignmentCode(line)), {}};
  for (const catalog::LookupRow& row : catalog::OpsLookup(Data).lookup(std::vector<std::string>{code}, year())) {
    if (!row.found || !row.foundIn.empty()) continue;  // "Unterkode": a longer code, not this one
    if (row.kind == hit.kind && row.group == hit.group && row.ze == hit.ze) continue;
    const std::string other = row.ze.empty() ? row.group : row.ze;
    if (std::find(hit.alsoTriggered.begin(), hit.alsoTriggered.end(), other) == hit.alsoTriggered.end())
      hit.alsoTriggered.push_back(other);
  }
  lastHit_ = std::move(hit);
  markPending_ = true;
}

// The hit, while the window still shows the choice it made.
const TForm1::Hit* TForm1::currentHit() const {
  if (!lastHit_ || lastHit_->year != year() || lastHit_->kind != kindCode() || lastHit_->group != ComboBox2->text() ||
      lastHit_->ze != ComboBox3->text())
    return nullptr;
  return &*lastHit_;
}

// Selects the line of the code that led to the ZE (for a wildcard hit the
// line that covered it) in the ZE's OPS box, else the group's; the boxes'
// text stays as it is.
void TForm1::markHitCode() {
  if (!markPending_) return;
  markPending_ = false;
  const Hit* hit = currentHit();
  if (!hit) return;
  for (app::DetailBox* box : {RichEdit4, RichEdit3}) {
    for (int i = 0; i < box->lineCount(); ++i) {
      const std::string_view line = box->line(i);
      if (line == hit->matchedCode || line.starts_with(hit->matchedCode + " - ")) {
        box->widget()->markLine(i);
        return;
      }
    }
  }
}

std::string TForm1::statusText() const {
  app::StatusFacts facts;
  facts.year = year();
  facts.reloadedBeforeRebuild = reloadedBeforeRebuild_;
  // The year box lists the catalog's years; walking the catalog for them
  // on every keystroke would cost a pass over every line.
  if (Data.complete() && ComboBox1->find(facts.year) == -1) {
    std::vector<std::string> years = ComboBox1->items().entries();
    std::sort(years.begin(), years.end());
    facts.yearsWhenMissing = std::move(years);
  }
  if (const Hit* hit = currentHit()) {
    facts.hitCode = hit->code;
    facts.hitZe = hit->ze.empty() ? hit->group : hit->ze;
    facts.alsoTriggered = hit->alsoTriggered;
  }
  facts.hospitalZe = kindCode() == "KH" && !ComboBox3->text().empty() &&
                     !Data.linesOfZe(year(), kind(), ComboBox2->text(), ComboBox3->text()).empty();
  facts.lengthening = MaskEdit1->model().codeTypingWouldLengthen();
  return app::statusText(facts);
}
