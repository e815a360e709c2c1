// A detail box shows exactly its lines after every sync, whether the widget
// took them whole or only the lines appended since the last sync.

#include <QWidget>
#include <functional>

#include <gtest/gtest.h>

#include "app/controls/detail_box.h"

namespace {

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
        SyncCase{"ClearedToNothing",
                 [](app::DetailBox& b) {
                   b.appendLine("old");
                   b.sync();
                   b.clear();
                 },
                 QStringLiteral("")}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
