// A detail box shows exactly its lines after every sync, whether the widget
// took them whole or only the lines appended since the last sync.

#include <QScrollBar>
#include <QWidget>
#include <functional>

#include <gtest/gtest.h>

#include "app/controls/detail_box.h"

namespace {

// Lines held elsewhere, as the catalog holds its text.
const std::vector<std::string> heldLines = {"r0", "r1", "r2"};
app::DetailBox::LineAt heldLine = [](std::size_t i) { return std::string_view(heldLines[i]); };

// A shown run of the first count held lines, kept as copies before its
// text changes, as before a reload.
void keepRunWhoseTextGoes(app::DetailBox& box, std::size_t count) {
  auto going = std::make_shared<std::vector<std::string>>(heldLines);
  box.appendLines(count, [going](std::size_t i) { return std::string_view((*going)[i]); });
  box.sync();
  box.keepOwnCopies();
  going->assign(count, "gone");
}

struct SyncCase {
  const char* name;
  std::function<void(app::DetailBox&)> steps;  // may call sync() in between
  QString shown;
};

class DetailBoxSync : public ::testing::TestWithParam<SyncCase> {};

TEST_P(DetailBoxSync, WidgetShowsTheLines) {
  QWidget parent;
  app::DetailBox box(&parent);
  GetParam().steps(box);
  box.sync();
  EXPECT_EQ(box.widget()->toPlainText(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DetailBoxSync,
    ::testing::Values(
        SyncCase{"AppendedAfterSync",
                 [](app::DetailBox& b) {
                   b.appendLine("a");
                   b.sync();
                   b.appendLine("b");
                   b.appendLine("c");
                 },
                 QStringLiteral("a\nb\nc")},
        SyncCase{"EmptyFirstLineKept",
                 [](app::DetailBox& b) {
                   b.appendLine("");
                   b.sync();
                   b.appendLine("x");
                 },
                 QStringLiteral("\nx")},
        SyncCase{"ShownLineReplaced",
                 [](app::DetailBox& b) {
                   b.appendLine("a");
                   b.appendLine("b");
                   b.sync();
                   b.replaceLine(0, "a - Text");
                 },
                 QStringLiteral("a - Text\nb")},
        SyncCase{"ClearedAndRefilled",
                 [](app::DetailBox& b) {
                   b.appendLine("old");
                   b.sync();
                   b.clear();
                   b.appendLine("new");
                 },
                 QStringLiteral("new")},
        SyncCase{"RunBetweenListedLines",
                 [](app::DetailBox& b) {
                   b.appendLine("a");
                   b.appendLines(3, heldLine);
                   b.appendView(heldLines[0]);
                   b.appendLines(0, heldLine);
                   b.appendLine("z");
                 },
                 QStringLiteral("a\nr0\nr1\nr2\nr0\nz")},
        SyncCase{"RunAppendedAfterSync",
                 [](app::DetailBox& b) {
                   b.appendLine("a");
                   b.sync();
                   b.appendLines(2, heldLine);
                 },
                 QStringLiteral("a\nr0\nr1")},
        SyncCase{"LineOfAShownRunReplaced",
                 [](app::DetailBox& b) {
                   b.appendLines(3, heldLine);
                   b.appendLine("b");
                   b.sync();
                   b.replaceLine(1, "x");
                   b.replaceLine(3, "y");
                 },
                 QStringLiteral("r0\nx\nr2\ny")},
        SyncCase{"RunKeptAsCopiesWhenItsTextGoes",
                 [](app::DetailBox& b) {
                   keepRunWhoseTextGoes(b, 2);
                   b.appendLine("b");
                 },
                 QStringLiteral("r0\nr1\nb")},
        SyncCase{"LineOfAKeptRunReplaced",
                 [](app::DetailBox& b) {
                   keepRunWhoseTextGoes(b, 3);
                   b.replaceLine(2, "x");
                   b.appendLines(1, heldLine);
                 },
                 QStringLiteral("r0\nr1\nx\nr0")},
        SyncCase{"ClearedToNothing",
                 [](app::DetailBox& b) {
                   b.appendLine("old");
                   b.sync();
                   b.clear();
                 },
                 QStringLiteral("")}),
    [](const auto& info) { return std::string(info.param.name); });

// The same run of lines shown again (the same ZE picked again) leaves the
// view where the user scrolled it; other lines start at the top.
TEST(DetailBox, SameRunAgainKeepsTheScrollPlace) {
  std::vector<std::string> held(1000);
  for (std::size_t i = 0; i < held.size(); ++i) held[i] = "Zeile " + std::to_string(i);
  const app::DetailBox::LineAt lineAt = [&held](std::size_t i) { return std::string_view(held[i]); };
  QWidget parent;
  app::DetailBox box(&parent);
  box.widget()->resize(200, 100);
  const auto fill = [&](std::size_t count) {
    box.clear();
    box.appendLine("Kopf");
    box.appendLines(count, lineAt);
    box.sync();
  };
  fill(1000);
  QScrollBar* scroll = box.widget()->verticalScrollBar();
  ASSERT_GT(scroll->maximum(), 50);
  scroll->setValue(50);
  fill(1000);
  EXPECT_EQ(scroll->value(), 50);
  fill(999);
  EXPECT_EQ(scroll->value(), 0);
}

}  // namespace
