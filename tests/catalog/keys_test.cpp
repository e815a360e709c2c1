// The keys module and the OPS code layout: joining, splitting, trimming.
#include "catalog/keys.h"
#include "catalog/ops_code.h"

#include <gtest/gtest.h>

#include "temporary_folder.h"

namespace {

using Strings = std::vector<std::string>;

struct CarryOverCase {
  std::string text;
  std::string year;
  std::string result;
};
class CarryOverTest : public ::testing::TestWithParam<CarryOverCase> {};

TEST_P(CarryOverTest, FollowsTheYearOnlyForZe200AndZe201) {
  EXPECT_EQ(catalog::carryOverYear(GetParam().text, GetParam().year), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CarryOverTest,
    ::testing::Values(CarryOverCase{"ZE2008-01", "2031", "ZE2031-01"}, CarryOverCase{"ZE2019-07.2", "2012", "ZE2012-07.2"},
                      CarryOverCase{"ZE200xyz", "2031", "ZE2031yz"},  // characters 3 to 6 dropped whatever they are
                      CarryOverCase{"ZE2008", "2031", "ZE2031"}, CarryOverCase{"ZE201", "2031", "ZE2031"},
                      CarryOverCase{"ZE2008-01", "20", "ZE20-01"},   // the year text inserted whole
                      CarryOverCase{"ZE2008-01", "", "ZE-01"},
                      CarryOverCase{"ZE2020-01", "2031", "ZE2020-01"}, CarryOverCase{"ze2008-01", "2031", "ze2008-01"},
                      CarryOverCase{"ZE20", "2031", "ZE20"}, CarryOverCase{"ZE01", "2031", "ZE01"},
                      CarryOverCase{"", "2031", ""}),
    [](const auto& info) { return testing_support::caseName(info.index, info.param.text + "_" + info.param.year); });

struct SplitCase {
  std::string list;
  Strings lines;
};
class OpsListSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(OpsListSplitTest, GivesOneLinePerCode) { EXPECT_EQ(catalog::splitOpsList(GetParam().list), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(Cases, OpsListSplitTest,
                         ::testing::Values(SplitCase{"A/B", {"A", "B"}}, SplitCase{"A/", {"A"}}, SplitCase{"A/ ", {"A"}},
                                           SplitCase{"/A", {"", "A"}}, SplitCase{"A//B", {"A", "", "B"}},
                                           SplitCase{"A//", {"A", ""}}, SplitCase{" ", {}}, SplitCase{"", {}},
                                           SplitCase{" A / B", {" A ", " B"}}, SplitCase{"A/  ", {"A", "  "}}),
    [](const auto& info) { return testing_support::caseName(info.index, info.param.list); });

struct MarksCase {
  std::string list;
  Strings marks;
};
class FootnoteMarksTest : public ::testing::TestWithParam<MarksCase> {};

TEST_P(FootnoteMarksTest, TakesTheMarksAsTheyStand) { EXPECT_EQ(catalog::footnoteMarks(GetParam().list), GetParam().marks); }

INSTANTIATE_TEST_SUITE_P(Cases, FootnoteMarksTest,
                         ::testing::Values(MarksCase{"1,2", {"1", "2"}}, MarksCase{"1, 2", {"1", " 2"}},
                                           MarksCase{"1,", {"1", ""}}, MarksCase{"1, ", {"1"}}, MarksCase{" ", {}},
                                           MarksCase{"", {}}, MarksCase{"1,1", {"1", "1"}}, MarksCase{",1", {"", "1"}},
                                           MarksCase{"12", {"12"}}),
    [](const auto& info) { return testing_support::caseName(info.index, info.param.list); });

TEST(OnlyFirstPositionFilled, HoldsForOneLeadingCharacterAlone) {
  EXPECT_TRUE(catalog::ops_code::onlyFirstPositionFilled("5-   .  "));
  EXPECT_TRUE(catalog::ops_code::onlyFirstPositionFilled("x-   .  "));
  for (const char* text : {" -   .  ", "59  .  ", "5-   . b", "5-9  .  ", "5-   .1 ", ""})
    EXPECT_FALSE(catalog::ops_code::onlyFirstPositionFilled(text)) << '"' << text << '"';
}

struct SearchCase {
  std::string field;
  std::string code;
  std::array<std::string, 3> keys;
};
class SearchKeysTest : public ::testing::TestWithParam<SearchCase> {};

TEST_P(SearchKeysTest, TrimsTheFieldAndBuildsThreeKeys) {
  EXPECT_EQ(catalog::ops_code::searchCode(GetParam().field), GetParam().code);
  EXPECT_EQ(catalog::searchKeys(GetParam().code, "2031", "BE"), GetParam().keys);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SearchKeysTest,
    ::testing::Values(
        SearchCase{"5-999.1b", "5-999.1b", {"5-999.1b;2031;BE", "5-999.1*;2031;BE", "5-999.*b;2031;BE"}},
        SearchCase{"5-999.1 ", "5-999.1", {"5-999.1;2031;BE", "5-999.1*;2031;BE", "5-999.*;2031;BE"}},
        SearchCase{"5-999. b", "5-999. b", {"5-999. b;2031;BE", "5-999. *;2031;BE", "5-999.*b;2031;BE"}},
        SearchCase{"5-999.  ", "5-999", {"5-999;2031;BE", "5-999*;2031;BE", "5-999*;2031;BE"}},
        SearchCase{"5-9 9.  ", "5-9 9", {"5-9 9;2031;BE", "5-9 9*;2031;BE", "5-9 9*;2031;BE"}},
        SearchCase{" -   .  ", " -   ", {" -   ;2031;BE", " -   *;2031;BE", " -   *;2031;BE"}}),
    [](const auto& info) { return testing_support::caseName(info.index, info.param.field); });

}  // namespace
