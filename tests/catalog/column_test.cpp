#include "catalog/column.h"

#include <gtest/gtest.h>

#include "catalog/errors.h"
#include "catalog/key_index.h"

namespace {

catalog::Column columnOf(std::initializer_list<const char*> entries) {
  catalog::Column column;
  for (const char* entry : entries) column.append(entry);
  return column;
}

struct FindCase {
  const char* text;
  int index;
};
class ColumnFindTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(ColumnFindTest, FindsTheFirstWholeMatchIgnoringCase) {
  const catalog::Column column =
      columnOf({"2031;BE;ZE01", "2031;be;ze01", "Stra\xDF" "e \xC4rzte", "", "a b", "2031;BE;ZE01"});
  EXPECT_EQ(column.find(GetParam().text), GetParam().index) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, ColumnFindTest,
                         ::testing::Values(FindCase{"2031;BE;ZE01", 0}, FindCase{"2031;Be;zE01", 0},
                                           FindCase{"STRASSE \xC4RZTE", -1}, FindCase{"stra\xDF" "e \xE4rzte", 2},
                                           FindCase{"", 3}, FindCase{"a  b", -1}, FindCase{"2031;BE;ZE0", -1},
                                           FindCase{"2031;BE;ZE01 ", -1}, FindCase{"a b", 4}));

TEST(Column, FindFollowsReplaceAppendAndClear) {
  catalog::Column column = columnOf({"x", "y", "x"});
  EXPECT_EQ(column.find("X"), 0);
  column.replace(0, "z");
  EXPECT_EQ(column.find("x"), 2);
  EXPECT_EQ(column.find("Z"), 0);
  column.replace(1, "x");
  EXPECT_EQ(column.find("x"), 1);
  column.append("w");
  EXPECT_EQ(column.find("W"), 3);
  column.clear();
  EXPECT_EQ(column.find("x"), -1);
  EXPECT_EQ(column.count(), 0);
  column.append("x");
  EXPECT_EQ(column.find("x"), 0);
}

TEST(Column, GetOutOfRangeNamesTheIndex) {
  const catalog::Column column = columnOf({"a"});
  EXPECT_EQ(column.get(0), "a");
  for (int index : {1, -1}) {
    try {
      (void)column.get(index);
      FAIL() << index;
    } catch (const catalog::Error& error) {
      EXPECT_EQ(std::string(error.what()),
                "Der Index der Liste \xFC" "berschreitet das Maximum (" + std::to_string(index) + ")");
    }
  }
}

TEST(ExactKeyIndex, GivesMatchesInTableOrderAndFollowsChanges) {
  catalog::Column keys = columnOf({"2031;BE;A", "2031;BE;a", "2031;KH;A", "2031;BE;A", "2031;B"});
  const catalog::ExactKeyIndex whole(keys);
  const catalog::ExactKeyIndex prefix(keys, 7);
  EXPECT_EQ(whole.indexesOf("2031;BE;A"), (std::vector<int>{0, 3}));
  EXPECT_EQ(whole.indexesOf("2031;be;a"), std::vector<int>{});
  EXPECT_EQ(prefix.indexesOf("2031;BE"), (std::vector<int>{0, 1, 3}));
  EXPECT_EQ(prefix.indexesOf("2031;B"), (std::vector<int>{4}));  // shorter entries compare whole
  keys.replace(0, "2031;KH;A");
  EXPECT_EQ(whole.indexesOf("2031;BE;A"), (std::vector<int>{3}));
  keys.clear();
  EXPECT_EQ(prefix.indexesOf("2031;BE"), std::vector<int>{});
}

}  // namespace
