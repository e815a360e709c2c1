// A catalog file with one year's lines replaced, every other byte kept.

#include <gtest/gtest.h>

#include "annex/year_replacement.h"

namespace {

TEST(YearReplacement, TheNewLinesStandWhereTheYearsFirstLineStood) {
  struct Case {
    std::string name, old, expected;
    std::size_t removed;
  };
  const std::vector<Case> cases = {
      {"into an empty file", "", "2012;a\r\n2012;b\r\n", 0},
      {"year in the middle, LF ends kept", "2011;x\n2012;old\n2013;y\n", "2011;x\n2012;a\r\n2012;b\r\n2013;y\n", 1},
      {"year split in two", "2012;o1\r\n2011;x\r\n2012;o2\r\n", "2012;a\r\n2012;b\r\n2011;x\r\n", 2},
      {"year missing: at the end", "2011;x\r\n2013;y", "2011;x\r\n2013;y\r\n2012;a\r\n2012;b\r\n", 0},
      {"CR ends and a year that only starts alike", "20121;x\r2012;o\r", "20121;x\r2012;a\r\n2012;b\r\n", 1},
  };
  for (const Case& each : cases) {
    const annex::Replacement result = annex::replaceYearLines(each.old, "2012", {"2012;a", "2012;b"});
    EXPECT_EQ(result.text, each.expected) << each.name;
    EXPECT_EQ(result.removed, each.removed) << each.name;
  }
}

TEST(YearReplacement, NoNewLinesRemovesTheYear) {
  EXPECT_EQ(annex::replaceYearLines("2011;x\r\n2012;o\r\n2013;y\r\n", "2012", {}).text, "2011;x\r\n2013;y\r\n");
}

}  // namespace
