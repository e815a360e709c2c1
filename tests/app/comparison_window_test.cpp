// The year comparison window, driven as a controller would: Strg+J, the
// year and kind boxes, the filter, Enter, Strg+C and saving a workbook.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <fstream>

#include "app/comparison_model.h"
#include "app/comparison_window.h"
#include "app/workbook_file.h"
#include "fixture.h"

namespace {

using testing_support::WindowTest;

const std::vector<std::string> kTwoYears = {
    "2029;BE;ZE01;;Gruppe alt;;;;",
    "2030;BE;ZE01;;Gruppe;;;;",
    "2030;BE;ZE01;ZE01.01;Dialyse;100,00;1-1;;",
    "2030;BE;ZE01;ZE01.02;Filtration;50,00;1-2;;",
    "2030;BE;ZE01;ZE01.03;Alt;10,00;1-3;;",
    "2030;KH;ZE2030-1;;Pumpen;;;;",
    "2030;KH;ZE2030-1;ZE2030-1;Pumpe;;5-1/5-2;;",
    "2031;BE;ZE01;;Gruppe;;;;",
    "2031;BE;ZE01;ZE01.01;Dialyse;90,00;1-1;;",
    "2031;BE;ZE01;ZE01.04;Neu;20,00;1-9;;",
    "2031;BE;ZE01;ZE01.02;Filtration;50,00;1-2;;",
    "2031;KH;ZE2031-7;;Pumpen;;;;",
    "2031;KH;ZE2031-7;ZE2031-7;Pumpe;;5-1/5-2;;",
};

class ComparisonWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    app::useWorkbookProgram(QStringLiteral(TARVELO_XLSX_PROGRAM));
    openCatalog(kTwoYears);
    showWindow();
    QTest::keyClick(form.get(), Qt::Key_J, Qt::ControlModifier);
    comparison = form->findChild<app::ComparisonWindow*>(QStringLiteral("Jahresvergleich"));
    ASSERT_NE(comparison, nullptr);
    EXPECT_TRUE(comparison->isVisible());
  }
  void TearDown() override { app::chooseWorkbookFile = chosen_; }

  // Each shown row as "mark kind old>new change".
  std::vector<std::string> rows() const {
    std::vector<std::string> shown;
    const app::ComparisonModel& model = *comparison->model();
    for (int r = 0; r < model.rowCount(); ++r) {
      const QStringList& cells = model.cells(r);
      shown.push_back((model.headerData(r, Qt::Vertical, Qt::DisplayRole).toString() + QLatin1Char(' ') +
                       cells[0] + QLatin1Char(' ') + cells[1] + QLatin1Char('>') + cells[2] + QLatin1Char(' ') +
                       cells[8])
                          .toStdString());
    }
    return shown;
  }

  app::ComparisonWindow* comparison = nullptr;

 private:
  std::function<QString(QWidget*, const QString&)> chosen_ = app::chooseWorkbookFile;
};

TEST_F(ComparisonWindowTest, OpensOnTheNewestYearAndTheOneBeforeWithMarkedRowsAndASummary) {
  EXPECT_EQ(comparison->before()->currentText(), "2030");
  EXPECT_EQ(comparison->after()->currentText(), "2031");
  EXPECT_EQ(comparison->before()->count(), 3);
  EXPECT_EQ(rows(), (std::vector<std::string>{"\u25BC BE ZE01.01>ZE01.01 Betrag", "+ BE >ZE01.04 neu",
                                              " BE ZE01.02>ZE01.02 unver\u00E4ndert",
                                              "\u2212 BE ZE01.03> entfallen",
                                              " KH ZE2030-1>ZE2031-7 unver\u00E4ndert"}));
  EXPECT_EQ(comparison->summary()->text(),
            QString::fromUtf8("2 unver\u00E4ndert \u00B7 1 ge\u00E4ndert (Betrag \u25BC 1) \u00B7 1 neu \u00B7 "
                              "1 entfallen \u00B7 Summe der gepaarten bundeseinheitlichen ZE: 2030 150,00 "
                              "\u2192 2031 140,00 (-10,00)"));
}

TEST_F(ComparisonWindowTest, FilterKindAndYearsChangeTheRows) {
  QTest::mouseClick(comparison->changesOnly(), Qt::LeftButton, {}, QPoint(5, comparison->changesOnly()->height() / 2));
  ASSERT_TRUE(comparison->changesOnly()->isChecked());
  EXPECT_EQ(rows(), (std::vector<std::string>{"\u25BC BE ZE01.01>ZE01.01 Betrag", "+ BE >ZE01.04 neu",
                                              "\u2212 BE ZE01.03> entfallen"}));
  comparison->kind()->setCurrentIndex(2);  // KH
  EXPECT_TRUE(rows().empty());
  comparison->changesOnly()->setChecked(false);
  EXPECT_EQ(rows(), (std::vector<std::string>{" KH ZE2030-1>ZE2031-7 unver\u00E4ndert"}));
  comparison->kind()->setCurrentIndex(0);
  comparison->before()->setCurrentText(QStringLiteral("2029"));
  EXPECT_EQ(rows(), (std::vector<std::string>{"+ BE >ZE01.01 neu", "+ BE >ZE01.04 neu", "+ BE >ZE01.02 neu",
                                              "+ KH >ZE2031-7 neu"}));
}

TEST_F(ComparisonWindowTest, EnterShowsTheRowsZeInTheMainWindowTheOldYearsForADroppedOne) {
  struct Case {
    int row;
    std::string year, kind, group, ze;
  };
  for (const Case& c : {Case{0, "2031", "BE", "ZE01", "ZE01.01"}, Case{3, "2030", "BE", "ZE01", "ZE01.03"},
                        Case{4, "2031", "KH", "ZE2031-7", "ZE2031-7"}}) {
    comparison->table()->setFocus();
    comparison->table()->setCurrentIndex(comparison->model()->index(c.row, 0));
    QTest::keyClick(comparison->table(), Qt::Key_Return);
    EXPECT_EQ(form->ComboBox1->text(), c.year);
    EXPECT_EQ(form->RadioGroup1->kindCode(), c.kind);
    EXPECT_EQ(form->ComboBox2->text(), c.group);
    EXPECT_EQ(form->ComboBox3->text(), c.ze);
  }
  EXPECT_EQ(form->Label5->caption(), "");
  EXPECT_TRUE(messages.empty());
}

TEST_F(ComparisonWindowTest, CopyGivesTheHeaderAndTheSelectedRowsTabSeparated) {
  QTableView* table = comparison->table();
  QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(comparison->model()->index(0, 3)).center());
  QTest::keyClick(comparison->table(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(),
            QString::fromUtf8("Art\tZE alt\tZE neu\tBezeichnung\tBetrag alt\tBetrag neu\tDifferenz\tProzent\t"
                              "\u00C4nderung\tOPS hinzu\tOPS entfallen\tverglichen \u00FCber\n"
                              "BE\tZE01.01\tZE01.01\tDialyse\t100,00\t90,00\t-10,00\t-10,0\tBetrag\t\t\tKode\n"));
}

TEST_F(ComparisonWindowTest, SavesTheRowsShownAsAWorkbookOrSaysWhyNot) {
  QString proposed;
  const std::string target = folder.file("vergleich");
  app::chooseWorkbookFile = [&](QWidget*, const QString& name) {
    proposed = name;
    return QString::fromStdString(target);
  };
  QTest::mouseClick(comparison->findChild<QPushButton*>(QStringLiteral("AlsExcelSpeichern")), Qt::LeftButton);
  EXPECT_EQ(proposed, "Jahresvergleich 2030-2031.xlsx");
  std::ifstream written(target + ".xlsx", std::ios::binary);
  std::string start(2, '\0');
  written.read(start.data(), 2);
  EXPECT_EQ(start, "PK") << "the name gets the workbook's ending";
  EXPECT_TRUE(messages.empty());

  app::chooseWorkbookFile = [&](QWidget*, const QString&) {
    return QString::fromStdString(folder.file("fehlt/vergleich.xlsx"));
  };
  QTest::mouseClick(comparison->findChild<QPushButton*>(QStringLiteral("AlsExcelSpeichern")), Qt::LeftButton);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_TRUE(messages[0].text.startsWith(QString::fromUtf8("Die Excel-Datei \u201E")));
  EXPECT_TRUE(messages[0].text.contains(QString::fromUtf8("fehlt/vergleich.xlsx\u201C kann nicht geschrieben werden: ")))
      << messages[0].text.toStdString();

  // Cancelled: nothing written, nothing said.
  app::chooseWorkbookFile = [](QWidget*, const QString&) { return QString(); };
  QTest::mouseClick(comparison->findChild<QPushButton*>(QStringLiteral("AlsExcelSpeichern")), Qt::LeftButton);
  EXPECT_EQ(messages.size(), 1u);
}

TEST_F(ComparisonWindowTest, FollowsTheCatalogTheMainWindowLoads) {
  writeFiles({{"2031;BE;ZE01;;Gruppe;;;;", "2031;BE;ZE01;ZE01.01;Dialyse;90,00;1-1;;",
               "2032;BE;ZE01;;Gruppe;;;;", "2032;BE;ZE01;ZE01.01;Dialyse;95,00;1-1;;"},
              {},
              {},
              {}});
  form->runUserEvent([this] { form->Init(form.get()); });
  EXPECT_EQ(comparison->before()->currentText(), "2031");
  EXPECT_EQ(comparison->after()->currentText(), "2032");
  EXPECT_EQ(rows(), (std::vector<std::string>{"\u25B2 BE ZE01.01>ZE01.01 Betrag"}));
}

}  // namespace
