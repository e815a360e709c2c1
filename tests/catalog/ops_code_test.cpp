// The OPS code's layout, the wildcard rule and what counts as a code in a
// pasted text.

#include "catalog/ops_code.h"

#include <gtest/gtest.h>

#include "temporary_folder.h"

namespace {

namespace ops_code = catalog::ops_code;
using Strings = std::vector<std::string>;

TEST(CodeSpelling, EverySpellingGivesTheFieldText) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"8-918.01", "8-918.01"}, {"891801", "8-918.01"}, {"8918.01", "8-918.01"}, {"8-854.2", "8-854.2 "},
      {"88542", "8-854.2 "},    {"5-38A.7*", "5-38A.7*"}, {"8-854", "8-854.  "},  {"1", "1-   .  "}};
  for (const auto& [spelling, field] : cases) EXPECT_EQ(ops_code::fieldText(spelling), field) << spelling;
}

struct CoverCase {
  const char* line;
  const char* code;
  bool covers;
};

class WildcardRule : public ::testing::TestWithParam<CoverCase> {};

TEST_P(WildcardRule, EachStarIsOneCharacterAndAFinalStarAlsoTheRest) {
  EXPECT_EQ(ops_code::covers(GetParam().line, GetParam().code), GetParam().covers)
      << GetParam().line << " / " << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, WildcardRule,
    ::testing::Values(CoverCase{"8-825.*", "8-825.1", true}, CoverCase{"8-825.*", "8-825.10", true},
                      CoverCase{"8-825.*", "8-825", false}, CoverCase{"8-825.*", "8-826.1", false},
                      CoverCase{"5-517.**", "5-517.10", true}, CoverCase{"5-517.**", "5-517.1", false},
                      CoverCase{"5-597.0*", "5-597.01", true}, CoverCase{"5-597.0*", "5-597.0", false},
                      CoverCase{"5-597.0*", "5-597.11", false}, CoverCase{"8-826.*0", "8-826.10", true},
                      CoverCase{"8-826.*0", "8-826.11", false}, CoverCase{"8-826.*0", "8-826.1", false},
                      CoverCase{"5-38A.7*", "5-38a.70", true}, CoverCase{"8-854.2", "8-854.2", true},
                      CoverCase{"8-854.2", "8-854.20", false}, CoverCase{"8-854.2", "8-854.3", false},
                      // A blank is an empty position, not a character.
                      CoverCase{"5-999.*b", "5-999. b", false}, CoverCase{"5-999.*", "5-999.1 ", false},
                      CoverCase{"", "8-854.2", false}),
    [](const auto& info) { return testing_support::caseName(info.index, std::string(info.param.line) + "_" + info.param.code); });

TEST(WildcardRule, WhatALineCouldStillCover) {
  EXPECT_TRUE(ops_code::couldCoverLonger("5-597.0*", "5-597"));
  EXPECT_TRUE(ops_code::couldCoverLonger("5-597.0*", "5-597."));
  EXPECT_TRUE(ops_code::couldCoverLonger("5-597.0*", "5-597.0"));
  EXPECT_FALSE(ops_code::couldCoverLonger("5-597.0*", "5-597.1"));
  EXPECT_TRUE(ops_code::couldCoverLonger("8-825.*", "8-825.1"));
  EXPECT_TRUE(ops_code::couldCoverLonger("8-854.21", "8-854.2"));
  EXPECT_FALSE(ops_code::couldCoverLonger("8-854.2", "8-854.2"));
  EXPECT_FALSE(ops_code::couldCoverLonger("8-826.*0", "8-826.10"));
}

struct TextCase {
  const char* name;
  std::string text;
  Strings entered;
  Strings searched;
  Strings ignored;
};

class CodesInText : public ::testing::TestWithParam<TextCase> {};

TEST_P(CodesInText, FindsEveryCodeAndNamesTheRest) {
  const ops_code::CodesInText found = ops_code::codesInText(GetParam().text);
  Strings entered, searched;
  for (const auto& code : found.codes) {
    entered.push_back(code.entered);
    searched.push_back(code.code);
  }
  EXPECT_EQ(entered, GetParam().entered);
  EXPECT_EQ(searched, GetParam().searched);
  EXPECT_EQ(found.ignored, GetParam().ignored);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, CodesInText,
    ::testing::Values(
        TextCase{"Separators", "8-854.2, 891801;\r\n5-38a.70\t1-100 ", {"8-854.2", "891801", "5-38a.70", "1-100"},
                 {"8-854.2", "891801", "5-38a.70", "1-100"}, {}},
        TextCase{"NumberingAndDate", "1. 8-854.2 (03.01.2012)", {"8-854.2"}, {"8-854.2"}, {"1.", "03.01.2012"}},
        TextCase{"SideMarks", "5-820.00 R\n5-820.01:L 5-820.02B", {"5-820.00 R", "5-820.01:L", "5-820.02B"},
                 {"5-820.00", "5-820.01", "5-820.02"}, {}},
        TextCase{"DatesAreNeverCodes", "12.01.2012 2012-01-03", {}, {}, {"12.01.2012", "2012-01-03"}},
        TextCase{"Words", "Dialyse", {}, {}, {"Dialyse"}},
        TextCase{"CodeAmongWords", "8-854.2 Dialyse", {"8-854.2"}, {"8-854.2"}, {"Dialyse"}},
        TextCase{"Wildcard", "5-38a.7*", {"5-38a.7*"}, {"5-38a.7*"}, {}},
        // While a code is being typed, its beginning is already a code.
        TextCase{"LoneBeginning", "8-8", {"8-8"}, {"8-8"}, {}},
        TextCase{"BeginningAmongOthers", "8-8 8-854", {"8-854"}, {"8-854"}, {"8-8"}},
        TextCase{"TooLong", "8-854.211", {}, {}, {"8-854.211"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SearchCode, TrimsTheFieldText) {
  for (const auto& [field, code] : std::vector<std::pair<std::string, std::string>>{
           {"5-999.1b", "5-999.1b"}, {"5-999.1 ", "5-999.1"}, {"5-999. b", "5-999. b"}, {"5-999.  ", "5-999"}})
    EXPECT_EQ(ops_code::searchCode(field), code) << field;
}

}  // namespace
