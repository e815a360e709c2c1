// The search core: codes in any spelling, the rows in the order the OPS
// search tries them, and the word search.

#include <gtest/gtest.h>

#include "catalog/search.h"

namespace {

using Strings = std::vector<std::string>;

TEST(WordSearch, FoldsUmlautsAndCase) {
  EXPECT_EQ(catalog::searchFolded("H\xC4modialyse \xDC" "ber Gr\xF6\xDF" "e"), "haemodialyse ueber groesse");
}

class Search : public ::testing::Test {
 protected:
  Search() {
    data.loadTexts({"2031;BE;ZE01;;H\xE4modialyse;;;;\n"
                    "2031;BE;ZE01;ZE01.01;Dialyse kurz;1,00;8-854.2;;\n"
                    "2031;BE;ZE01;ZE01.02;Dialyse lang;2,00;8-854.2/8-854.3;;\n"
                    "2031;KH;ZE40;;Stents;;;;\n"
                    "2031;KH;ZE40;ZE40.01;Stent klein;;5-38a.7*;;\n"
                    "2030;BE;ZE01;ZE01.01;Dialyse alt;0,50;8-854.2;;\n",
                    "", "2031;8-854.3;Verl\xE4ngerte Dialyse\n",
                    // Assignment lines in the order a rebuild writes them, one in other case.
                    "8-854.2;2030;BE;ZE01;ZE01.01\n5-38a.7*;2031;KH;ZE40;ZE40.01\n8-854.2;2031;BE;ZE01;ZE01.01\n"
                    "8-854.2;2031;BE;ZE01;ZE01.02\n8-854.3;2031;BE;ZE01;ZE01.02\n5-38A.70;2031;KH;ZE40;ZE40.01\n"});
  }

  Strings rows(const std::string& input, const std::optional<std::string>& year) const {
    Strings lines;
    const catalog::SearchResult result = catalog::CatalogSearch(data).search(input, year);
    for (const auto& row : result.rows) lines.push_back(catalog::lookupLine(catalog::describeRow(data, result, row)));
    return lines;
  }

  catalog::Catalog data;
};

TEST_F(Search, CodeRowsInTheOrderTheFieldTriesThem) {
  EXPECT_EQ(rows("88542", "2031"), (Strings{"88542\t8-854.2\t2031\tBE\tZE01\tZE01.01\tDialyse kurz\t1,00\t",
                                             "88542\t8-854.2\t2031\tBE\tZE01\tZE01.02\tDialyse lang\t2,00\t"}));
  // The exact code before the "*" line, each line once.
  // A hospital-specific ZE's amount is the hospital's own.
  EXPECT_EQ(rows("5-38a.70", "2031"),
            (Strings{"5-38a.70\t5-38A.70\t2031\tKH\tZE40\tZE40.01\tStent klein\tkrankenhausindividuell\t",
                     "5-38a.70\t5-38a.7*\t2031\tKH\tZE40\tZE40.01\tStent klein\tkrankenhausindividuell\t"}));
  EXPECT_EQ(rows("8-854.2", std::nullopt).size(), 3U) << "two rows in 2031, one in 2030";
  EXPECT_EQ(rows("8-854.2 9-999.9", "2030"),
            (Strings{"8-854.2\t8-854.2\t2030\tBE\tZE01\tZE01.01\tDialyse alt\t0,50\t",
                     "9-999.9\t\t2030\t\t\t\tkein Zusatzentgelt\t\t"}));
}

TEST_F(Search, WordsGiveOneRowPerZeAndSayWhereTheyWereFound) {
  // The group's description matches too, but its ZEs have rows: no group row.
  EXPECT_EQ(rows("dialyse", "2031"), (Strings{"\t\t2031\tBE\tZE01\tZE01.01\tDialyse kurz\t1,00\tZE",
                                             "\t\t2031\tBE\tZE01\tZE01.02\tDialyse lang\t2,00\tZE"}));
  // Only the group's own description: its row stands alone.
  EXPECT_EQ(rows("haemo", "2031"), (Strings{"\t\t2031\tBE\tZE01\t\tH\xE4modialyse\t\tGruppe"}));
  EXPECT_EQ(rows("verlaengerte DIALYSE", "2031"),
            (Strings{"\t\t2031\tBE\tZE01\tZE01.02\tDialyse lang\t2,00\tZE, OPS-Text 8-854.3"}));
  EXPECT_EQ(rows("verlaengerte", "2031"), (Strings{"\t\t2031\tBE\tZE01\tZE01.02\tDialyse lang\t2,00\tOPS-Text 8-854.3"}));
  // A group whose codes alone match has no row of its own; a KH ZE shows
  // the hospital's amount.
  EXPECT_EQ(rows("klein", "2031"), (Strings{"\t\t2031\tKH\tZE40\tZE40.01\tStent klein\tkrankenhausindividuell\tZE"}));
  EXPECT_EQ(rows("dialyse", std::nullopt).size(), 3U);
  EXPECT_TRUE(rows("dialyse stent", std::nullopt).empty());
  // More words than the first sieve takes: the rest are checked one by one.
  std::string many;
  for (int i = 0; i < 40; ++i) many += "dialyse kurz ";
  EXPECT_EQ(rows(many, "2031"), rows("dialyse kurz", "2031"));
  EXPECT_TRUE(rows(many + "stent", "2031").empty());
}

}  // namespace

namespace {

// One search kept open as the window keeps it: each query typed after the
// one before must give what a fresh search gives, whether a word is kept,
// grown, shortened or moved, over texts enough to be looked through on two
// cores.
TEST(WordSearch, TypingGivesWhatAFreshSearchGives) {
  std::string catalogText, opsText;
  const char* const words[] = {"Stent", "Sonde", "Pumpe", "Katheter", "Dialyse", "Implantat"};
  for (int i = 0; i < 20000; ++i) {
    const std::string group = "G" + std::to_string(i / 4);
    if (i % 4 == 0) catalogText += "2031;BE;" + group + ";;Gruppe " + words[i % 6] + ";;;;\n";
    const std::string code = "5-" + std::to_string(100 + i / 100) + "." + std::to_string(10 + i % 90);
    catalogText += "2031;BE;" + group + ";" + group + "." + std::to_string(i) + ";" + words[(i / 7) % 6] + " " +
                   std::to_string(i) + " klein;1,00;" + code + ";;\n";
    opsText += "2031;" + code + ";" + words[(i / 3) % 6] + " mit Text " + std::to_string(i * 7) +
               " und weiterer Beschreibung\n";
  }
  catalog::Catalog data;
  data.loadTexts({catalogText, "", opsText, ""});
  const catalog::CatalogSearch kept(data);
  const auto lines = [&data](const catalog::SearchResult& result) {
    Strings out;
    for (const auto& row : result.rows) out.push_back(catalog::lookupLine(catalog::describeRow(data, result, row)));
    return out;
  };
  for (const char* query : {"s", "st", "ste", "sten", "stent", "stent ", "stent 1", "stent 12", "stent 123",
                            "stent 12", "12 stent", "12 sten", "text 7", "text 77", "ext 77", "pumpe text 77",
                            "pumpe klein", "umpe klein", "", "katheter 1999"}) {
    const Strings typed = lines(kept.search(query, std::nullopt));
    const Strings fresh = lines(catalog::CatalogSearch(data).search(query, std::nullopt));
    ASSERT_EQ(typed, fresh) << query;
  }
}

}  // namespace
