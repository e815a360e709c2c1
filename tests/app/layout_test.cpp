// The window as laid out: caption, positions, names for screen readers, tab
// order and the focus at opening.

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "app/text_codec.h"

#include "fixture.h"

namespace {

using testing_support::WindowTest;
using Layout = WindowTest;

struct Placement {
  const char* name;
  QRect geometry;
  const char* accessibleName;
};

TEST_F(Layout, ControlsStandWhereTheLayoutPutsThem) {
  openWith(testing_support::smallCatalog());
  EXPECT_EQ(form->windowTitle(), "Tarvelo");
  const std::vector<Placement> placements = {
      {"ComboBox1", {16, 34, 60, 24}, "Jahr"},
      {"MaskEdit1", {88, 34, 73, 24}, "OPS-Ziffer"},
      {"RadioGroup1", {200, 16, 297, 57}, "Zusatzentgelt"},
      {"ComboBox2", {16, 98, 180, 37}, "ZE-Gruppe"},
      {"RichEdit2", {200, 98, 569, 37}, "ZE-Gruppenbezeichnung"},
      {"RichEdit3", {16, 152, 753, 58}, "ausl\u00F6sende OPS-Ziffer(n) der ZE-Gruppe"},
      {"RichEdit5", {16, 232, 753, 41}, "Fu\u00DFnote ZE-Katalog der ZE-Gruppe"},
      {"ComboBox3", {16, 306, 180, 37}, "ZE"},
      {"RichEdit1", {200, 306, 569, 37}, "ZE-Bezeichnung"},
      {"RichEdit4", {16, 360, 753, 58}, "ausl\u00F6sende OPS-Ziffer(n) des ZE"},
      {"RichEdit6", {16, 440, 753, 41}, "Fu\u00DFnote ZE-Katalog des ZE"},
  };
  for (const Placement& placement : placements) {
    auto* widget = form->findChild<QWidget*>(QString::fromLatin1(placement.name));
    ASSERT_NE(widget, nullptr) << placement.name;
    EXPECT_EQ(widget->geometry(), placement.geometry) << placement.name;
    EXPECT_EQ(widget->accessibleName(), QString::fromUtf8(placement.accessibleName)) << placement.name;
  }
  auto* amount = form->findChild<QLabel*>(QStringLiteral("Label5"));
  EXPECT_EQ(amount->geometry().right() + 1, 769);
  EXPECT_EQ(amount->text(), "11,00");
  EXPECT_EQ(amount->accessibleDescription(), "Betrag");
  auto* betrag = form->findChild<QLabel*>(QStringLiteral("Label4"));
  EXPECT_EQ(betrag->geometry().right() + 1, 772);
  auto* button = form->findChild<QPushButton*>(QStringLiteral("Button1"));
  EXPECT_EQ(button->text(), "OPS-Match");
  EXPECT_FALSE(button->isVisibleTo(form.get()));
}

TEST_F(Layout, LabelsAreTheBuddiesOfTheirControls) {
  openWith(testing_support::smallCatalog());
  const std::vector<std::pair<const char*, const char*>> buddies = {
      {"Label1", "ComboBox1"}, {"Label9", "MaskEdit1"}, {"Label2", "ComboBox2"}, {"Label63", "RichEdit2"},
      {"Label7", "RichEdit3"}, {"Label64", "RichEdit5"}, {"Label6", "ComboBox3"}, {"Label3", "RichEdit1"},
      {"Label65", "RichEdit4"}, {"Label8", "RichEdit6"}};
  for (const auto& [label, control] : buddies)
    EXPECT_EQ(form->findChild<QLabel*>(QString::fromLatin1(label))->buddy(), form->findChild<QWidget*>(QString::fromLatin1(control))) << label;
}

TEST_F(Layout, LongAmountGrowsToTheLeft) {
  openCatalog({"2031;BE;G;Z;D;123.456.789,00 Euro;"});
  auto* amount = form->findChild<QLabel*>(QStringLiteral("Label5"));
  EXPECT_EQ(amount->geometry().right() + 1, 769);
  EXPECT_LT(amount->geometry().left(), 500);
}

TEST_F(Layout, YearBoxHasTheFocusAndTabWalksTheControlsInOrder) {
  openWith(testing_support::smallCatalog());
  showWindow();
  EXPECT_TRUE(form->ComboBox1->widget()->hasFocus());
  const std::vector<QWidget*> order = {
      form->MaskEdit1,           form->RadioGroup1->button(0), form->ComboBox2->widget(), form->ComboBox3->widget(),
      form->RichEdit2->widget(), form->RichEdit1->widget(),     form->RichEdit3->widget(), form->RichEdit4->widget(),
      form->RichEdit5->widget(), form->RichEdit6->widget()};
  for (QWidget* expected : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
  }
}

TEST_F(Layout, ResizingMovesNothing) {
  openWith(testing_support::smallCatalog());
  const QRect before = form->ComboBox3->widget()->geometry();
  form->resize(1200, 900);
  EXPECT_EQ(form->ComboBox3->widget()->geometry(), before);
}

}  // namespace

namespace {

using Desktop = testing_support::WindowTest;

TEST_F(Desktop, WindowCannotBeResized) {
  openWith(testing_support::smallCatalog());
  EXPECT_EQ(form->minimumSize(), QSize(792, 492));
  EXPECT_EQ(form->maximumSize(), QSize(792, 492));
}

TEST_F(Desktop, OpsFieldShowsItsSelectedPositionOnlyWithTheFocus) {
  openWith(testing_support::smallCatalog());
  showWindow();
  ASSERT_TRUE(form->ComboBox1->widget()->hasFocus());
  EXPECT_FALSE(form->MaskEdit1->hasSelectedText()) << "unfocused at opening";
  QTest::keyClick(form->ComboBox1->widget(), Qt::Key_Tab);
  ASSERT_TRUE(form->MaskEdit1->hasFocus());
  EXPECT_EQ(form->MaskEdit1->selectedText(), "_-___.__");
  QTest::keyClick(form->MaskEdit1, Qt::Key_Tab);
  EXPECT_FALSE(form->MaskEdit1->hasSelectedText()) << "after leaving it";
  // The caret is kept while the field is unfocused.
  EXPECT_EQ(form->MaskEdit1->model().selectionEnd(), 8);
}

const std::string kLongDescription =
    "Eine sehr lange Beschreibung, die in zwei Zeilen des Feldes nicht passt: erste Zeile mit vielen "
    "W\xF6rtern, zweite Zeile mit noch mehr W\xF6rtern und Angaben, dritte Zeile mit dem Rest, den niemand "
    "lesen k\xF6nnte, vierte Zeile mit der Bedingung am Ende, die wichtig ist.";

TEST_F(Desktop, DescriptionThatDoesNotFitIsReadableAsTooltipAndByScrolling) {
  openCatalog({"2031;BE;G;;Kurz;;;;", "2031;BE;G;Z;" + kLongDescription + ";1,00;;;"});
  showWindow();
  app::LineView* ze = form->RichEdit1->widget();
  EXPECT_EQ(form->RichEdit1->fullTextTip(), app::toQString(kLongDescription));
  EXPECT_EQ(form->RichEdit2->fullTextTip(), QString()) << "a text that fits needs no tooltip";
  EXPECT_EQ(ze->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

  const auto wheelDown = [ze] {
    QWheelEvent wheel(QPointF(10, 10), ze->viewport()->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(ze->viewport(), &wheel);
  };
  wheelDown();
  EXPECT_EQ(ze->verticalScrollBar()->value(), 0) << "the wheel leaves an unfocused box alone";
  ze->setFocus();
  wheelDown();
  EXPECT_GT(ze->verticalScrollBar()->value(), 0);
  ze->verticalScrollBar()->setValue(0);
  QTest::keyClick(ze, Qt::Key_PageDown);
  EXPECT_GT(ze->verticalScrollBar()->value(), 0) << "the keyboard scrolls it";
}

}  // namespace
