#pragma once
// A temporary catalog folder as the current directory, a recorder in place of
// the message box and a fixed current year, for tests of the window.

#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/tform1.h"

namespace testing_support {

// Joins lines with CR LF after each, as the catalog files are written.
std::string crlf(const std::vector<std::string>& lines);

class CatalogFolder {
 public:
  CatalogFolder();
  ~CatalogFolder();
  CatalogFolder(const CatalogFolder&) = delete;
  CatalogFolder& operator=(const CatalogFolder&) = delete;

  void write(const std::string& name, const std::string& bytes) const;
  std::string read(const std::string& name) const;
  void remove(const std::string& name) const;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
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

class WindowTest : public ::testing::Test {
 protected:
  WindowTest();
  ~WindowTest() override;

  void writeFiles(const CatalogFiles& files) const;
  // Creates the window in the folder as it is, the clock on the given year.
  TForm1& open(const std::string& year = "2031");
  TForm1& openWith(const CatalogFiles& files, const std::string& year = "2031");

  std::vector<std::string> items(const app::DropDownBox& box) const { return box.items().entries(); }
  // What the widget shows, after the window has shown its controls.
  QString shownText(const app::DropDownBox& box) const;

  CatalogFolder folder;
  std::vector<Message> messages;
  std::unique_ptr<TForm1> form;
};

}  // namespace testing_support
