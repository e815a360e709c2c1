// The field's search and the lookup on wildcard lines of all four shapes in
// both kinds: the six keys first, then the wildcard rule, then longer codes.

#include <gtest/gtest.h>

#include "temporary_folder.h"

#include "catalog/catalog.h"
#include "catalog/ops_lookup.h"

namespace {

using Strings = std::vector<std::string>;

class WildcardCatalog : public ::testing::Test {
 protected:
  WildcardCatalog() {
    data.loadTexts({"2031;BE;ZE01;;Gruppe;;;;\n2030;BE;ZE05;;Gruppe;;;;\n", "", "",
                    "8-825.*;2031;KH;ZE40;ZE40.01\n5-517.**;2031;BE;ZE01;ZE01.01\n8-826.*0;2031;BE;ZE01;ZE01.02\n"
                    "5-597.0*;2031;BE;ZE02;ZE02.01\n8-825.*;2031;BE;ZE03;ZE03.01\n8-854;2031;BE;ZE04;ZE04.01\n"
                    "8-854.21;2031;KH;ZE41;ZE41.01\n8-825.10;2031;KH;ZE42;ZE42.01\n8-825.*;2030;BE;ZE05;ZE05.01\n"});
  }
  catalog::Catalog data;
};

struct HitCase {
  const char* code;
  const char* year;
  int line;  // -1: nothing found
  catalog::Kind kind;
};

class FieldSearch : public WildcardCatalog, public ::testing::WithParamInterface<HitCase> {};

TEST_P(FieldSearch, KeysFirstThenTheFirstCoveringLine) {
  const auto hit = data.fieldSearch(GetParam().code, GetParam().year);
  if (GetParam().line == -1) {
    EXPECT_FALSE(hit) << "found line " << hit->line;
    return;
  }
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->line, GetParam().line);
  EXPECT_EQ(hit->kind, GetParam().kind);
}

using catalog::Kind;
INSTANTIATE_TEST_SUITE_P(
    Codes, FieldSearch,
    ::testing::Values(HitCase{"8-825.1", "2031", 4, Kind::Federal},   // key 3, BE before the earlier KH line
                      HitCase{"8-825.10", "2031", 7, Kind::Hospital},  // a key finds it as before
                      HitCase{"8-825.11", "2031", 4, Kind::Federal},   // the wildcard step, BE first
                      HitCase{"5-517.10", "2031", 1, Kind::Federal},   // "**" only by the rule
                      HitCase{"5-517.1", "2031", -1, Kind::Federal},
                      HitCase{"8-826.10", "2031", 2, Kind::Federal},
                      HitCase{"8-826.11", "2031", -1, Kind::Federal},
                      HitCase{"5-597.00", "2031", 3, Kind::Federal},
                      HitCase{"5-597.0", "2031", 3, Kind::Federal},  // key 2 holds the "*" as it stands
                      HitCase{"8-854", "2031", 5, Kind::Federal},
                      HitCase{"8-825.10", "2030", 8, Kind::Federal},
                      HitCase{"8-825.10", "2029", -1, Kind::Federal}),
    [](const auto& info) { return testing_support::caseName(info.index, std::string(info.param.code) + "_" + info.param.year); });

TEST_F(WildcardCatalog, LookupRowsKeysThenCoveringLinesThenLongerCodes) {
  const catalog::OpsLookup lookup(data);
  const auto rowsOf = [&](const std::string& code) {
    Strings rows;
    for (const auto& row : lookup.lookup(Strings{code}, "2031"))
      rows.push_back(row.matchedCode + " " + row.kind + " " + row.ze + " " + row.foundIn);
    return rows;
  };
  EXPECT_EQ(rowsOf("8-825.10"), (Strings{"8-825.10 KH ZE42.01 ", "8-825.* BE ZE03.01 ", "8-825.* KH ZE40.01 "}));
  EXPECT_EQ(rowsOf("5-517.10"), (Strings{"5-517.** BE ZE01.01 "}));
  EXPECT_EQ(rowsOf("8-854"), (Strings{"8-854 BE ZE04.01 ", "8-854.21 KH ZE41.01 Unterkode"}));
  // A category without lines of its own: its wildcard lines too, BE first.
  EXPECT_EQ(rowsOf("8-825"), (Strings{"8-825.* BE ZE03.01 Unterkode", "8-825.* KH ZE40.01 Unterkode",
                                      "8-825.10 KH ZE42.01 Unterkode"}));
  EXPECT_FALSE(lookup.lookup(Strings{"5-517.1"}, "2031").front().found);
}

TEST_F(WildcardCatalog, WhetherALongerCodeCouldStillBeFound) {
  const catalog::AssignmentIndex& index = data.assignments();
  EXPECT_TRUE(index.someLineCouldCoverLonger("8-854.", "2031"));
  EXPECT_TRUE(index.someLineCouldCoverLonger("8-854.2", "2031"));
  EXPECT_FALSE(index.someLineCouldCoverLonger("8-854.3", "2031"));
  EXPECT_TRUE(index.someLineCouldCoverLonger("5-597.", "2031"));
  EXPECT_FALSE(index.someLineCouldCoverLonger("5-597.1", "2031"));
  EXPECT_FALSE(index.someLineCouldCoverLonger("8-854.2", "2030"));
}

TEST(DefaultYear, CurrentElseNewestBeforeElseOldest) {
  catalog::Catalog data;
  data.loadTexts({"2012;BE;ZE01;;G;;;;\n2014;BE;ZE01;;G;;;;\n2010;BE;ZE01;;G;;;;\n", "", "", ""});
  for (const auto& [current, expected] : std::vector<std::pair<std::string, std::string>>{
           {"2014", "2014"}, {"2026", "2014"}, {"2013", "2012"}, {"2009", "2010"}})
    EXPECT_EQ(data.defaultYear(current), expected) << current;
}

// A ZE's lines are the group's lines with that exact ZE code, in table
// order, wherever they stand in the file; letter case and the kind count.
TEST(LinesOfZe, ExactGroupAndZeInTableOrder) {
  catalog::Catalog data;
  data.loadTexts({"2031;BE;G;;Gruppe;;;;\n"
                  "2031;BE;G;Z1;erste;;;;\n"
                  "2031;BE;G;Z2;andere;;;;\n"
                  "2031;BE;g;Z1;klein;;;;\n"
                  "2031;KH;G;Z1;KH;;;;\n"
                  "2031;BE;G;z1;klein ZE;;;;\n"
                  "2031;BE;G;Z1;zweite;;;;\n",
                  "", "", ""});
  struct Case {
    catalog::Kind kind;
    std::string group, ze;
    Strings descriptions;
  };
  for (const Case& c : std::vector<Case>{{catalog::Kind::Federal, "G", "Z1", {"erste", "zweite"}},
                                         {catalog::Kind::Federal, "G", "z1", {"klein ZE"}},
                                         {catalog::Kind::Federal, "g", "Z1", {"klein"}},
                                         {catalog::Kind::Hospital, "G", "Z1", {"KH"}},
                                         {catalog::Kind::Federal, "G", "", {"Gruppe"}},
                                         {catalog::Kind::Federal, "G", "Z9", {}}}) {
    Strings shown;
    for (const auto line : data.linesOfZe("2031", c.kind, c.group, c.ze)) shown.emplace_back(line.description);
    EXPECT_EQ(shown, c.descriptions) << c.group << " " << c.ze;
    Strings filtered;  // what a walk over the group's lines would meet
    for (const auto line : data.linesOfGroup("2031", c.kind, c.group))
      if (line.zeCode == c.ze) filtered.emplace_back(line.description);
    EXPECT_EQ(shown, filtered) << c.group << " " << c.ze;
  }
}

}  // namespace
