#include "catalog/fields.h"

#include <gtest/gtest.h>

#include "catalog/tables.h"

namespace {

struct CatalogLineCase {
  const char* name;
  std::string line;
  std::string year;
  catalog::CatalogFields fields;
};

class CatalogLineTest : public ::testing::TestWithParam<CatalogLineCase> {};

TEST_P(CatalogLineTest, CutsTheFields) {
  const auto& expected = GetParam();
  const catalog::CatalogFields fields = catalog::cutCatalogLine(expected.line);
  EXPECT_EQ(catalog::yearOf(expected.line), expected.year);
  EXPECT_EQ(fields.groupKey, expected.fields.groupKey);
  EXPECT_EQ(fields.zeCode, expected.fields.zeCode);
  EXPECT_EQ(fields.description, expected.fields.description);
  EXPECT_EQ(fields.amount, expected.fields.amount);
  EXPECT_EQ(fields.opsList, expected.fields.opsList);
  EXPECT_EQ(fields.footnoteRefs, expected.fields.footnoteRefs);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CatalogLineTest,
    ::testing::Values(
        CatalogLineCase{"ZeLine", "2031;BE;ZE77;ZE77.01;Beispiel, Stufe 1;123,45;5-999.0a/5-999.1b;1,2;rest;more",
                        "2031",
                        {"2031;BE;ZE77", "ZE77.01", "Beispiel, Stufe 1", "123,45", "5-999.0a/5-999.1b", "1,2"}},
        CatalogLineCase{"GroupLine", "2031;BE;ZE77;;Gruppe;;5-999.0a;1;", "2031",
                        {"2031;BE;ZE77", "", "Gruppe", "", "5-999.0a", "1"}},
        CatalogLineCase{"MarksWithoutFinalSeparator", "2031;BE;G;Z;D;A;O;1,2", "2031", {"2031;BE;G", "Z", "D", "A", "O", ""}},
        CatalogLineCase{"EndsAfterGroup", "2031;BE;ZE77", "2031", {"2031;BE;", "", "", "", "", ""}},
        CatalogLineCase{"ShortLine", "20", "20", {"20", "", "", "", "", ""}},
        CatalogLineCase{"Empty", "", "", {"", "", "", "", "", ""}},
        CatalogLineCase{"BlockTakenWhatever", "2031,BE,G;Z;", "2031", {"2031,BE,G", "Z", "", "", "", ""}},
        CatalogLineCase{"EightCharacters", "2031;BE;", "2031", {"2031;BE;", "", "", "", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

struct KeyedCase {
  const char* name;
  catalog::KeyedText (*cut)(std::string_view);
  std::string line;
  std::string key;
  std::string text;
};

class KeyedLineTest : public ::testing::TestWithParam<KeyedCase> {};

TEST_P(KeyedLineTest, CutsKeyAndText) {
  const auto& c = GetParam();
  const catalog::KeyedText cut = c.cut(c.line);
  EXPECT_EQ(cut.key, c.key);
  EXPECT_EQ(cut.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyedLineTest,
    ::testing::Values(
        KeyedCase{"Footnote", catalog::cutFootnoteLine, "2031;BE;1;Fu\xDFnote; mit ;", "2031;BE;1", "Fu\xDFnote; mit ;"},
        KeyedCase{"FootnoteNineCharacters", catalog::cutFootnoteLine, "2031;BE;1", "2031;BE;1", ""},
        KeyedCase{"FootnoteTenCharacters", catalog::cutFootnoteLine, "2031;BE;1;", "2031;BE;1", ""},
        KeyedCase{"FootnoteTwoCharacterMark", catalog::cutFootnoteLine, "2031;BE;12;x", "2031;BE;1", ";x"},
        KeyedCase{"Ops", catalog::cutOpsLine, "2031;5-999.0a;Text; mit Semikolon", "2031;5-999.0a", "Text; mit Semikolon"},
        KeyedCase{"OpsWithoutSeparator", catalog::cutOpsLine, "2031;5-999.0a", "2031;", "5-999.0a"},
        KeyedCase{"OpsShort", catalog::cutOpsLine, "2031;", "2031;", ""},
        KeyedCase{"OpsEmptyCode", catalog::cutOpsLine, "2031;;Text", "2031;", "Text"},
        KeyedCase{"Assignment", catalog::cutAssignmentLine, "5-999.0a;2031;BE;ZE77;ZE77.01", "5-999.0a;2031;BE",
                  "ZE77;ZE77.01"},
        KeyedCase{"AssignmentSixFields", catalog::cutAssignmentLine, "c;2031;BE;G;Z;X", "c;2031;BE", "G;Z;X"},
        KeyedCase{"AssignmentTwoSeparators", catalog::cutAssignmentLine, "c;2031;BE", "c;2031;", "BE"},
        KeyedCase{"AssignmentOneSeparator", catalog::cutAssignmentLine, "c;2031", "c;", "2031"},
        KeyedCase{"AssignmentNoSeparator", catalog::cutAssignmentLine, "c", "", "c"},
        KeyedCase{"AssignmentEmptyTarget", catalog::cutAssignmentLine, "c;2031;KH;", "c;2031;KH", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tables, SplitFillsEveryColumnInStep) {
  catalog::CatalogTable table;
  for (const char* line : {"2031;BE;G;;Gruppe;1,00;A/B;1;", "", "2031;KH;H;Z;D;2;C;2,3;"}) table.CatalogLines.append(line);
  catalog::splitCatalog(table);
  EXPECT_EQ(table.GroupKeys.entries(), (std::vector<std::string>{"2031;BE;G", "", "2031;KH;H"}));
  EXPECT_EQ(table.ZeCodes.entries(), (std::vector<std::string>{"", "", "Z"}));
  EXPECT_EQ(table.Descriptions.entries(), (std::vector<std::string>{"Gruppe", "", "D"}));
  EXPECT_EQ(table.Amounts.entries(), (std::vector<std::string>{"1,00", "", "2"}));
  EXPECT_EQ(table.OpsLists.entries(), (std::vector<std::string>{"A/B", "", "C"}));
  EXPECT_EQ(table.FootnoteRefs.entries(), (std::vector<std::string>{"1", "", "2,3"}));
}

}  // namespace
