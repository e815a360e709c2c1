#include "catalog/column.h"

#include <gtest/gtest.h>

#include "temporary_folder.h"

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
                                           FindCase{"2031;BE;ZE01 ", -1}, FindCase{"a b", 4}),
    [](const auto& info) { return testing_support::caseName(info.index, std::string(info.param.text)); });

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
    EXPECT_TRUE(testing_support::failsWith([&] { (void)column.get(index); },
                                           "Der Index der Liste \xFC" "berschreitet das Maximum (" +
                                               std::to_string(index) + ")"));
  }
}

std::vector<std::uint32_t> indexes(catalog::EntryNumbers found) { return {found.begin(), found.end()}; }

TEST(ExactKeyIndex, GivesMatchesInTableOrderAndFollowsChanges) {
  catalog::Column keys = columnOf({"2031;BE;A", "2031;BE;a", "2031;KH;A", "2031;BE;A", "2031;B"});
  const catalog::ExactKeyIndex whole(keys);
  const catalog::ExactKeyIndex prefix(keys, 7);
  EXPECT_EQ(indexes(whole.indexesOf("2031;BE;A")), (std::vector<std::uint32_t>{0, 3}));
  EXPECT_EQ(indexes(whole.indexesOf("2031;be;a")), std::vector<std::uint32_t>{});
  EXPECT_EQ(indexes(prefix.indexesOf("2031;BE")), (std::vector<std::uint32_t>{0, 1, 3}));
  EXPECT_EQ(indexes(prefix.indexesOf("2031;B")), (std::vector<std::uint32_t>{4}));  // shorter entries compare whole
  keys.replace(0, "2031;KH;A");
  EXPECT_EQ(indexes(whole.indexesOf("2031;BE;A")), (std::vector<std::uint32_t>{3}));
  keys.clear();
  EXPECT_EQ(indexes(prefix.indexesOf("2031;BE")), std::vector<std::uint32_t>{});
}

// A column in key order, as a grouped catalog is, needs no array of numbers;
// the answers are the same, and a change out of order is followed.
TEST(ExactKeyIndex, ColumnInKeyOrderAnswersAlike) {
  catalog::Column keys = columnOf({"2031;BE;A", "2031;BE;A", "2031;BE;B", "2031;KH;A", "2031;KH;A"});
  const catalog::ExactKeyIndex whole(keys);
  const catalog::ExactKeyIndex prefix(keys, 7);
  const catalog::ExactPairIndex pairs(whole, keys);
  EXPECT_EQ(indexes(whole.indexesOf("2031;BE;A")), (std::vector<std::uint32_t>{0, 1}));
  EXPECT_EQ(indexes(whole.indexesOf("2031;KH;A")), (std::vector<std::uint32_t>{3, 4}));
  EXPECT_EQ(indexes(whole.indexesOf("2031;BE;C")), std::vector<std::uint32_t>{});
  EXPECT_EQ(indexes(whole.indexesOf("2031;ZZ;Z")), std::vector<std::uint32_t>{});
  EXPECT_EQ(indexes(prefix.indexesOf("2031;BE")), (std::vector<std::uint32_t>{0, 1, 2}));
  EXPECT_EQ(indexes(pairs.indexesOf("2031;BE;B", "2031;BE;B")), (std::vector<std::uint32_t>{2}));
  keys.append("2031;BE;A");
  EXPECT_EQ(indexes(whole.indexesOf("2031;BE;A")), (std::vector<std::uint32_t>{0, 1, 5}));
  EXPECT_EQ(indexes(pairs.indexesOf("2031;BE;A", "2031;BE;A")), (std::vector<std::uint32_t>{0, 1, 5}));
}

}  // namespace

namespace {

TEST(Column, LoadedPiecesAppendedEntriesAndTheIndexAgree) {
  auto buffer = std::make_shared<const catalog::FileText>(std::string_view("A;b;\xC4" "rger;a"));
  catalog::Column column;
  column.assign(buffer, {{0, 1}, {2, 1}, {4, 5}, {10, 1}});
  column.buildIndex();
  EXPECT_EQ(column.get(2), "\xC4rger");
  EXPECT_EQ(column.find("a"), 0) << "the first of two entries equal but for case";
  EXPECT_EQ(column.find("\xE4RGER"), 2);
  const std::string_view kept = column.get(2);
  // Enough appends to grow the index several times; each is found at once.
  for (int i = 0; i < 1000; ++i) {
    column.append("entry " + std::to_string(i));
    ASSERT_EQ(column.find("ENTRY " + std::to_string(i)), 4 + i);
  }
  EXPECT_EQ(kept, "\xC4rger") << "views of earlier entries stay valid";
  EXPECT_EQ(column.find("a"), 0);
  column.replace(0, "x");
  EXPECT_EQ(column.find("a"), 3) << "the next equal entry takes over";
  column.append("A");
  EXPECT_EQ(column.find("a"), 3);
}

// The index is sized by the distinct entries it meets while it is built:
// first many equal ones, then more distinct ones than it had room for.
TEST(Column, IndexGrowsWhileBuiltOverEqualThenDistinctEntries) {
  std::string text;
  std::vector<catalog::Piece> pieces;
  const auto add = [&](const std::string& entry) {
    pieces.push_back({static_cast<std::uint32_t>(text.size()), static_cast<std::uint32_t>(entry.size())});
    text += entry + ";";
  };
  for (int i = 0; i < 4000; ++i) add("Z");
  for (int i = 0; i < 3000; ++i) add("k" + std::to_string(i));
  catalog::Column column;
  column.assign(std::make_shared<const catalog::FileText>(std::string_view(text)), pieces);
  column.buildIndex();
  EXPECT_EQ(column.find("z"), 0);
  for (int i = 0; i < 3000; ++i) ASSERT_EQ(column.find("K" + std::to_string(i)), 4000 + i);
  EXPECT_EQ(column.find("k3000"), -1);
}

}  // namespace

namespace {

std::string_view secondField(std::string_view line) {
  const auto semicolon = line.find(';');
  return semicolon == std::string_view::npos ? line.substr(line.size()) : line.substr(semicolon + 1);
}

// A derived column reads its entries from the lines it follows: its answers,
// its index and the exact indexes over it follow their changes, and
// changing it leaves the lines alone.
TEST(Column, DerivedEntriesFollowTheirLines) {
  catalog::Column lines = columnOf({"1;a", "2;B", "3;b"});
  catalog::Column derived;
  derived.derive(lines, secondField);
  const catalog::ExactKeyIndex exact(derived);
  EXPECT_EQ(derived.entries(), (std::vector<std::string>{"a", "B", "b"}));
  EXPECT_EQ(derived.find("b"), 1);
  EXPECT_EQ(indexes(exact.indexesOf("b")), std::vector<std::uint32_t>{2});

  lines.replace(1, "2;x");
  lines.append("4;b");
  EXPECT_EQ(derived.count(), 4);
  EXPECT_EQ(derived.find("b"), 2) << "an index made before the lines changed is not used";
  EXPECT_EQ(derived.find("X"), 1);
  EXPECT_EQ(indexes(exact.indexesOf("b")), (std::vector<std::uint32_t>{2, 3}));

  derived.replace(0, "b");
  EXPECT_EQ(derived.entries(), (std::vector<std::string>{"b", "x", "b", "b"}));
  EXPECT_EQ(derived.find("B"), 0);
  EXPECT_EQ(indexes(exact.indexesOf("b")), (std::vector<std::uint32_t>{0, 2, 3}));
  lines.append("5;b");
  EXPECT_EQ(derived.count(), 4) << "a changed column keeps its own entries";
  EXPECT_EQ(lines.get(0), "1;a");
  EXPECT_THROW(derived.get(4), catalog::Error);
}

}  // namespace

namespace {

// The pair index answers what a walk over both columns meets, whether the
// first column is in key order or not and whatever order the second parts
// of equal first parts are in.
struct PairCase {
  const char* name;
  std::vector<const char*> first, second;
};
class ExactPairIndexTest : public ::testing::TestWithParam<PairCase> {};

void expectAWalksAnswers(const std::vector<std::string>& firstParts, const std::vector<std::string>& secondParts) {
  catalog::Column first, second;
  for (const std::string& entry : firstParts) first.append(entry);
  for (const std::string& entry : secondParts) second.append(entry);
  const catalog::ExactKeyIndex byFirst(first);
  const catalog::ExactPairIndex pairs(byFirst, second);
  for (const char* a : {"A", "B", "C", "D", "a", ""}) {
    for (const char* b : {"1", "2", "3", ""}) {
      std::vector<std::uint32_t> walked;
      for (int i = 0; i < first.count(); ++i)
        if (first.get(i) == a && second.get(i) == b) walked.push_back(static_cast<std::uint32_t>(i));
      EXPECT_EQ(indexes(pairs.indexesOf(a, b)), walked) << a << " " << b;
    }
  }
}

TEST_P(ExactPairIndexTest, GivesWhatAWalkMeets) {
  expectAWalksAnswers({GetParam().first.begin(), GetParam().first.end()},
                      {GetParam().second.begin(), GetParam().second.end()});
}

// Few first parts over many entries: the index finds a first part by where
// its run starts.
TEST(ExactPairIndex, ManyEntriesOfFewFirstPartsGiveWhatAWalkMeets) {
  for (const bool interleaved : {false, true}) {
    std::vector<std::string> first, second;
    for (int i = 0; i < 96; ++i) {
      first.push_back(std::string(1, static_cast<char>('A' + (interleaved ? i % 3 : i / 32))));
      second.push_back(std::to_string(3 - i % 3 - (i / 7) % 2));
    }
    expectAWalksAnswers(first, second);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Orders, ExactPairIndexTest,
    ::testing::Values(PairCase{"BothInOrder", {"A", "A", "A", "B", "B"}, {"1", "1", "2", "1", "3"}},
                      PairCase{"SecondOutOfOrderInALaterRun", {"A", "A", "B", "B", "B"}, {"1", "2", "3", "1", "3"}},
                      PairCase{"FirstOutOfOrder", {"B", "A", "B", "A", "C", "A"}, {"2", "1", "1", "1", "3", "2"}},
                      PairCase{"FirstInterleavedSecondReversed", {"A", "B", "A", "B", "A", "B"}, {"3", "3", "2", "2", "1", "1"}},
                      PairCase{"CaseAndEmptyEntries", {"a", "A", "", "A", ""}, {"1", "1", "", "", "2"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
