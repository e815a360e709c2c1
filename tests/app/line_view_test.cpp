// The line view shows lines it does not copy: a line too long to read is
// cut on screen but copied whole; mouse, keyboard and a screen reader see
// the same text a plain text box would give them; a box of a million lines
// scrolls to its end.

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include "app/controls/line_view.h"
#include "app/text_codec.h"
#include "qstring_literals.h"

namespace {

using Position = app::LineView::Position;

QString u8q(const char* utf8) { return QString::fromUtf8(utf8); }

// Lines held as strings, for a view to show.
class Lines : public app::LineSource {
 public:
  int lineCount() const override { return static_cast<int>(text.size()); }
  std::string_view lineAt(int line) const override { return text[static_cast<std::size_t>(line)]; }
  std::vector<std::string> text;
};

class LineViewTest : public ::testing::Test {
 protected:
  void show(std::vector<std::string> shown) {
    lines.text = std::move(shown);
    view = std::make_unique<app::LineView>(lines, nullptr);
    view->resize(300, 120);
    view->show();
    view->linesReset();
    view->setFocus();
  }

  Lines lines;
  std::unique_ptr<app::LineView> view;
};

const std::string kLong = std::string(70000, 'a') + "\xE4nde";

TEST_F(LineViewTest, LongLineIsCutOnScreenButCopiedWhole) {
  show({"kurz", kLong, "danach"});
  const QString shown = view->shownLine(1);
  EXPECT_EQ(shown.size(), app::LineView::kShownCharacters + 1);
  EXPECT_EQ(shown.back(), QChar(0x2026));
  EXPECT_EQ(view->toPlainText(), u8q("kurz\n") + shown + u8q("\ndanach"));

  struct Case {
    const char* name;
    Position from, to;
    QString copied;
  };
  const QString whole = app::toQString(kLong);
  for (const Case& c : std::vector<Case>{
           {"everything", {0, 0}, {2, 6}, u8q("kurz\n") + whole + u8q("\ndanach")},
           {"into the cut", {1, 65530}, {1, 65537}, whole.mid(65530)},
           {"before the cut", {1, 10}, {1, 13}, u8q("aaa")},
           {"across lines", {0, 2}, {2, 2}, u8q("rz\n") + whole + u8q("\nda")},
           {"backwards", {2, 2}, {0, 2}, u8q("rz\n") + whole + u8q("\nda")}}) {
    view->setSelection(c.from, c.to);
    QTest::keyClick(view.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), c.copied) << c.name;
  }
}

TEST_F(LineViewTest, MouseAndKeyboardSelectLikeATextBox) {
  show({"Erste Zeile", "zweite Zeile mit Text"});
  QWidget* area = view->viewport();
  // A drag from the start of the first line to the start of the second.
  const int row = QFontMetrics(view->font()).lineSpacing();
  QTest::mousePress(area, Qt::LeftButton, {}, QPoint(4, 4 + row / 2));
  QTest::mouseMove(area, QPoint(4, 4 + row + row / 2));
  QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(4, 4 + row + row / 2));
  EXPECT_EQ(view->selectedText(), u8q("Erste Zeile\n"));

  QTest::mouseDClick(area, Qt::LeftButton, {}, QPoint(20, 4 + row + row / 2));
  EXPECT_EQ(view->selectedText(), u8q("zweite"));

  view->setSelection({0, 0}, {0, 0});
  QTest::keyClick(view.get(), Qt::Key_End, Qt::ShiftModifier);
  EXPECT_EQ(view->selectedText(), u8q("Erste Zeile"));
  QTest::keyClick(view.get(), Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(view.get(), Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(view->selectedText(), u8q("Erste Zeile\nz"));
  QTest::keyClick(view.get(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(view->selectedText(), view->toPlainText());
}

TEST_F(LineViewTest, ScreenReaderGetsNameTextAndSelection) {
  show({"Dialyse", "bis 4 Stunden"});
  view->setAccessibleName(u8q("ZE-Bezeichnung"));
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(view.get());
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->role(), QAccessible::EditableText);
  EXPECT_EQ(accessible->text(QAccessible::Name), u8q("ZE-Bezeichnung"));
  EXPECT_EQ(accessible->text(QAccessible::Value), u8q("Dialyse\nbis 4 Stunden"));
  EXPECT_TRUE(accessible->state().readOnly);
  QAccessibleTextInterface* text = accessible->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->characterCount(), 21);
  EXPECT_EQ(text->text(5, 12), u8q("se\nbis "));
  text->setSelection(0, 8, 11);
  EXPECT_EQ(view->selectedText(), u8q("bis"));
  int start = 0, end = 0;
  text->selection(0, &start, &end);
  EXPECT_EQ(std::pair(start, end), std::pair(8, 11));
}

// A million lines: shown at once, scrolled to the end by the keyboard, the
// last line painted there, and a wrapped long line counted by its rows.
TEST_F(LineViewTest, MillionLinesScrollToTheEnd) {
  std::vector<std::string> many(1'000'000, "8-854.2 - H\xE4modialyse");
  many.back() = "letzte Zeile";
  show(std::move(many));
  QScrollBar* bar = view->verticalScrollBar();
  EXPECT_GE(bar->maximum(), 1'000'000 - bar->pageStep());
  QTest::keyClick(view.get(), Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(bar->value(), bar->maximum());
  view->grab();
  const int row = QFontMetrics(view->font()).lineSpacing();
  const int lastRowY = view->viewport()->height() - row;
  view->setSelection({}, {});
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, QPoint(10, lastRowY));
  EXPECT_EQ(view->selectedText(), u8q("letzte"));
}

TEST_F(LineViewTest, WrappedLineScrollsByRows) {
  show({std::string(2000, 'x'), "Ende"});
  view->grab();
  QScrollBar* bar = view->verticalScrollBar();
  EXPECT_GT(bar->maximum(), 2) << "the long line takes many rows";
  QTest::keyClick(view.get(), Qt::Key_PageDown);
  EXPECT_GT(bar->value(), 0);
  QTest::keyClick(view.get(), Qt::Key_End, Qt::ControlModifier);
  view->grab();
  EXPECT_EQ(bar->value(), bar->maximum());
}

}  // namespace
