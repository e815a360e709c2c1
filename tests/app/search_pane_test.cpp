// The search window as a coder keeps it open: the pane for the selected
// row, word rows, rows after the main window reloads, its remembered layout
// and cells safe for a spreadsheet.

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QScreen>
#include <QTest>

#include "annex/xlsx_table.h"
#include "app/search_results_model.h"
#include "app/workbook_file.h"
#include "app/search_window.h"
#include "fixture.h"

namespace {

using testing_support::CatalogFiles;
using testing_support::WindowTest;

CatalogFiles billingCatalog() {
  return {
      {"2031;BE;ZE01;;H\xE4modialyse;;8-854.0;1;", "2031;BE;ZE01;ZE01.01;Dialyse kurz;968,59;8-854.2;2;",
       "2031;BE;ZE01;ZE01.02;Dialyse lang;1.234,00;8-854.3;;", "2031;KH;ZE40;;Stents;;;;",
       "2031;KH;ZE40;ZE40.01;Stent klein;;5-38a.7*;3;"},
      {"2031;BE;1;Nur ab dem vollendeten 15. Lebensjahr.", "2031;BE;2;Nicht neben DRG L60.",
       "2031;KH;3;Nur abrechenbar, wenn vereinbart."},
      {"2031;8-854.0;Dialyse allgemein", "2031;8-854.2;H\xE4modialyse: Intermittierend",
       "2031;8-854.3;H\xE4modialyse: Kontinuierlich", "2031;5-38a.70;Stent in Arterie"},
      {"8-854.0;2031;BE;ZE01;ZE01.01", "8-854.2;2031;BE;ZE01;ZE01.01", "8-854.0;2031;BE;ZE01;ZE01.02",
       "8-854.3;2031;BE;ZE01;ZE01.02", "5-38a.7*;2031;KH;ZE40;ZE40.01"},
  };
}

class SearchPane : public WindowTest {
 protected:
  void SetUp() override {
    openWith(billingCatalog());
    showWindow();
    QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
    search = form->findChild<app::SearchWindow*>(QStringLiteral("Suche"));
    ASSERT_NE(search, nullptr);
  }
  // Closes the search window and the main window, and opens both anew on
  // the same folder, as the next session would.
  void reopenInNextSession() {
    search->close();
    form.reset();
    open();
    showWindow();
    QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
    search = form->findChild<app::SearchWindow*>(QStringLiteral("Suche"));
  }
  QString paneFor(const QString& input, int row = 0) {
    search->input()->setText(input);
    search->table()->setCurrentIndex(search->model()->index(row, 0));
    return search->details()->toPlainText();
  }
  app::SearchWindow* search = nullptr;
};

TEST_F(SearchPane, FederalRowShowsAmountCodeTextFootnotesAndCodes) {
  EXPECT_EQ(paneFor(QStringLiteral("88542")),
            QString::fromUtf8("ZE01.01 \u2013 Dialyse kurz\n"
                              "Gruppe ZE01 \u2013 H\u00E4modialyse\n"
                              "2031, bundeseinheitlich\n"
                              "Betrag: 968,59\n"
                              "OPS-Kode 8-854.2: H\u00E4modialyse: Intermittierend\n"
                              "\n"
                              "Fu\u00DFnoten der Gruppe:\n"
                              "  Nur ab dem vollendeten 15. Lebensjahr.\n"
                              "\n"
                              "Fu\u00DFnoten der ZE:\n"
                              "  Nicht neben DRG L60.\n"
                              "\n"
                              "OPS-Kodes der Gruppe:\n"
                              "  8-854.0 - Dialyse allgemein\n"
                              "\n"
                              "OPS-Kodes der ZE:\n"
                              "  8-854.2 - H\u00E4modialyse: Intermittierend\n"
                              "\n"
                              "In anderen Jahren:\n"
                              "  keine Entsprechung"));
  EXPECT_TRUE(search->details()->isReadOnly());
  EXPECT_TRUE(search->details()->textInteractionFlags().testFlag(Qt::TextSelectableByKeyboard));
}

TEST_F(SearchPane, HospitalRowNamesTheHospitalsAmountAndTheWildcardLine) {
  const QString pane = paneFor(QStringLiteral("5-38a.70"));
  EXPECT_TRUE(pane.startsWith(QString::fromUtf8("ZE40.01 \u2013 Stent klein\nGruppe ZE40 \u2013 Stents\n"
                                                "2031, krankenhausindividuell\nBetrag: krankenhausindividuell\n"
                                                "OPS-Kode 5-38a.70 (Zuordnung 5-38a.7*): Stent in Arterie\n")))
      << pane.toStdString();
  EXPECT_TRUE(pane.contains(QStringLiteral("Fu\u00DFnoten der ZE:\n  Nur abrechenbar, wenn vereinbart.")));
  const QModelIndex amount = search->model()->index(0, app::SearchResultsModel::kAmount);
  EXPECT_EQ(amount.data().toString(), "krankenhausindividuell");
}

TEST_F(SearchPane, OtherYearsShowTheZesAmountWhereTheComparisonPairsIt) {
  writeFiles({{"2029;KH;ZE2029-3;ZE2029-3;Stent klein;;5-38a.70/5-38a.71;;",
               "2030;BE;ZE01;ZE01.01;Dialyse kurz;900,00;8-854.2;;",
               "2030;KH;ZE2030-1;ZE2030-1;Stent klein;;5-38a.70/5-38a.71;;",
               "2031;BE;ZE01;ZE01.01;Dialyse kurz;968,59;8-854.2;;",
               "2031;KH;ZE2031-9;ZE2031-9;Stent, klein;12,00;5-38a.70/5-38a.71/5-38a.72;;",
               "2032;BE;ZE01;ZE01.02;Ganz anders;1,00;1-111.1;;"},
              {},
              {},
              {"8-854.2;2031;BE;ZE01;ZE01.01", "5-38a.70;2031;KH;ZE2031-9;ZE2031-9"}});
  form->runUserEvent([this] { form->Init(form.get()); });
  EXPECT_TRUE(paneFor(QStringLiteral("8-854.2")).endsWith(
      QString::fromUtf8("In anderen Jahren:\n  2030 ZE01.01: 900,00")))
      << search->details()->toPlainText().toStdString();
  EXPECT_TRUE(paneFor(QStringLiteral("5-38a.70")).endsWith(
      QString::fromUtf8("In anderen Jahren:\n  2029 ZE2029-3: krankenhausindividuell\n"
                        "  2030 ZE2030-1: krankenhausindividuell")))
      << search->details()->toPlainText().toStdString();
}

TEST_F(SearchPane, WordRowsSayWhereTheWordsWereFoundAndWhichCodesMatch) {
  search->input()->setText(QStringLiteral("intermittierend"));
  ASSERT_EQ(search->model()->rowCount(), 1);
  const auto found = search->model()->index(0, app::SearchResultsModel::kFoundIn).data().toString();
  EXPECT_EQ(found, "OPS-Text 8-854.2");
  EXPECT_EQ(search->model()->index(0, app::SearchResultsModel::kEntered).data().toString(), "");
  search->table()->setCurrentIndex(search->model()->index(0, 0));
  EXPECT_TRUE(search->details()->toPlainText().contains(
      QString::fromUtf8("Gefunden in: OPS-Text 8-854.2\n\nPassende OPS-Kodes:\n  8-854.2 - H\u00E4modialyse: Intermittierend\n")))
      << search->details()->toPlainText().toStdString();

  // The group's description and both ZEs' codes: one row per ZE, no group row.
  search->input()->setText(QStringLiteral("haemodialyse"));
  std::vector<std::string> rows;
  for (int r = 0; r < search->model()->rowCount(); ++r)
    rows.push_back(search->model()->row(r).ze + " " + search->model()->row(r).foundIn);
  EXPECT_EQ(rows, (std::vector<std::string>{"ZE01.01 OPS-Text 8-854.2", "ZE01.02 OPS-Text 8-854.3"}));
}

TEST_F(SearchPane, RowsFollowAReloadThatRemovedTheZeAndAFailedOne) {
  search->input()->setText(QStringLiteral("8-854.2"));
  ASSERT_EQ(search->model()->row(0).ze, "ZE01.01");
  CatalogFiles changed = billingCatalog();
  changed.catalog.erase(changed.catalog.begin() + 1);
  changed.assignments = {"8-854.0;2031;BE;ZE01;ZE01.02", "8-854.3;2031;BE;ZE01;ZE01.02"};
  writeFiles(changed);
  const auto chooser = TForm1::chooseFolder;
  TForm1::chooseFolder = [this](QWidget*) { return QString::fromStdString(folder.path().string()); };
  QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
  ASSERT_EQ(search->model()->rowCount(), 1);
  EXPECT_FALSE(search->model()->row(0).found) << "8-854.2 triggers nothing any more";
  EXPECT_EQ(search->model()->row(0).description, "kein Zusatzentgelt");

  // A folder that does not load: no rows of any catalog, and the reason.
  folder.remove(catalog::kOpsTextFile);
  QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
  TForm1::chooseFolder = chooser;
  EXPECT_EQ(search->model()->rowCount(), 0);
  EXPECT_TRUE(search->status()->text().startsWith(QString::fromUtf8("Der Katalog wurde nicht vollst\u00E4ndig geladen")))
      << search->status()->text().toStdString();
  form->runs.clear();
  QTest::keyClick(search->input(), Qt::Key_Return);
  EXPECT_EQ(form->runs["Werte_holen"], 0);
}

// A closed search window keeps nothing of the tables a reload replaced and
// searches the new ones when it is shown again.
TEST_F(SearchPane, ClosedWindowSearchesTheReloadedCatalogWhenShownAgain) {
  search->input()->setText(QStringLiteral("8-854.2"));
  ASSERT_EQ(search->model()->row(0).ze, "ZE01.01");
  search->close();
  CatalogFiles changed = billingCatalog();
  changed.assignments = {"8-854.2;2031;BE;ZE01;ZE01.02"};
  writeFiles(changed);
  const auto chooser = TForm1::chooseFolder;
  TForm1::chooseFolder = [this](QWidget*) { return QString::fromStdString(folder.path().string()); };
  QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
  TForm1::chooseFolder = chooser;
  EXPECT_EQ(search->model()->rowCount(), 0) << "rows of the replaced tables";

  QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(search->isVisible());
  ASSERT_EQ(search->model()->rowCount(), 1);
  EXPECT_EQ(search->model()->row(0).ze, "ZE01.02");
}

TEST_F(SearchPane, RemembersItsSizeAndColumnWidthsAndUsesTheWindowsFont) {
  EXPECT_EQ(search->font(), form->font());
  search->resize(700, 450);
  search->table()->horizontalHeader()->resizeSection(app::SearchResultsModel::kZe, 123);
  reopenInNextSession();
  ASSERT_NE(search, nullptr);
  EXPECT_EQ(search->size(), QSize(700, 450));
  EXPECT_EQ(search->table()->horizontalHeader()->sectionSize(app::SearchResultsModel::kZe), 123);
}

// A pasted text of many words that are not codes gives a long note of what
// was ignored; the window keeps its width, and a size stored too large for
// the screen (an earlier version let that note widen the window to 100,000
// pixels, which then made every paint slow) is fitted to it.
TEST_F(SearchPane, LongNoteKeepsTheWidthAndAStoredOversizeIsFitted) {
  search->resize(700, 500);
  QString pasted = QStringLiteral("8-854.2");
  for (int i = 0; i < 1000; ++i) pasted += QStringLiteral(" Kontrolle%1 (03.01.2031)").arg(i);
  search->input()->setText(pasted);
  QApplication::processEvents();
  EXPECT_EQ(search->width(), 700);
  EXPECT_LE(search->minimumSizeHint().width(), 700);
  EXPECT_TRUE(search->status()->text().endsWith(QStringLiteral("\u2026"))) << search->status()->text().toStdString();
  EXPECT_TRUE(search->status()->toolTip().contains(QStringLiteral("Kontrolle999"))) << search->status()->toolTip().right(200).toStdString();

  const QSize screen = search->screen()->availableGeometry().size();
  search->resize(100000, 500);
  reopenInNextSession();
  ASSERT_NE(search, nullptr);
  EXPECT_LE(search->width(), screen.width());
  EXPECT_LE(search->height(), screen.height());
}

TEST_F(SearchPane, SavesEveryRowAsAWorkbookThatReadsBackTheSame) {
  app::useWorkbookProgram(QStringLiteral(TARVELO_XLSX_PROGRAM));
  const auto chosen = app::chooseWorkbookFile;
  QString proposed;
  app::chooseWorkbookFile = [&](QWidget*, const QString& name) {
    proposed = name;
    return QString::fromStdString(folder.file("suche.xlsx"));
  };
  search->input()->setText(QStringLiteral("8-854.2 8-854.3 5-38a.70"));
  QTest::mouseClick(search->findChild<QPushButton*>(QStringLiteral("AlsExcelSpeichern")), Qt::LeftButton);
  app::chooseWorkbookFile = chosen;
  EXPECT_EQ(proposed, "Suche.xlsx");
  EXPECT_TRUE(messages.empty());
  const auto sheets = annex::readXlsxSheets(folder.read("suche.xlsx"), "suche.xlsx");
  ASSERT_EQ(sheets.size(), 1u);
  // Amounts are stored as numbers, which the reader gives in German
  // notation without the format's thousands point; empty cells at a row's
  // end are not stored.
  EXPECT_EQ(sheets[0], (annex::Grid{
                           {"Eingabe", "Zuordnung", "Jahr", "Art", "Gruppe", "ZE", "Bezeichnung", "Betrag", "Fundstelle"},
                           {"8-854.2", "8-854.2", "2031", "BE", "ZE01", "ZE01.01", "Dialyse kurz", "968,59"},
                           {"8-854.3", "8-854.3", "2031", "BE", "ZE01", "ZE01.02", "Dialyse lang", "1234"},
                           {"5-38a.70", "5-38a.7*", "2031", "KH", "ZE40", "ZE40.01", "Stent klein",
                            "krankenhausindividuell"},
                       }));
}

TEST(SpreadsheetCell, TabsAndLineBreaksBecomeSpacesAndFormulasText) {
  const std::vector<std::pair<QString, QString>> cases = {
      {QStringLiteral("a\tb\nc\r"), QStringLiteral("a b c ")}, {QStringLiteral("=SUMME(A1)"), QStringLiteral("'=SUMME(A1)")},
      {QStringLiteral("+1+A1"), QStringLiteral("'+1+A1")},     {QStringLiteral("@x"), QStringLiteral("'@x")},
      {QStringLiteral("-x"), QStringLiteral("'-x")},           {QStringLiteral("-5,00"), QStringLiteral("-5,00")},
      {QStringLiteral("+11,50"), QStringLiteral("+11,50")},    {QStringLiteral("-5+A1"), QStringLiteral("'-5+A1")},
      {QStringLiteral("+"), QStringLiteral("'+")},
      {QStringLiteral("8-854.2"), QStringLiteral("8-854.2")},  {QString(), QString()}};
  for (const auto& [cell, safe] : cases) EXPECT_EQ(app::spreadsheetCell(cell), safe) << cell.toStdString();
}

}  // namespace
