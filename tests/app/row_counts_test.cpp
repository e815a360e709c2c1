#include "app/controls/row_counts.h"

#include <gtest/gtest.h>

#include <numeric>
#include <random>

namespace {

// The counts agree with a plain list of rows a line: lines laid out with
// several rows in blocks far apart and next to each other, set back to one
// row, lines added after, and rows looked up on both sides of every edge.
TEST(RowCounts, AgreeWithAListOfRows) {
  app::RowCounts counts;
  std::vector<int> rows;
  std::mt19937 random(7);
  const auto check = [&](const char* step) {
    ASSERT_EQ(counts.lineCount(), static_cast<int>(rows.size())) << step;
    std::int64_t before = 0;
    for (int line = 0; line < static_cast<int>(rows.size()); ++line) {
      ASSERT_EQ(counts.rowsBefore(line), before) << step << " line " << line;
      ASSERT_EQ(counts.rowsOf(line), rows[static_cast<std::size_t>(line)]) << step << " line " << line;
      for (int row = 0; row < rows[static_cast<std::size_t>(line)]; ++row)
        ASSERT_EQ(counts.lineAt(before + row), std::make_pair(line, row)) << step << " row " << before + row;
      before += rows[static_cast<std::size_t>(line)];
    }
    ASSERT_EQ(counts.total(), before) << step;
    if (!rows.empty()) {
      ASSERT_EQ(counts.lineAt(before + 5), std::make_pair(counts.lineCount() - 1, rows.back() - 1)) << step;
    }
  };
  counts.growTo(1000);
  rows.assign(1000, 1);
  check("grown");
  for (const int line : {0, 63, 64, 65, 127, 500, 999}) {
    counts.setRows(line, line % 7 + 2);
    rows[static_cast<std::size_t>(line)] = line % 7 + 2;
  }
  check("some laid out");
  for (int i = 0; i < 300; ++i) {
    const auto line = static_cast<int>(random() % rows.size());
    const int laidOut = static_cast<int>(random() % 4) + 1;
    counts.setRows(line, laidOut);
    rows[static_cast<std::size_t>(line)] = laidOut;
  }
  check("many laid out");
  counts.growTo(1300);
  rows.resize(1300, 1);
  counts.setRows(1299, 3);
  rows.back() = 3;
  check("lines added");
  counts.clear();
  rows.clear();
  check("cleared");
  EXPECT_EQ(counts.lineAt(0), std::make_pair(0, 0));
}

}  // namespace
