// The lookup against the window's own OPS search, and the search window
// driven by keyboard as a coder would.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>

#include "app/search_results_model.h"
#include "app/search_window.h"
#include "app/text_codec.h"
#include "catalog/ops_lookup.h"
#include "fixture.h"

namespace {

using testing_support::CatalogFiles;
using testing_support::WindowTest;

// Wildcard lines, both kinds, codes of several years, a code under two ZEs.
CatalogFiles lookupCatalog() {
  return {
      {"2030;BE;ZE01;;Gruppe 2030;;;;", "2030;BE;ZE01;ZE01.01;Alt;9,00;1-100.0;;",
       "2031;BE;ZE01;;Gruppe;;;;", "2031;BE;ZE01;ZE01.01;Eins;11,00;1-100.0/5-38a.7*;;",
       "2031;BE;ZE01;ZE01.02;Zwei;12,00;1-100.0/6-001.4*;;", "2031;KH;ZE40;;Gruppe KH;;;;",
       "2031;KH;ZE40;ZE40.01;KH Eins;41,00;5-38a.70/6-001.41;;", "2031;KH;ZE41;;Gruppe KH 2;;;;",
       "2031;KH;ZE41;ZE41.01;KH Zwei;42,00;1-100.0/7-777.7;;"},
      {},
      {},
      {"1-100.0;2030;BE;ZE01;ZE01.01", "1-100.0;2031;BE;ZE01;ZE01.01", "5-38a.7*;2031;BE;ZE01;ZE01.01",
       "1-100.0;2031;BE;ZE01;ZE01.02", "6-001.4*;2031;BE;ZE01;ZE01.02", "5-38a.70;2031;KH;ZE40;ZE40.01",
       "6-001.41;2031;KH;ZE40;ZE40.01", "1-100.0;2031;KH;ZE41;ZE41.01", "7-777.7;2031;KH;ZE41;ZE41.01"},
  };
}

using LookupAgainstTheField = WindowTest;

TEST_F(LookupAgainstTheField, FirstRowIsTheZeTheFieldSelects) {
  auto& window = openWith(lookupCatalog());
  const catalog::OpsLookup lookup(window.Data);
  for (const std::string year : {"2030", "2031"}) {
    for (const std::string code : {"1-100.0", "5-38a.70", "5-38A.71", "6-001.41", "6-001.49", "7-777.7", "9-999.9"}) {
      window.ComboBox1->select(window.ComboBox1->find(year));
      window.RadioGroup1->setItemIndex(1);  // start elsewhere, so that every effect shows
      window.ComboBox2->setText("");
      window.ComboBox3->setText("");
      window.MaskEdit1->setOpsText(catalog::opsFieldText(code));
      const auto rows = lookup.lookup({code}, year);
      ASSERT_FALSE(rows.empty());
      const std::string shown = std::string(window.RadioGroup1->kindCode()) + ";" + window.ComboBox2->text() + ";" +
                                window.ComboBox3->text();
      if (rows[0].found) {
        EXPECT_EQ(shown, rows[0].kind + ";" + rows[0].group + ";" + rows[0].ze) << code << " in " << year;
      } else {
        EXPECT_EQ(shown, "KH;;") << code << " in " << year << ": the field found something the lookup did not";
      }
    }
  }
}

class SearchWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    openWith(lookupCatalog());
    showWindow();
    QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
    search = form->findChild<app::SearchWindow*>(QStringLiteral("Suche"));
    ASSERT_NE(search, nullptr);
    EXPECT_TRUE(search->isVisible());
  }
  app::SearchWindow* search = nullptr;
};

TEST_F(SearchWindowTest, TypedCodesFillTheTableAndEnterShowsTheFirstRow) {
  EXPECT_EQ(search->windowTitle(), "Suche");
  EXPECT_EQ(search->focusWidget(), search->input()) << "the input takes the focus with the window";
  EXPECT_EQ(search->input()->accessibleName(), QString::fromUtf8("OPS-Kodes oder Suchw\u00F6rter"));
  EXPECT_EQ(search->allYears()->accessibleName(), "Alle Jahre");
  EXPECT_EQ(search->table()->accessibleName(), "Ergebnisse");
  QTest::keyClicks(search->input(), QStringLiteral("5-38a.70"));
  ASSERT_EQ(search->model()->rowCount(), 2) << "every BE key before any KH key";
  EXPECT_EQ(search->model()->row(0).matchedCode, "5-38a.7*");
  EXPECT_EQ(search->model()->row(1).matchedCode, "5-38a.70");
  form->runs.clear();
  QTest::keyClick(search->input(), Qt::Key_Return);
  EXPECT_EQ(form->RadioGroup1->itemIndex(), 0);
  EXPECT_EQ(form->ComboBox2->text(), "ZE01");
  EXPECT_EQ(form->ComboBox3->text(), "ZE01.01");
  EXPECT_EQ(form->Label5->caption(), "11,00");
  EXPECT_EQ(form->runs["Werte_holen"], 3) << "year pick, group pick, ZE pick; the kind stays";
}

TEST_F(SearchWindowTest, RowPickedByArrowAndEnterAllYearsAndCopy) {
  search->allYears()->setChecked(true);
  QTest::keyClicks(search->input(), QStringLiteral("11000"));
  ASSERT_EQ(search->model()->rowCount(), 4) << "2031: two BE, one KH; 2030: one";
  QTest::keyClick(search->input(), Qt::Key_Down);
  QTest::keyClick(search->table(), Qt::Key_Down);
  QTest::keyClick(search->table(), Qt::Key_Down);
  EXPECT_EQ(search->table()->currentIndex().row(), 2);
  QTest::keyClick(search->table(), Qt::Key_Return);
  EXPECT_EQ(form->ComboBox1->text(), "2031");
  EXPECT_EQ(form->RadioGroup1->itemIndex(), 1);
  EXPECT_EQ(form->ComboBox2->text(), "ZE41");
  EXPECT_EQ(form->ComboBox3->text(), "ZE41.01");

  search->table()->selectRow(3);
  QTest::keyClick(search->table(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(),
            "Eingabe\tZuordnung\tJahr\tArt\tGruppe\tZE\tBezeichnung\tBetrag\tFundstelle\n"
            "11000\t1-100.0\t2030\tBE\tZE01\tZE01.01\tAlt\t9,00\t\n");
}

TEST_F(SearchWindowTest, ColumnsEmptyInEveryRowAreHiddenAndTheAmountFitsItsWords) {
  QTest::keyClicks(search->input(), QStringLiteral("1-100.0"));
  ASSERT_GT(search->model()->rowCount(), 0);
  EXPECT_FALSE(search->table()->isColumnHidden(app::SearchResultsModel::kEntered));
  EXPECT_TRUE(search->table()->isColumnHidden(app::SearchResultsModel::kFoundIn)) << "a code search finds by code";
  search->input()->clear();
  QTest::keyClicks(search->input(), QStringLiteral("Zwei"));
  ASSERT_GT(search->model()->rowCount(), 0);
  EXPECT_TRUE(search->table()->isColumnHidden(app::SearchResultsModel::kEntered)) << "words enter no code";
  EXPECT_FALSE(search->table()->isColumnHidden(app::SearchResultsModel::kFoundIn));
  const QFontMetrics metrics(search->table()->font());
  EXPECT_GE(search->table()->columnWidth(app::SearchResultsModel::kAmount),
            metrics.horizontalAdvance(QStringLiteral("krankenhausindividuell")));
  EXPECT_EQ(search->table()->textElideMode(), Qt::ElideMiddle);
}

TEST_F(SearchWindowTest, StrgWAndEscapeCloseItStrgQEndsTheProgram) {
  // Keys as the window system delivers them, so that shortcuts see them.
  const auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers) {
    search->show();
    search->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(search));
    search->allYears()->setFocus();
    QTest::keyClick(search->windowHandle(), key, modifiers);
  };
  press(Qt::Key_W, Qt::ControlModifier);
  EXPECT_FALSE(search->isVisible());
  press(Qt::Key_Escape, Qt::NoModifier);
  EXPECT_FALSE(search->isVisible());
  ASSERT_TRUE(form->isVisible());
  press(Qt::Key_Q, Qt::ControlModifier);
  EXPECT_FALSE(search->isVisible());
  EXPECT_FALSE(form->window()->isVisible()) << "the main window closes, which ends the program";
}

TEST_F(SearchWindowTest, UnknownCodeSaysSoInItsOwnRow) {
  QTest::keyClicks(search->input(), QStringLiteral("9-999.9 1-100.0"));
  ASSERT_EQ(search->model()->rowCount(), 4);
  EXPECT_EQ(search->model()->row(0).description, "kein Zusatzentgelt");
  EXPECT_EQ(search->model()->row(0).entered, "9-999.9");
  form->runs.clear();
  QTest::keyClick(search->input(), Qt::Key_Return);
  EXPECT_EQ(form->runs["Werte_holen"], 0) << "a row without a ZE shows nothing";
}

// A description no one can read whole is cut in the main window's box, the
// table and the pane, and copied whole from each.
TEST_F(WindowTest, UnreadablyLongDescriptionIsShownCutAndCopiedWhole) {
  const std::string description = std::string(70000, 'x') + " Ende";
  openWith({{"2031;BE;ZE01;;Gruppe;;;;", "2031;BE;ZE01;ZE01.01;" + description + ";1,00;1-100.0;;"},
            {},
            {},
            {"1-100.0;2031;BE;ZE01;ZE01.01"}});
  showWindow();
  const QString whole = app::toQString(description);
  const QString cut = whole.left(65536) + QChar(0x2026);
  EXPECT_EQ(form->RichEdit1->widget()->toPlainText(), cut);
  form->RichEdit1->widget()->selectAll();
  form->RichEdit1->widget()->copy();
  EXPECT_EQ(QApplication::clipboard()->text(), whole);

  QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
  auto* search = form->findChild<app::SearchWindow*>(QStringLiteral("Suche"));
  ASSERT_NE(search, nullptr);
  QTest::keyClicks(search->input(), QStringLiteral("1-100.0"));
  ASSERT_EQ(search->model()->rowCount(), 1);
  const QModelIndex cell = search->model()->index(0, app::SearchResultsModel::kDescription);
  EXPECT_EQ(cell.data(Qt::DisplayRole).toString(), cut);
  EXPECT_EQ(cell.data(Qt::ToolTipRole).toString(), cut);
  search->table()->selectRow(0);
  const QString paneFirstLine = search->details()->toPlainText().section(QLatin1Char('\n'), 0, 0);
  EXPECT_EQ(paneFirstLine, (QStringLiteral("ZE01.01 \u2013 ") + whole).left(65536) + QChar(0x2026));
  search->copySelectedRows();
  EXPECT_TRUE(QApplication::clipboard()->text().contains(whole));
}

}  // namespace
