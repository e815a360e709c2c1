#pragma once
// A temporary catalog folder as the current directory, a recorder in place of
// the message box and a fixed current year, for tests of the window.

#include <QString>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/tform1.h"
#include "qstring_literals.h"
#include "temporary_folder.h"

namespace testing_support {

// Joins lines with CR LF after each, as the catalog files are written.
std::string crlf(const std::vector<std::string>& lines);

// A temporary folder that is the current directory while it lives.
class CatalogFolder : public TemporaryFolder {
 public:
  CatalogFolder();
  ~CatalogFolder();

  void remove(const std::string& name) const;
  // The names of everything in the folder.
  std::set<std::string> names() const;

 private:
  std::filesystem::path previous_;
};

struct Message {
  QString caption;
  QString text;
};

// The four files of a small catalog used by many tests.
struct CatalogFiles {
  std::vector<std::string> catalog;
  std::vector<std::string> footnotes;
  std::vector<std::string> opsTexts;
  std::vector<std::string> assignments;
};
CatalogFiles smallCatalog();

// The window, counting how often each handler runs.
class CountingForm : public TForm1 {
 public:
  std::map<std::string, int> runs;
  void ZE_Gruppe_holen(QObject* sender) override { ++runs["ZE_Gruppe_holen"]; TForm1::ZE_Gruppe_holen(sender); }
  void ZEs_holen(QObject* sender) override { ++runs["ZEs_holen"]; TForm1::ZEs_holen(sender); }
  void Werte_holen(QObject* sender) override { ++runs["Werte_holen"]; TForm1::Werte_holen(sender); }
  void ZE_suchen(QObject* sender) override { ++runs["ZE_suchen"]; TForm1::ZE_suchen(sender); }
};

class WindowTest : public ::testing::Test {
 protected:
  WindowTest();
  ~WindowTest() override;

  void writeFiles(const CatalogFiles& files) const;
  // Creates the window in the folder as it is, the clock on the given year.
  CountingForm& open(const std::string& year = "2031");
  CountingForm& openWith(const CatalogFiles& files, const std::string& year = "2031");
  // A catalog file with the other three files empty.
  CountingForm& openCatalog(const std::vector<std::string>& catalog, const std::string& year = "2031");

  std::vector<std::string> items(const app::DropDownBox& box) const { return box.items().entries(); }
  // What the widget shows, after the window has shown its controls.
  QString shownText(const app::DropDownBox& box) const;
  std::vector<std::string> lines(const app::DetailBox& box) const { return box.lineTexts(); }
  // The window as a user sees it, the handlers' state shown.
  void showWindow();
  // How an error about a file of the folder is shown: "Datei NAME in
  // FOLDER WHAT: REASON." (name, what and reason in UTF-8).
  QString fileError(const std::string& name, const char* what, const char* reason) const;

  CatalogFolder folder;
  std::vector<Message> messages;
  // The rebuild's question before it drops most lines, and the answer.
  std::vector<QString> dropQuestions;
  bool writeDespiteDrop = true;
  std::unique_ptr<CountingForm> form;
};

}  // namespace testing_support
