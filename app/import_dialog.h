#pragma once
// "Datei > Anlagen importieren…": the maintainer names the four annexes and
// the year (taken from "OPS Version 2012" in a PDF's header when printed),
// reads them and sees the report, and confirms; the import writes the
// files, and the window rebuilds the assignment file and reloads.

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "annex/import.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace app {

class ImportDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ImportDialog(QWidget* parent);

  // The plan read and confirmed, once the dialog was accepted.
  const std::optional<annex::ImportPlan>& plan() const { return plan_; }

  // The question before writing; tests answer it.
  static std::function<bool(QWidget*, const QString&)> confirmImport;
  // The file chooser; tests name a file instead.
  static std::function<QString(QWidget*, const QString& caption)> chooseAnnex;

 private:
  void read();
  void importConfirmed();
  void forgetReading();

  std::array<QLineEdit*, 4> files_{};
  QLineEdit* year_ = nullptr;
  QPlainTextEdit* report_ = nullptr;
  QPushButton* readButton_ = nullptr;
  QPushButton* importButton_ = nullptr;
  std::optional<annex::ReadAnnexes> read_;
  std::optional<annex::ImportPlan> plan_;
};

}  // namespace app
