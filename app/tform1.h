#pragma once
// The main window: every control, the catalog and the handlers.
//
// How a user event flows:
//   1. A widget reports the user's action (a keystroke in a box, a pick, a
//      click, an OPS field key, a shortcut).
//   2. Its wrapper (app/controls) updates its own model (text, list,
//      selection, caret) and hands the handler call to runUserEvent, the one
//      error boundary: nothing below it catches, an error ends the event and
//      is shown in the message box.
//   3. The handlers run their numbered steps on the control models and ask
//      Data (the catalog, its queries listed in catalog/catalog.h) for
//      group names, lines, texts and what a code finds; they cut no
//      strings. Changes made by code that notify (kind selector, OPS field)
//      call the next handler as a plain call, nested.
//   4. syncControls, still inside the boundary, shows every model in its
//      widget; during long runs repaintNow does so every few dozen ms.
//   5. After the event, the search window (through app::SearchHost) and the
//      menu window (onCatalogLoaded) follow a catalog that was loaded anew.
// The rebuild asks the catalog for the lines (catalog/rebuild_walk.h); a
// hit of the OPS field tells the field (rememberHit), so that a code typed
// on in full is searched whole.

#include <QElapsedTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/controls/amount_label.h"
#include "app/controls/detail_box.h"
#include "app/controls/drop_down_box.h"
#include "app/controls/kind_selector.h"
#include "app/controls/ops_field.h"
#include "catalog/catalog.h"
#include "app/search_host.h"
#include "annex/import.h"
#include "catalog/file_identity.h"

class QFrame;
class QLabel;
class QPushButton;
namespace app {
class ComparisonWindow;
class SearchWindow;
}

class TForm1 : public QWidget, public app::SearchHost {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // The handlers. Each passes its Sender on unchanged; nothing depends on it.
  virtual void Init(QObject* Sender);
  virtual void ZE_Gruppe_holen(QObject* Sender);
  virtual void ZEs_holen(QObject* Sender);
  virtual void Werte_holen(QObject* Sender);
  virtual void ZE_suchen(QObject* Sender);
  virtual void Button1Click(QObject* Sender);

  // The lines a rebuild would write now, without writing or reloading.
  std::vector<std::string> assignmentsAsRebuilt(QObject* Sender) const;
  // Whether the assignment file holds what a rebuild would write now.
  bool assignmentFileIsAsRebuilt() const;

  // Ctrl+F: the search window, created on first use.
  app::SearchWindow* showSearchWindow();
  // Ctrl+J: the year comparison, created on first use.
  app::ComparisonWindow* showComparisonWindow();
  // What the search window asks of this window.
  const catalog::Catalog& catalog() const override { return Data; }
  // Counts the loads, so that others know when to index the tables anew.
  int catalogGeneration() const override { return catalogGeneration_; }
  std::string shownYear() const override { return year(); }
  // Shows a search result as the user's picks would: year, kind, group, ZE.
  void showLookupRow(const catalog::LookupRow& row) override;

  // Ctrl+O: makes folder the current directory and runs Init as at start-up.
  // An empty folder (the dialog was cancelled) changes nothing.
  void openFolder(const QString& folder);
  // The same for a folder as the file system names it (any bytes).
  void openFolder(const QByteArray& folder);
  // Asks the user for a folder; tests replace it.
  static std::function<QString(QWidget*)> chooseFolder;
  // Asked before a rebuild writes a file that keeps fewer than half of the
  // old file's lines (the question's text given); true writes. Tests and
  // the command line replace it.
  static std::function<bool(QWidget*, const QString&)> confirmLargeDrop;
  // Writes a year imported from the annexes, loads it, rebuilds the
  // assignment file without asking before dropping lines (the import is
  // why they change) and loads again.
  void importAnnexYear(const annex::ImportPlan& plan);

  // Called after every event that loaded the catalog anew.
  void onCatalogLoaded(std::function<void()> callback) { catalogLoaded_ = std::move(callback); }
  // Called after every user event, when the controls show its result.
  void onEventShown(std::function<void()> callback) { eventShown_ = std::move(callback); }
  // What the status line under the form says now (Windows-1252).
  std::string statusText() const;

  // Runs a user-originated event: an error ends it and is shown in the
  // message box; the controls then show what the handlers left.
  void runUserEvent(const std::function<void()>& event);
  // Shows every control's current content.
  void syncControls();

  // Controls.
  QFrame* Bevel1;
  QLabel* Label1;
  app::DropDownBox* ComboBox1;
  QLabel* Label9;
  app::OpsField* MaskEdit1;
  app::KindSelector* RadioGroup1;
  QLabel* Label4;
  app::AmountLabel* Label5;
  QLabel* Label2;
  QPushButton* Button1;
  QLabel* Label63;
  app::DropDownBox* ComboBox2;
  app::DetailBox* RichEdit2;
  QLabel* Label7;
  app::DetailBox* RichEdit3;
  QLabel* Label64;
  app::DetailBox* RichEdit5;
  QLabel* Label6;
  QLabel* Label3;
  app::DropDownBox* ComboBox3;
  app::DetailBox* RichEdit1;
  QLabel* Label65;
  app::DetailBox* RichEdit4;
  QLabel* Label8;
  app::DetailBox* RichEdit6;

  // The catalog; the year list is ComboBox1's list.
  catalog::Catalog Data;


 private:
  void createControls();
  void wireHandlers();
  void setTabOrder();
  // Shows the controls at once, but at most every few dozen milliseconds, so
  // that the rebuild's thousands of steps stay visible without costing time.
  void repaintNow();

  // Werte_holen's steps over one half of the detail area.
  void showFootnotesAndCodes(const std::string& marks, app::DetailBox& footnoteBox, const std::string& opsList,
                             app::DetailBox& codeBox);
  void resolveFootnotes(const std::string& marks, app::DetailBox& box);
  void showOpsCodes(const std::string& opsList, app::DetailBox& box);
  void decorateOpsCodes(app::DetailBox& box);
  void resetOpsField();
  void showGroupLine(const catalog::Catalog::LineView& line, std::string& ops, std::string& marks);
  void showAssignment(QObject* Sender, const catalog::Catalog::AssignmentHit& hit);
  app::OpsFieldModel::ProbeResult probeLongerCode(const std::string& code) const;
  void showLongerCode(const std::string& code);


  std::string year() const { return ComboBox1->text(); }
  std::string_view kindCode() const { return RadioGroup1->kindCode(); }
  catalog::Kind kind() const { return RadioGroup1->kind(); }

  QElapsedTimer lastRepaint_;
  int catalogGeneration_ = 0;
  // The OPS field's last hit, while the choice it made is shown.
  struct Hit {
    std::string code;  // as searched
    std::string year, kind, group, ze;
    std::string matchedCode;  // the assignment line's code, a "*" form perhaps
    std::vector<std::string> alsoTriggered;
  };
  std::optional<Hit> lastHit_;
  // The catalog file as it was when last loaded.
  catalog::FileIdentity loadedCatalog_{};
  // A rebuild found the files changed since the load and loaded them again.
  bool reloadedBeforeRebuild_ = false;
  bool markPending_ = false;  // the hit's code to be marked once shown
  std::function<void()> eventShown_;
  void rememberHit(const std::string& code, int line);
  const Hit* currentHit() const;
  void markHitCode();
  app::SearchWindow* searchWindow_ = nullptr;
  app::ComparisonWindow* comparisonWindow_ = nullptr;
  std::function<void()> catalogLoaded_;
};
