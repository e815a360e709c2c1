// The OPS field widget: every way of changing its text goes through the
// field's rules, and each change that shows notifies once.

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include "fixture.h"

namespace {

using testing_support::WindowTest;

class OpsFieldWidget : public WindowTest {
 protected:
  void SetUp() override {
    openWith(testing_support::smallCatalog());
    showWindow();
    field = form->MaskEdit1;
    form->runs.clear();
  }
  void focusByTab() {
    form->ComboBox1->widget()->setFocus();
    QTest::keyClick(form->ComboBox1->widget(), Qt::Key_Tab);
    ASSERT_TRUE(field->hasFocus());
  }
  app::OpsField* field = nullptr;
};

TEST_F(OpsFieldWidget, FocusByKeyboardSelectsTheWholeCode) {
  form->MaskEdit1->model().setText("5-9 9.  ");
  focusByTab();
  form->runs.clear();
  EXPECT_EQ(field->selectedText(), "5-9_9.__");
  QTest::keyClicks(field, QStringLiteral("7"));
  EXPECT_EQ(field->text(), "7-___.__");
  EXPECT_EQ(form->runs["ZE_suchen"], 2) << "emptying the selection, then typing";
}

TEST_F(OpsFieldWidget, MouseClickPutsTheCaretOnTheClickedCharacter) {
  field->model().setText("5-999.1b");
  field->sync();
  const int y = field->height() / 2;
  // Right of a character's middle the nearest cursor boundary is already the
  // next one; the click still belongs to the character under the pointer.
  for (int position = 0; position < 8; ++position) {
    int rightHalf = 0;
    while (rightHalf < field->width() && field->cursorPositionAt(QPoint(rightHalf, y)) <= position) ++rightHalf;
    QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(rightHalf, y));
    EXPECT_EQ(field->model().caret(), position) << "x " << rightHalf;
    EXPECT_EQ(field->selectedText(), field->text().mid(position, 1));
  }
  QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 3, y));
  EXPECT_EQ(field->model().caret(), 8);
}

TEST_F(OpsFieldWidget, RejectedCharactersChangeNothing) {
  focusByTab();
  QTest::keyClick(field, Qt::Key_Home);
  QTest::keyClicks(field, QStringLiteral("a _"));
  QKeyEvent notInCodePage(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u4E2D"));
  QApplication::sendEvent(field, &notInCodePage);
  EXPECT_EQ(field->text(), "_-___.__");
  EXPECT_TRUE(form->runs.empty());
}

TEST_F(OpsFieldWidget, UndoDoesNothingAndEscapeRestores) {
  focusByTab();
  QTest::keyClicks(field, QStringLiteral("12"));
  EXPECT_EQ(field->text(), "1-2__.__");
  form->runs.clear();
  QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(field->text(), "1-2__.__");
  EXPECT_TRUE(form->runs.empty());
  QTest::keyClick(field, Qt::Key_Escape);
  EXPECT_EQ(field->text(), "_-___.__");
  EXPECT_EQ(form->runs["ZE_suchen"], 1);
  form->runs.clear();
  QTest::keyClick(field, Qt::Key_Escape);
  EXPECT_TRUE(form->runs.empty());
}

TEST_F(OpsFieldWidget, CutAndCopyUseTheShownForm) {
  focusByTab();
  QTest::keyClicks(field, QStringLiteral("12"));
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "1-2__.__");
  form->runs.clear();
  QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(field->text(), "_-___.__");
  EXPECT_EQ(form->runs["ZE_suchen"], 1);
}

TEST_F(OpsFieldWidget, InputMethodCommitIsTyped) {
  focusByTab();
  QTest::keyClick(field, Qt::Key_Home);
  QInputMethodEvent commit;
  commit.setCommitString(QStringLiteral("39"));
  QApplication::sendEvent(field, &commit);
  EXPECT_EQ(field->text(), "3-9__.__");
  EXPECT_EQ(form->runs["ZE_suchen"], 2);
}

TEST_F(OpsFieldWidget, RefusesDrops) { EXPECT_FALSE(field->acceptDrops()); }

}  // namespace

namespace {

using TypedAsPrinted = testing_support::WindowTest;

TEST_F(TypedAsPrinted, CodeWithItsSeparatorsFindsItsZe) {
  openWith(testing_support::smallCatalog());
  showWindow();
  form->MaskEdit1->setFocus();
  QTest::keyClicks(form->MaskEdit1, QStringLiteral("1-102."));
  EXPECT_EQ(form->MaskEdit1->text(), "1-102.__");
  QTest::keyClicks(form->MaskEdit1, QStringLiteral("1"));
  EXPECT_EQ(form->ComboBox2->text(), "ZE01");
  EXPECT_EQ(form->ComboBox3->text(), "ZE01.02");
}

}  // namespace
