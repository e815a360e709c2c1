// Start-up: loading the four files, the year list, the current year and kind,
// and what a missing file leaves.

#include <QLineEdit>
#include <QTest>
#include <filesystem>

#include "catalog/tables.h"
#include "fixture.h"

namespace {

using testing_support::CatalogFiles;
using testing_support::WindowTest;

using Startup = WindowTest;
using Strings = std::vector<std::string>;

TEST_F(Startup, ShowsTheCurrentYearsFirstGroupAndZe) {
  auto& window = openWith(testing_support::smallCatalog());
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(items(*window.ComboBox1), (Strings{"2031", "2030"}));
  EXPECT_EQ(window.ComboBox1->text(), "2031");
  EXPECT_EQ(window.ComboBox1->selectedIndex(), 0);
  EXPECT_EQ(window.RadioGroup1->itemIndex(), 0);
  EXPECT_EQ(items(*window.ComboBox2), (Strings{"ZE01", "ZE02"}));
  EXPECT_EQ(window.ComboBox2->text(), "ZE01");
  EXPECT_EQ(window.ComboBox3->text(), "ZE01.01");
  EXPECT_EQ(lines(*window.RichEdit2), Strings{"Gruppe Eins"});
  EXPECT_EQ(lines(*window.RichEdit1), Strings{"Eins Stufe 1"});
  EXPECT_EQ(window.Label5->caption(), "11,00");
  EXPECT_EQ(window.MaskEdit1->opsText(), " -   .  ");
  // The widgets show the same.
  EXPECT_EQ(shownText(*window.ComboBox2), "ZE01");
  EXPECT_EQ(window.RichEdit1->widget()->toPlainText(), "Eins Stufe 1");
  EXPECT_EQ(window.Label5->widget()->text(), "11,00");
  EXPECT_EQ(window.MaskEdit1->text(), "_-___.__");
}

struct YearOrderCase {
  const char* name;
  Strings catalog;
  Strings years;
};
class YearListTest : public WindowTest, public ::testing::WithParamInterface<YearOrderCase> {};

TEST_P(YearListTest, ListsEachYearOnceByItsLastLine) {
  CatalogFiles files;
  files.catalog = GetParam().catalog;
  auto& window = openWith(files);
  EXPECT_EQ(items(*window.ComboBox1), GetParam().years);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, YearListTest,
    ::testing::Values(YearOrderCase{"Ascending", {"2030;BE;A;", "2031;BE;A;", "2032;BE;A;"}, {"2032", "2031", "2030"}},
                      YearOrderCase{"Interleaved", {"2031;BE;A;", "2030;BE;A;", "2031;BE;B;"}, {"2031", "2030"}},
                      YearOrderCase{"BlankLinesListTheEmptyYearOnce", {"2031;BE;A;", "", "x", ""}, {"", "x", "2031"}},
                      YearOrderCase{"Empty", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct MissingFileCase {
  const char* name;
  std::string file;  // as stored
  bool yearsListed;
};
class MissingFileTest : public WindowTest, public ::testing::WithParamInterface<MissingFileCase> {};

TEST_P(MissingFileTest, ShowsOneMessageAndOpensTheWindow) {
  writeFiles(testing_support::smallCatalog());
  folder.remove(GetParam().file);
  auto& window = open();
  ASSERT_EQ(messages.size(), 1U);
  EXPECT_EQ(messages[0].caption, "Tarvelo");
  EXPECT_EQ(messages[0].text,
            fileError(GetParam().file, "kann nicht ge\u00F6ffnet werden", "Datei oder Verzeichnis nicht gefunden"));
  EXPECT_EQ(items(*window.ComboBox1), GetParam().yearsListed ? (Strings{"2031", "2030"}) : Strings{});
  EXPECT_EQ(window.ComboBox1->text(), "");
  EXPECT_EQ(window.ComboBox1->selectedIndex(), -1);
  EXPECT_EQ(window.RadioGroup1->itemIndex(), 0);
  EXPECT_EQ(window.ComboBox2->count(), 0);
  EXPECT_EQ(window.ComboBox2->text(), "");
  EXPECT_EQ(window.Data.catalogTable().GroupKeys.count(), 0);
  EXPECT_TRUE(lines(*window.RichEdit1).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, MissingFileTest,
    ::testing::Values(
        MissingFileCase{"Catalog", "ZE-Katalog.csv", false}, MissingFileCase{"Footnotes", "Fu\xC3\x9Fnoten.txt", true},
        MissingFileCase{"OpsTexts", "OPS-Kodes.csv", true}, MissingFileCase{"Assignments", "OPS-Zuordnung.csv", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Startup, FindsTheFootnoteFileUnderItsWindows1252Name) {
  writeFiles(testing_support::smallCatalog());
  folder.remove("Fu\xC3\x9Fnoten.txt");
  folder.write(catalog::kFootnoteFile, "2031;BE;1;alt benannt\r\n");
  auto& window = open();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(window.Data.footnoteTable().FootnoteTexts.entries(), Strings{"alt benannt"});
}

TEST_F(Startup, CurrentYearMissingFromCatalogShowsNoGroups) {
  auto& window = openWith(testing_support::smallCatalog(), "2040");
  EXPECT_EQ(window.ComboBox1->text(), "2040");
  EXPECT_EQ(window.ComboBox1->selectedIndex(), -1);
  EXPECT_EQ(window.ComboBox2->count(), 0);
  EXPECT_EQ(window.ComboBox3->text(), "");
  EXPECT_EQ(shownText(*window.ComboBox1), "2040");
}

TEST_F(Startup, EmptyAssignmentFileIsEnough) {
  auto files = testing_support::smallCatalog();
  files.assignments.clear();
  auto& window = openWith(files);
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(window.ComboBox2->text(), "ZE01");
  EXPECT_EQ(window.Data.assignmentTable().AssignmentKeys.count(), 0);
}

TEST_F(Startup, SecondInitReloadsExactlyAndResetsYearAndKind) {
  auto& window = openWith(testing_support::smallCatalog());
  auto columns = [&window, this] {
    return std::vector<Strings>{
        window.Data.catalogTable().CatalogLines.entries(), window.Data.catalogTable().GroupKeys.entries(),
        window.Data.catalogTable().ZeCodes.entries(),      window.Data.catalogTable().Descriptions.entries(),
        window.Data.catalogTable().Amounts.entries(),      window.Data.catalogTable().OpsLists.entries(),
        window.Data.catalogTable().FootnoteRefs.entries(), window.Data.footnoteTable().FootnoteKeys.entries(),
        window.Data.footnoteTable().FootnoteTexts.entries(), window.Data.opsTextTable().OpsKeys.entries(),
        window.Data.opsTextTable().OpsTexts.entries(),     window.Data.assignmentTable().AssignmentKeys.entries(),
        window.Data.assignmentTable().AssignmentTargets.entries(), items(*window.ComboBox1)};
  };
  const auto first = columns();
  window.ComboBox1->setText("2030");
  window.RadioGroup1->setItemIndex(1);
  window.runs.clear();
  window.Init(&window);
  EXPECT_EQ(columns(), first);
  EXPECT_EQ(window.ComboBox1->text(), "2031");
  EXPECT_EQ(window.RadioGroup1->itemIndex(), 0);
  // Setting the kind back ran the cascade once on the emptied columns, then
  // the last step ran it over the full tables.
  EXPECT_EQ(window.runs["ZE_Gruppe_holen"], 2);
  EXPECT_EQ(window.ComboBox2->text(), "ZE01");
}

TEST_F(Startup, LoadsTheColumnsOfEachFile) {
  CatalogFiles files;
  files.catalog = {"2031;BE;G;;Gruppe;;A/B;1;"};
  files.footnotes = {"2031;BE;1;Text; mit Semikolon", "kurz"};
  files.opsTexts = {"2031;A;Beschreibung;mit;Semikolons", "2031;ohne"};
  files.assignments = {"A;2031;BE;G;Z", "B;2031"};
  auto& window = openWith(files);
  EXPECT_EQ(window.Data.footnoteTable().FootnoteKeys.entries(), (Strings{"2031;BE;1", "kurz"}));
  EXPECT_EQ(window.Data.footnoteTable().FootnoteTexts.entries(), (Strings{"Text; mit Semikolon", ""}));
  EXPECT_EQ(window.Data.opsTextTable().OpsKeys.entries(), (Strings{"2031;A", "2031;"}));
  EXPECT_EQ(window.Data.opsTextTable().OpsTexts.entries(), (Strings{"Beschreibung;mit;Semikolons", "ohne"}));
  EXPECT_EQ(window.Data.assignmentTable().AssignmentKeys.entries(), (Strings{"A;2031;BE", "B;"}));
  EXPECT_EQ(window.Data.assignmentTable().AssignmentTargets.entries(), (Strings{"G;Z", "2031"}));
}

}  // namespace

namespace {

using OpenFolder = testing_support::WindowTest;

TEST_F(OpenFolder, CtrlOLoadsTheChosenFolderAsAStartThere) {
  openWith(testing_support::smallCatalog());
  showWindow();
  testing_support::TemporaryFolder other;
  other.write("ZE-Katalog.csv", testing_support::crlf({"2031;BE;NEU;;Neue Gruppe;5,00;;;", "2031;BE;NEU;NEU.1;Neu;6,00;;;"}));
  other.write("Fu\xC3\x9Fnoten.txt", "");
  other.write("OPS-Kodes.csv", "");
  other.write("OPS-Zuordnung.csv", "");
  const auto chooser = TForm1::chooseFolder;
  TForm1::chooseFolder = [&other](QWidget*) { return QString::fromStdString(other.path().string()); };
  QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
  TForm1::chooseFolder = chooser;
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(std::filesystem::current_path(), other.path());
  EXPECT_EQ(items(*form->ComboBox2), std::vector<std::string>{"NEU"});
  EXPECT_EQ(form->ComboBox3->text(), "NEU.1");
  EXPECT_EQ(form->Label5->caption(), "6,00");

  // A folder without the files: the start-up message, as a start there gives.
  other.write("OPS-Kodes.csv", "");
  std::filesystem::remove(other.path() / "OPS-Kodes.csv");
  form->runUserEvent([this, &other] { form->openFolder(QString::fromStdString(other.path().string())); });
  ASSERT_EQ(messages.size(), 1U);
  EXPECT_EQ(messages[0].text, QStringLiteral("Datei OPS-Kodes.csv in %1 kann nicht ge\u00F6ffnet werden: Datei oder "
                                             "Verzeichnis nicht gefunden.")
                                  .arg(QString::fromStdString(other.path().string())));
}

}  // namespace
