// Which changes of a control run its handler: every user edit and pick once,
// nothing that code does, and none of QComboBox's own habits.

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "fixture.h"

namespace {

using testing_support::WindowTest;
using Strings = std::vector<std::string>;

class Notifications : public WindowTest {
 protected:
  void SetUp() override {
    openWith(testing_support::smallCatalog());
    showWindow();
    form->runs.clear();
  }
  QComboBox* box(app::DropDownBox* dropDown) const { return dropDown->widget(); }
  void typeInto(app::DropDownBox* dropDown, const QString& text) const {
    box(dropDown)->setFocus();
    QTest::keyClick(box(dropDown), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box(dropDown), text);
  }
};

TEST_F(Notifications, EveryKeystrokeInTheYearBoxRunsTheGroupFillOnce) {
  typeInto(form->ComboBox1, QStringLiteral("2030"));
  EXPECT_EQ(form->runs["ZE_Gruppe_holen"], 4);
  EXPECT_EQ(form->runs["ZEs_holen"], 4);
  EXPECT_EQ(form->runs["Werte_holen"], 4);
  EXPECT_EQ(shownText(*form->ComboBox1), "2030");
  EXPECT_EQ(items(*form->ComboBox2), Strings{"ZE01"});
  EXPECT_EQ(lines(*form->RichEdit1), Strings{"Eins Stufe 1 (2030)"});
  EXPECT_EQ(form->RichEdit1->widget()->toPlainText(), "Eins Stufe 1 (2030)");
}

TEST_F(Notifications, DeletingAndPastingAreEditsToo) {
  box(form->ComboBox3)->setFocus();
  QTest::keyClick(box(form->ComboBox3), Qt::Key_End);
  QTest::keyClick(box(form->ComboBox3), Qt::Key_Backspace);
  EXPECT_EQ(form->runs["Werte_holen"], 1);
  EXPECT_EQ(form->ComboBox3->text(), "ZE01.0");
  EXPECT_TRUE(lines(*form->RichEdit1).empty());
  QApplication::clipboard()->setText(QStringLiteral("2"));
  QTest::keyClick(box(form->ComboBox3), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(form->runs["Werte_holen"], 2);
  EXPECT_EQ(lines(*form->RichEdit1), Strings{"Eins Stufe 2"});
}

TEST_F(Notifications, TypingNeitherCompletesNorSelects) {
  typeInto(form->ComboBox2, QStringLiteral("ze0"));
  EXPECT_EQ(shownText(*form->ComboBox2), "ze0");
  EXPECT_EQ(form->runs["ZEs_holen"], 3);
  QTest::keyClick(box(form->ComboBox2), Qt::Key_2);
  EXPECT_EQ(shownText(*form->ComboBox2), "ze02");
  EXPECT_EQ(form->runs["ZEs_holen"], 4);
}

TEST_F(Notifications, EnterAndLeavingTheBoxRunNothingAndKeepTheText) {
  typeInto(form->ComboBox2, QStringLiteral("ze02"));
  form->runs.clear();
  QTest::keyClick(box(form->ComboBox2), Qt::Key_Return);
  QTest::keyClick(box(form->ComboBox2), Qt::Key_Enter);
  QTest::keyClick(box(form->ComboBox2), Qt::Key_Tab);
  EXPECT_FALSE(box(form->ComboBox2)->hasFocus());
  EXPECT_TRUE(form->runs.empty());
  EXPECT_EQ(shownText(*form->ComboBox2), "ze02");
  EXPECT_EQ(box(form->ComboBox2)->count(), 2) << "Enter inserted the text";
  EXPECT_EQ(form->ComboBox2->text(), "ze02");
}

TEST_F(Notifications, ArrowKeyPickRunsTheHandlerOnceWithTheItemsText) {
  box(form->ComboBox2)->setFocus();
  QTest::keyClick(box(form->ComboBox2), Qt::Key_Down);
  EXPECT_EQ(form->runs["ZEs_holen"], 1);
  EXPECT_EQ(form->ComboBox2->text(), "ZE02");
  EXPECT_EQ(form->ComboBox3->text(), "ZE02.01");
  EXPECT_EQ(shownText(*form->ComboBox3), "ZE02.01");
}

TEST_F(Notifications, MousePickFromTheListRunsTheHandlerOnce) {
  QComboBox* groups = box(form->ComboBox2);
  groups->showPopup();
  QAbstractItemView* view = groups->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
  const QRect item = view->visualRect(view->model()->index(1, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
  EXPECT_EQ(form->runs["ZEs_holen"], 1);
  EXPECT_EQ(form->ComboBox2->text(), "ZE02");
  EXPECT_EQ(shownText(*form->ComboBox2), "ZE02");
  // Picking the same item again is a pick as well.
  groups->showPopup();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(1, 0)).center());
  EXPECT_EQ(form->runs["ZEs_holen"], 2);
}

TEST_F(Notifications, KeptTypedTextStaysWithNoItemSelected) {
  form->ComboBox2->setText("ze01");
  box(form->ComboBox1)->setFocus();
  QTest::keyClick(box(form->ComboBox1), Qt::Key_Down);  // picks 2030
  EXPECT_EQ(form->runs["ZE_Gruppe_holen"], 1);
  EXPECT_EQ(form->ComboBox2->text(), "ze01");
  EXPECT_EQ(shownText(*form->ComboBox2), "ze01");
  EXPECT_EQ(box(form->ComboBox2)->currentIndex(), -1);
  EXPECT_EQ(form->ComboBox2->selectedIndex(), -1);
}

TEST_F(Notifications, KindSelectorClickRunsTheGroupFillWithTheNewIndexInPlace) {
  auto* hospital = form->RadioGroup1->button(1);
  QTest::mouseClick(hospital, Qt::LeftButton, {}, QPoint(8, hospital->height() / 2));
  EXPECT_EQ(form->runs["ZE_Gruppe_holen"], 1);
  EXPECT_EQ(form->RadioGroup1->itemIndex(), 1);
  EXPECT_EQ(items(*form->ComboBox2), (Strings{"ZE40", "ZE02"}));
  QTest::mouseClick(hospital, Qt::LeftButton, {}, QPoint(8, hospital->height() / 2));
  EXPECT_EQ(form->runs["ZE_Gruppe_holen"], 1) << "the selected item was clicked again";
}

TEST_F(Notifications, KindSelectorByKeyboardRunsTheGroupFillOnce) {
  auto* federal = form->RadioGroup1->button(0);
  federal->setFocus();
  QTest::keyClick(federal, Qt::Key_Down);
  EXPECT_EQ(form->RadioGroup1->itemIndex(), 1);
  EXPECT_EQ(form->runs["ZE_Gruppe_holen"], 1);
  EXPECT_EQ(shownText(*form->ComboBox2), "ZE40");
  // Tab from the OPS field now lands on the selected item.
  form->MaskEdit1->setFocus();
  QTest::keyClick(form->MaskEdit1, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), form->RadioGroup1->button(1));
}

TEST_F(Notifications, KindSetByCodeRunsTheGroupFillNestedOnlyOnChange) {
  form->RadioGroup1->setItemIndex(0);
  EXPECT_TRUE(form->runs.empty());
  form->ComboBox2->setText("ZE02");
  form->ComboBox3->setText("ZE02.01");
  form->RadioGroup1->setItemIndex(1);
  EXPECT_EQ(form->runs["ZE_Gruppe_holen"], 1);
  EXPECT_EQ(form->ComboBox2->text(), "ZE02") << "the group exists under both kinds";
  EXPECT_EQ(form->ComboBox3->text(), "ZE02.09") << "the ZE does not";
}

TEST_F(Notifications, OpsFieldSetByCodeNotifiesOnlyWhenTheContentChanges) {
  form->MaskEdit1->setOpsText(" -   .  ");
  EXPECT_TRUE(form->runs.empty());
  form->MaskEdit1->setOpsText("9-   .  ");
  EXPECT_EQ(form->runs["ZE_suchen"], 1);
  form->MaskEdit1->setOpsText(" -   .  ");
  EXPECT_EQ(form->runs["ZE_suchen"], 2);
}

}  // namespace
