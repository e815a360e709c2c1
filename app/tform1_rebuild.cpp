// The assignment rebuild: the catalog's walk over every year, kind, group
// and ZE as the window's cascade makes it from a start-up in the current
// year (catalog/rebuild_walk.h), so that the file is the same whatever the
// window shows and whoever writes it; then the save and the reload.

#include <QGuiApplication>
#include <QMessageBox>

#include "app/clock.h"
#include "app/text_codec.h"
#include "app/while_painting.h"
#include "catalog/check.h"
#include "catalog/file_reading.h"
#include "catalog/lines.h"
#include "catalog/rebuild_walk.h"

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
  // Walking, reading and comparing hundreds of thousands of lines takes a
  // while; the window paints meanwhile.
  const auto keepPainting = [this] { repaintNow(); };
  const auto collected = app::whilePainting(
      [this] { return catalog::collectRebuiltAssignments(Data, app::currentYearText()); }, keepPainting);
  const std::vector<std::string_view> lines = collected->views();
  const catalog::LinesKept kept =
      app::whilePainting([&lines] { return catalog::linesKeptOfAssignmentFile(lines); }, keepPainting);
  if (kept.dropsMost() &&
      !confirmLargeDrop(this, app::toQString(catalog::rebuildWouldDrop(kept.before - kept.kept, kept.before))))
    return;
  app::whilePainting([&lines] { catalog::saveLinesReplacing(catalog::kAssignmentFile, lines); }, keepPainting);
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

bool TForm1::assignmentFileIsAsRebuilt() const {
  return catalog::assignmentFileIsAsRebuilt(Data, app::currentYearText());
}

std::vector<std::string> TForm1::assignmentsAsRebuilt(QObject* /*Sender*/) const {
  return catalog::rebuiltAssignments(Data, app::currentYearText());
}
