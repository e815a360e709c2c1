// The group list and the ZE list: what each lists, which text it keeps, and
// that each level runs the next one once.

#include <QLineEdit>
#include <QTest>

#include "fixture.h"

namespace {

using testing_support::WindowTest;
using Strings = std::vector<std::string>;

using Cascade = WindowTest;

TEST_F(Cascade, GroupListIsDistinctIgnoringCaseInCatalogOrder) {
  auto& window = openCatalog({"2031;BE;b;;;", "2031;KH;K;;;", "2030;BE;Z;;;", "2031;BE;A;;;", "2031;BE;B;x;;",
                              "2031;BE;a;y;;", "2031;BE;C", "2031;BEX;D;;", "2031;be;E;;"});
  // "2031;BE;C" has no ";" after the group: its key is "2031;BE;", listed as
  // the empty name; "2031;BEX" differs in its first seven characters.
  EXPECT_EQ(items(*window.ComboBox2), (Strings{"b", "A", ""}));
  // Start-up leaves the group text empty, and the empty text finds the
  // empty name: it is kept, with no item selected.
  EXPECT_EQ(window.ComboBox2->text(), "");
  EXPECT_EQ(window.ComboBox2->selectedIndex(), -1);
  window.ComboBox2->setText("B");
  window.ZE_Gruppe_holen(&window);
  EXPECT_EQ(window.ComboBox2->text(), "B");
  EXPECT_EQ(items(*window.ComboBox3), Strings{"x"});
}

TEST_F(Cascade, EachLevelRunsTheNextOnce) {
  auto& window = openWith(testing_support::smallCatalog());
  window.runs.clear();
  window.ZE_Gruppe_holen(&window);
  EXPECT_EQ(window.runs, (std::map<std::string, int>{{"ZE_Gruppe_holen", 1}, {"ZEs_holen", 1}, {"Werte_holen", 1}}));
}

struct YearTextCase {
  const char* name;
  std::string year;
};
class PartialYearTest : public WindowTest, public ::testing::WithParamInterface<YearTextCase> {};

TEST_P(PartialYearTest, YieldsEmptyListsAndStillRunsTheDetails) {
  auto& window = openWith(testing_support::smallCatalog());
  window.runs.clear();
  window.ComboBox1->setText(GetParam().year);
  window.ZE_Gruppe_holen(&window);
  EXPECT_EQ(window.ComboBox2->count(), 0);
  EXPECT_EQ(window.ComboBox2->text(), "");
  EXPECT_EQ(window.ComboBox3->count(), 0);
  EXPECT_EQ(window.ComboBox3->text(), "");
  EXPECT_EQ(window.runs["Werte_holen"], 1);
  EXPECT_TRUE(lines(*window.RichEdit2).empty());
  EXPECT_TRUE(lines(*window.RichEdit1).empty());
}

INSTANTIATE_TEST_SUITE_P(Years, PartialYearTest,
                         ::testing::Values(YearTextCase{"Partial", "203"}, YearTextCase{"Longer", "20310"},
                                           YearTextCase{"Missing", "2040"}, YearTextCase{"Empty", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Cascade, YearBearingGroupAndZeFollowIntoTheNewYear) {
  auto& window = openCatalog({"2008;BE;ZE2008-01;;G08;", "2008;BE;ZE2008-01;ZE2008-01.2;Z08;",
                              "2008;BE;ZE2008-01;ZE2008-01.1;Z08;", "2009;BE;ZE0;;;", "2009;BE;ZE2009-01;;G09;",
                              "2009;BE;ZE2009-01;ZE2009-01.1;Z09a;", "2009;BE;ZE2009-01;ZE2009-01.2;Z09b;",
                              "2020;BE;ZE2020-01;;G20;", "2021;BE;ZE0;;;", "2021;BE;ZE2021-01;;G21;"},
                             "2008");
  window.ComboBox3->setText("ZE2008-01.2");
  window.ZEs_holen(&window);
  window.ComboBox1->setText("2009");
  window.ZE_Gruppe_holen(&window);
  EXPECT_EQ(window.ComboBox2->text(), "ZE2009-01");
  EXPECT_EQ(window.ComboBox2->selectedIndex(), -1);
  EXPECT_EQ(window.ComboBox3->text(), "ZE2009-01.2");
  EXPECT_EQ(lines(*window.RichEdit1), Strings{"Z09b"});
  // Names of years from 2020 on are not carried over.
  window.ComboBox1->setText("2020");
  window.ZE_Gruppe_holen(&window);
  window.ComboBox1->setText("2021");
  window.ZE_Gruppe_holen(&window);
  EXPECT_EQ(window.ComboBox2->text(), "ZE0");
}

TEST_F(Cascade, GroupTypedInAnotherCaseIsKeptButListsNoZes) {
  auto& window = openWith(testing_support::smallCatalog());
  window.ComboBox2->setText("ze02");
  window.ZE_Gruppe_holen(&window);
  EXPECT_EQ(window.ComboBox2->text(), "ze02");
  EXPECT_EQ(window.ComboBox3->count(), 0);
  // The group line is found ignoring case, the ZE walk compares exactly.
  EXPECT_EQ(lines(*window.RichEdit2), Strings{"Gruppe Zwei"});
  EXPECT_TRUE(lines(*window.RichEdit1).empty());
}

TEST_F(Cascade, ZeListKeepsRepeatsAndSkipsEmptyAndSingleBlankCodes) {
  auto& window = openCatalog({"2031;BE;G;;Gruppe;", "2031;BE;G;Z2;a;", "2031;BE;G; ;b;", "2031;BE;G;  ;c;",
                              "2031;BE;G; x;d;", "2031;BE;G;Z2;e;", "2031;BE;g;Z9;f;", "2031;BE;G;Z1;g;"});
  EXPECT_EQ(items(*window.ComboBox3), (Strings{"Z2", "  ", " x", "Z2", "Z1"}));
  EXPECT_EQ(window.ComboBox3->text(), "Z2");
  EXPECT_EQ(lines(*window.RichEdit1), (Strings{"a", "e"}));
}

TEST_F(Cascade, ZeTypedInAnotherCaseIsKeptAsTyped) {
  auto& window = openWith(testing_support::smallCatalog());
  window.ComboBox3->setText("ze01.02");
  window.ZEs_holen(&window);
  EXPECT_EQ(window.ComboBox3->text(), "ze01.02");
  EXPECT_EQ(window.ComboBox3->selectedIndex(), -1);
  EXPECT_TRUE(lines(*window.RichEdit1).empty()) << "the walk compares the ZE exactly";
}

TEST_F(Cascade, ChangingTheGroupKeepsTheZeOnlyWhenListed) {
  auto& window = openCatalog({"2031;BE;A;Z1;a1;", "2031;BE;A;Z2;a2;", "2031;BE;B;Z3;b3;", "2031;BE;B;Z2;b2;"});
  window.ComboBox3->setText("Z2");
  window.ComboBox2->setText("B");
  window.ZEs_holen(&window);
  EXPECT_EQ(window.ComboBox3->text(), "Z2");
  window.ComboBox2->setText("A");
  window.ComboBox3->setText("Z3");
  window.ZEs_holen(&window);
  EXPECT_EQ(window.ComboBox3->text(), "Z1");
  EXPECT_EQ(window.ComboBox3->selectedIndex(), 0);
}

TEST_F(Cascade, KindOtherThanFirstIsHospitalSpecific) {
  auto& window = openWith(testing_support::smallCatalog());
  window.RadioGroup1->setItemIndex(1);
  EXPECT_EQ(items(*window.ComboBox2), (Strings{"ZE40", "ZE02"}));
  EXPECT_EQ(window.ComboBox3->text(), "ZE40.01");
  EXPECT_EQ(lines(*window.RichEdit4), Strings{"4-400.0 - Prozedur KH"});
  EXPECT_EQ(lines(*window.RichEdit6), Strings{"Fu\xDFnote drei"});
}

// Typing a group name key by key: the ZE list stays empty until the whole
// name stands in the box.
TEST_F(Cascade, TypingAGroupNameKeyByKey) {
  openWith(testing_support::smallCatalog());
  showWindow();
  QComboBox* groups = form->ComboBox2->widget();
  groups->setFocus();
  QTest::keyClick(groups, Qt::Key_A, Qt::ControlModifier);
  struct Step {
    char key;
    Strings zes;
    Strings details;
  };
  const std::vector<Step> steps = {
      {'Z', {}, {}}, {'E', {}, {}}, {'0', {}, {}}, {'2', {"ZE02.01"}, {"Zwei Stufe 1"}}};
  for (const Step& step : steps) {
    form->runs.clear();
    QTest::keyClick(groups, step.key);
    EXPECT_EQ(form->runs["ZEs_holen"], 1) << step.key;
    EXPECT_EQ(items(*form->ComboBox3), step.zes) << step.key;
    EXPECT_EQ(lines(*form->RichEdit1), step.details) << step.key;
  }
  EXPECT_EQ(shownText(*form->ComboBox3), "ZE02.01");
  EXPECT_EQ(form->Label5->widget()->text(), "21,00");
  EXPECT_EQ(form->RichEdit4->widget()->toPlainText(), "2-200.0");
}

}  // namespace
