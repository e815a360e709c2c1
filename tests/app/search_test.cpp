// The OPS code search: keys tried, kind, group and ZE selected, the reset on
// a first digit, and what the window shows after each key.

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "fixture.h"

namespace {

using testing_support::WindowTest;
using Strings = std::vector<std::string>;

testing_support::CatalogFiles searchCatalog() {
  auto files = testing_support::smallCatalog();
  files.assignments = {
      "1-101.0;2031;BE;ZE01;ZE01.01",  "1-102.1;2031;bE;ZE01;ZE01.02", "4-400.0;2031;KH;ZE40;ZE40.01",
      "2-209.0;2031;KH;ZE02;ZE02.09",  "2-209.0;2031;BE;ZE02;ZE02.01", "7-777.*;2031;BE;ZE02;ZE02.01",
      "7-777.7;2031;KH;ZE40;ZE40.01",  "8-888*;2031;BE;ZE01;ZE01.02",  "9-999.9;2031;BE;ZE02",
      "6-666.6;2031;BE;ZE01;ZE01.02;X", "3-333.*3;2031;KH;ZE02;ZE02.09", "5-555.5;2030;BE;ZE01;ZE01.01",
      "4-4 4;2031;BE;ZE01;ZE01.02"};
  return files;
}

struct SearchCase {
  const char* name;
  std::string field;
  int kind;
  std::string group;
  std::string ze;
  int detailRuns;
};
class SearchTest : public WindowTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(SearchTest, SelectsWhatTheCodeTriggers) {
  openWith(searchCatalog());
  form->runs.clear();
  form->MaskEdit1->setOpsText(GetParam().field);
  EXPECT_EQ(form->RadioGroup1->itemIndex(), GetParam().kind);
  EXPECT_EQ(form->ComboBox2->text(), GetParam().group);
  EXPECT_EQ(form->ComboBox3->text(), GetParam().ze);
  EXPECT_EQ(form->runs["Werte_holen"], GetParam().detailRuns);
  EXPECT_EQ(form->MaskEdit1->opsText(), " -   .  ") << "the field is empty again after a hit";
  // The outer search and the nested one on the emptied field.
  EXPECT_EQ(form->runs["ZE_suchen"], 2);
}

INSTANTIATE_TEST_SUITE_P(
    Hits, SearchTest,
    ::testing::Values(SearchCase{"Exact", "1-101.0 ", 0, "ZE01", "ZE01.01", 2},
                      SearchCase{"LetterCaseIgnored", "1-102.1 ", 0, "ZE01", "ZE01.02", 2},
                      SearchCase{"OtherKindRebuildsGroups", "4-400.0 ", 1, "ZE40", "ZE40.01", 3},
                      SearchCase{"BothKindsFoundAsFederal", "2-209.0 ", 0, "ZE02", "ZE02.01", 2},
                      SearchCase{"FederalStarBeforeHospitalExact", "7-777.7 ", 0, "ZE02", "ZE02.01", 2},
                      SearchCase{"StarAfterFiveCharacters", "8-888.  ", 0, "ZE01", "ZE01.02", 2},
                      SearchCase{"StarAtPosition7", "3-333. 3", 1, "ZE02", "ZE02.09", 3},
                      SearchCase{"TargetWithoutZe", "9-999.9 ", 0, "ZE02", "ZE02.01", 2},
                      SearchCase{"TargetWithFurtherSemicolon", "6-666.6 ", 0, "ZE01", "ZE01.02;X", 2},
                      SearchCase{"InnerBlankKept", "4-4 4.  ", 0, "ZE01", "ZE01.02", 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, SearchMissChangesNothing) {
  openWith(searchCatalog());
  form->ComboBox3->setText("ZE01.02");
  form->ZEs_holen(form.get());
  form->runs.clear();
  for (const std::string code : {"5-555.5 ", "1-101.1 ", "1-101.  ", " -   .  "}) {
    form->MaskEdit1->setOpsText(code);
    EXPECT_EQ(form->ComboBox2->text(), "ZE01") << code;
    EXPECT_EQ(form->ComboBox3->text(), "ZE01.02") << code;
    EXPECT_EQ(form->MaskEdit1->opsText(), code);
  }
  EXPECT_EQ(form->runs["Werte_holen"], 0);
  EXPECT_EQ(form->Label5->caption(), "12,00");
}

TEST_F(WindowTest, SearchUsesTheYearTextUnchanged) {
  openWith(searchCatalog());
  form->ComboBox1->setText("2030");
  form->MaskEdit1->setOpsText("5-555.5 ");
  EXPECT_EQ(form->ComboBox3->text(), "ZE01.01");
  EXPECT_EQ(lines(*form->RichEdit1), Strings{"Eins Stufe 1 (2030)"});
}

TEST_F(WindowTest, FirstDigitBlanksTheDisplay) {
  openWith(searchCatalog());
  form->runs.clear();
  form->MaskEdit1->setOpsText("1-   .  ");
  EXPECT_EQ(form->ComboBox2->text(), "");
  EXPECT_EQ(form->ComboBox3->text(), "");
  EXPECT_EQ(form->Label5->caption(), "");
  for (auto* box : {form->RichEdit1, form->RichEdit2, form->RichEdit3, form->RichEdit4, form->RichEdit5, form->RichEdit6})
    EXPECT_TRUE(lines(*box).empty());
  EXPECT_EQ(form->MaskEdit1->opsText(), "1-   .  ");
  EXPECT_EQ(form->runs["Werte_holen"], 1);
  EXPECT_EQ(form->runs["ZE_suchen"], 1);
  EXPECT_EQ(items(*form->ComboBox2), (Strings{"ZE01", "ZE02"})) << "the list itself stays";
}

// Typing a code key by key into the real field: the first digit blanks the
// display, partial codes find nothing, the whole code selects its ZE.
TEST_F(WindowTest, TypingACodeKeyByKey) {
  openWith(searchCatalog());
  showWindow();
  form->ComboBox1->widget()->setFocus();
  QTest::keyClick(form->ComboBox1->widget(), Qt::Key_Tab);
  ASSERT_TRUE(form->MaskEdit1->hasFocus());
  struct Step {
    char key;
    QString shown;
  };
  const std::vector<Step> steps = {{'4', QStringLiteral("4-___.__")}, {'4', QStringLiteral("4-4__.__")}, {'0', QStringLiteral("4-40_.__")}, {'0', QStringLiteral("4-400.__")},
                                   {'z', QStringLiteral("4-400.z_")}, {'\b', QStringLiteral("4-400.__")}};
  for (const Step& step : steps) {
    form->runs.clear();
    if (step.key == '\b') {
      QTest::keyClick(form->MaskEdit1, Qt::Key_Backspace);
    } else {
      QTest::keyClicks(form->MaskEdit1, QString(QLatin1Char(step.key)));
    }
    EXPECT_EQ(form->MaskEdit1->text(), step.shown) << step.key;
    EXPECT_EQ(form->runs["ZE_suchen"], 1) << step.key;
    EXPECT_EQ(shownText(*form->ComboBox2), "") << step.key;
    EXPECT_EQ(form->RadioGroup1->itemIndex(), 0) << step.key;
  }
  form->runs.clear();
  QTest::keyClicks(form->MaskEdit1, QStringLiteral("0"));
  EXPECT_EQ(form->runs["Werte_holen"], 3) << "the kind changed";
  EXPECT_EQ(form->MaskEdit1->text(), "_-___.__");
  EXPECT_EQ(form->MaskEdit1->model().caret(), 0);
  EXPECT_EQ(form->RadioGroup1->itemIndex(), 1);
  EXPECT_TRUE(form->RadioGroup1->button(1)->isChecked());
  EXPECT_EQ(items(*form->ComboBox2), (Strings{"ZE40", "ZE02"}));
  EXPECT_EQ(shownText(*form->ComboBox2), "ZE40");
  EXPECT_EQ(shownText(*form->ComboBox3), "ZE40.01");
  EXPECT_EQ(form->RichEdit1->widget()->toPlainText(), "KH Leistung");
  EXPECT_EQ(form->RichEdit4->widget()->toPlainText(), "4-400.0 - Prozedur KH");
  EXPECT_EQ(form->Label5->widget()->text(), "41,00");
}

TEST_F(WindowTest, PastingACodeWithAndWithoutSeparators) {
  openWith(searchCatalog());
  showWindow();
  for (const QString& code : {QStringLiteral("4-400.0"), QStringLiteral("44000")}) {
    form->RadioGroup1->setItemIndex(0);
    form->syncControls();
    form->MaskEdit1->setFocus();
    QTest::keyClick(form->MaskEdit1, Qt::Key_Home);
    QApplication::clipboard()->setText(code);
    form->runs.clear();
    QTest::keyClick(form->MaskEdit1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->runs["ZE_suchen"], 2) << code.toStdString();
    EXPECT_EQ(form->RadioGroup1->itemIndex(), 1) << code.toStdString();
    EXPECT_EQ(shownText(*form->ComboBox3), "ZE40.01") << code.toStdString();
    EXPECT_EQ(form->MaskEdit1->text(), "_-___.__");
  }
}

}  // namespace
