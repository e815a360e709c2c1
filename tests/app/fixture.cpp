#include "fixture.h"

#include <QLineEdit>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "app/clock.h"
#include "app/error_display.h"
#include "catalog/tables.h"

namespace testing_support {

std::string crlf(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

CatalogFolder::CatalogFolder() : previous_(std::filesystem::current_path()) { std::filesystem::current_path(path()); }

CatalogFolder::~CatalogFolder() { std::filesystem::current_path(previous_); }

void CatalogFolder::remove(const std::string& name) const { std::filesystem::remove(path() / name); }

std::set<std::string> CatalogFolder::names() const {
  std::set<std::string> result;
  for (const auto& entry : std::filesystem::directory_iterator(path())) result.insert(entry.path().filename().string());
  return result;
}

CatalogFiles smallCatalog() {
  return {
      {
          "2030;BE;ZE01;;Gruppe Eins 2030;9,00;1-100.0;1;",
          "2030;BE;ZE01;ZE01.01;Eins Stufe 1 (2030);9,50;1-101.0;;",
          "2031;BE;ZE01;;Gruppe Eins;10,00;1-100.0/1-100.1;1;",
          "2031;BE;ZE01;ZE01.01;Eins Stufe 1;11,00;1-101.0;2;",
          "2031;BE;ZE01;ZE01.02;Eins Stufe 2;12,00;1-102.0/1-102.1;1,2;",
          "2031;BE;ZE02;;Gruppe Zwei;20,00;;;",
          "2031;BE;ZE02;ZE02.01;Zwei Stufe 1;21,00;2-200.0;;",
          "2031;KH;ZE40;;Gruppe KH;;;;",
          "2031;KH;ZE40;ZE40.01;KH Leistung;41,00;4-400.0;3;",
          "2031;KH;ZE02;;Gruppe Zwei KH;;;;",
          "2031;KH;ZE02;ZE02.09;Zwei KH;29,00;2-209.0;;",
      },
      {
          "2030;BE;1;Fu\xDFnote 1 von 2030",
          "2031;BE;1;Fu\xDFnote eins",
          "2031;BE;2;Fu\xDFnote zwei",
          "2031;KH;3;Fu\xDFnote drei",
      },
      {
          "2031;1-100.0;Gruppenprozedur A",
          "2031;1-101.0;Prozedur Stufe 1",
          "2031;1-102.0;Prozedur Stufe 2",
          "2031;4-400.0;Prozedur KH",
          "2030;1-100.0;Alte Gruppenprozedur",
      },
      {
          "1-101.0;2031;BE;ZE01;ZE01.01",
          "1-102.1;2031;BE;ZE01;ZE01.02",
          "4-400.0;2031;KH;ZE40;ZE40.01",
          "2-209.0;2031;KH;ZE02;ZE02.09",
          "1-100.0;2031;BE;ZE01;ZE01.01",
      },
  };
}

WindowTest::WindowTest() {
  app::setErrorMessageHook(
      [this](const QString& caption, const QString& text) { messages.push_back({caption, text}); });
  TForm1::confirmLargeDrop = [this](QWidget*, const QString& question) {
    dropQuestions.push_back(question);
    return writeDespiteDrop;
  };
}

WindowTest::~WindowTest() {
  form.reset();
  app::setErrorMessageHook({});
  TForm1::confirmLargeDrop = [](QWidget*, const QString&) { return true; };
  app::setCurrentYearForTesting(std::nullopt);
}

void WindowTest::writeFiles(const CatalogFiles& files) const {
  folder.write(catalog::kCatalogFile, crlf(files.catalog));
  folder.write("Fu\xC3\x9Fnoten.txt", crlf(files.footnotes));
  folder.write(catalog::kOpsTextFile, crlf(files.opsTexts));
  folder.write(catalog::kAssignmentFile, crlf(files.assignments));
}

CountingForm& WindowTest::open(const std::string& year) {
  app::setCurrentYearForTesting(year);
  form = std::make_unique<CountingForm>();
  return *form;
}

CountingForm& WindowTest::openWith(const CatalogFiles& files, const std::string& year) {
  writeFiles(files);
  return open(year);
}

CountingForm& WindowTest::openCatalog(const std::vector<std::string>& catalog, const std::string& year) {
  CatalogFiles files;
  files.catalog = catalog;
  return openWith(files, year);
}

void WindowTest::showWindow() {
  form->show();
  form->activateWindow();
  if (!QTest::qWaitForWindowActive(form.get())) ADD_FAILURE() << "window not active";
}

QString WindowTest::fileError(const std::string& name, const char* what, const char* reason) const {
  return QStringLiteral("Datei %1 in %2 %3: %4.")
      .arg(QString::fromStdString(name), QString::fromStdString(folder.path().string()), QString::fromUtf8(what),
           QString::fromUtf8(reason));
}

QString WindowTest::shownText(const app::DropDownBox& box) const { return box.widget()->lineEdit()->text(); }

}  // namespace testing_support
