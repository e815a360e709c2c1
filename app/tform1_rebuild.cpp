// The assignment rebuild: walks every year, kind, group and ZE through the
// window's own handlers, lets the detail display collect which OPS code
// triggers which group and ZE, writes the collection and reloads.

#include <QGuiApplication>
#include <QMessageBox>

#include "app/text_codec.h"
#include "app/while_painting.h"
#include "catalog/check.h"
#include "catalog/file_reading.h"
#include "catalog/lines.h"

#include "app/tform1.h"
#include "catalog/errors.h"
#include "catalog/safe_save.h"
#include "catalog/tables.h"

namespace {

// Shows the busy cursor for as long as it lives.
class BusyCursor {
 public:
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace

void TForm1::Button1Click(QObject* Sender) {
  // After a failed load the walk would find nothing and write that nothing
  // over a good file.
  if (!Data.complete())
    throw catalog::rebuildNeedsCompleteLoad();
  const catalog::SaveLock lock(catalog::kAssignmentFile);
  // Another maintainer may have changed the catalog since this window
  // loaded it (and rebuilt): the walk must see what is there now, not write
  // an older catalog's assignments over a newer file. The assignments come
  // from the catalog file alone; the other files are loaded again after the
  // save in any case.
  if (catalog::identityOf(catalog::catalogFilePath(catalog::kCatalogFile)) != loadedCatalog_) {
    Init(Sender);
    reloadedBeforeRebuild_ = true;
    if (!Data.complete()) throw catalog::rebuildNeedsCompleteLoad();
  }
  const BusyCursor busy;
  collectAssignments(Sender);
  repaintNow();
  // A catalog that loads but holds nothing usable would empty the file.
  // Reading and comparing hundreds of thousands of lines takes a while; the
  // window paints meanwhile.
  const auto keepPainting = [this] { repaintNow(); };
  const std::vector<std::string_view> lines = collected_.views();
  const auto [kept, before] = app::whilePainting(
      [&lines] {
        const catalog::FileText old = textOfAssignmentFile();
        const std::vector<std::string_view> oldLines = catalog::lineViews(old);
        return std::pair(catalog::linesKept(oldLines, lines), oldLines.size());
      },
      keepPainting);
  if (kept * 2 < before &&
      !confirmLargeDrop(this, app::toQString(catalog::rebuildWouldDrop(before - kept, before)))) {
    collected_.clear();
    return;
  }
  app::whilePainting([&lines] { catalog::saveLinesReplacing(catalog::kAssignmentFile, lines); }, keepPainting);
  collected_.clear();  // saved: the lines need not stay twice in memory
  repaintNow();
  Init(Sender);
}

namespace {

bool askBeforeDropping(QWidget* parent, const QString& question) {
  return QMessageBox::question(parent, QGuiApplication::applicationDisplayName(), question,
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

std::function<bool(QWidget*, const QString&)> TForm1::confirmLargeDrop = askBeforeDropping;

void TForm1::importAnnexYear(const annex::ImportPlan& plan) {
  annex::writeImport(plan);
  Init(this);
  if (!Data.complete()) throw catalog::rebuildNeedsCompleteLoad();
  // Importing the same annexes again changes no byte, not even the backup.
  // The comparison walks the catalog; the window then starts afresh.
  if (!plan.changesSomething() && assignmentFileIsAsRebuilt()) {
    Init(this);
    return;
  }
  struct Restore {
    std::function<bool(QWidget*, const QString&)> asked = confirmLargeDrop;
    ~Restore() { confirmLargeDrop = asked; }
  } restore;
  confirmLargeDrop = [](QWidget*, const QString&) { return true; };
  Button1Click(this);
}

catalog::FileText TForm1::textOfAssignmentFile() { return catalog::textOfAssignmentFile(); }

bool TForm1::assignmentFileIsAsRebuilt() {
  std::string rebuilt;
  for (const std::string& line : assignmentsAsRebuilt(this)) rebuilt.append(line).append("\r\n");
  return static_cast<std::string_view>(textOfAssignmentFile()) == rebuilt;
}

std::vector<std::string> TForm1::assignmentsAsRebuilt(QObject* Sender) {
  collectAssignments(Sender);
  return collected_.lines();
}

void TForm1::collectAssignments(QObject* Sender) {
  // The walk collects beside the tables, so the search keeps working on the
  // assignments loaded, whether the walk fails or ends.
  collected_.clear();
  try {
    walkCollecting(Sender);
  } catch (...) {
    RebuildMode = false;
    throw;
  }
  RebuildMode = false;
}

void TForm1::walkCollecting(QObject* Sender) {
  RebuildMode = true;
  const int years = ComboBox1->count();
  for (int y = years - 1; y >= 0; --y) {
    showItem(*ComboBox1, y);
    for (int kind : {0, 1}) {
      RadioGroup1->setItemIndex(kind);
      repaintNow();
      ZE_Gruppe_holen(Sender);
      walkGroups(Sender);
    }
  }
}

void TForm1::walkGroups(QObject* Sender) {
  const int groups = ComboBox2->count();
  for (int g = 0; g < groups; ++g) {
    showItem(*ComboBox2, g);
    ZEs_holen(Sender);
    const int zes = ComboBox3->count();
    for (int z = 0; z < zes; ++z) {
      showItem(*ComboBox3, z);
      Werte_holen(Sender);
    }
  }
}

// Sets a box's text to one of its items, selects it and shows it.
void TForm1::showItem(app::DropDownBox& box, int index) {
  box.setText(box.item(index));
  box.select(index);
  repaintNow();
}
