#include "catalog/year_comparison.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "temporary_folder.h"

namespace {

using Strings = std::vector<std::string>;

// Lines "KK;group;ZE;description;amount;codes" of the old year (2024) and
// the new one (2025), in that file order.
std::string catalogText(const Strings& before, const Strings& after) {
  std::string text;
  for (const std::string& line : before) text += "2024;" + line + ";\n";
  for (const std::string& line : after) text += "2025;" + line + ";\n";
  return text;
}

// One row as "kind old>new by: change".
std::string shown(const catalog::ComparisonRow& row) {
  const auto fields = catalog::comparisonFields(row);
  return fields[catalog::kColumnKind] + " " + fields[catalog::kColumnZeBefore] + ">" +
         fields[catalog::kColumnZeAfter] + " " + fields[catalog::kColumnPairedBy] + ": " +
         fields[catalog::kColumnChange];
}

Strings compared(const Strings& before, const Strings& after) {
  catalog::Catalog data;
  data.loadTexts({catalogText(before, after), "", "", ""});
  Strings rows;
  for (const auto& row : catalog::compareYears(data, "2024", "2025")) rows.push_back(shown(row));
  return rows;
}

struct PairingCase {
  const char* name;
  Strings before, after, rows;
};

class Pairing : public ::testing::TestWithParam<PairingCase> {};

TEST_P(Pairing, PairsAndNamesTheChanges) {
  EXPECT_EQ(compared(GetParam().before, GetParam().after), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Pairing,
    ::testing::Values(
        PairingCase{"SameCodeUnchanged",
                    {"BE;ZE01;;Gruppe;;", "BE;ZE01;ZE01.01;Dialyse;10,00;8-854.2"},
                    {"BE;ZE01;;Gruppe neu;;", "BE;ZE01;ZE01.01;Dialyse;10,00;8-854.2"},
                    {"BE ZE01.01>ZE01.01 Kode: unver\xE4ndert"}},
        PairingCase{"SameCodeEveryChange",
                    {"BE;ZE01;ZE01.01;Dialyse;10,00;8-854.2"},
                    {"BE;ZE01;ZE01.01;Dialyse lang;12,00;8-854.3"},
                    {"BE ZE01.01>ZE01.01 Kode: Bezeichnung, Betrag, OPS"}},
        PairingCase{"CaseBlanksAndCodeCaseAreNoChange",
                    {"BE;ZE01;ZE01.01;Dialyse  intermittierend;10,00;8-854.c"},
                    {"BE;ZE01;ZE01.01;DIALYSE intermittierend;10,0;8-854.C"},
                    {"BE ZE01.01>ZE01.01 Kode: unver\xE4ndert"}},
        PairingCase{"RenumberedByDescription",
                    {"KH;ZE2024-41;ZE2024-41;Stent  Klein;;5-38a.7"},
                    {"KH;ZE2025-38;ZE2025-38;stent klein;;5-38a.8"},
                    {"KH ZE2024-41>ZE2025-38 Bezeichnung: OPS"}},
        PairingCase{"YearCodesArePairedByWhatTheyAreNotByNumber",
                    {"KH;ZE2024-41;ZE2024-41;Alpha;;1-111.1", "KH;ZE2024-42;ZE2024-42;Beta;;2-222.2"},
                    {"KH;ZE2024-41;ZE2024-41;Beta;;2-222.2", "KH;ZE2024-42;ZE2024-42;Alpha;;1-111.1"},
                    {"KH ZE2024-42>ZE2024-41 Bezeichnung: unver\xE4ndert",
                     "KH ZE2024-41>ZE2024-42 Bezeichnung: unver\xE4ndert"}},
        PairingCase{"SeveralSameDescriptionsFirstInFileOrder",
                    {"KH;G;ZE2024-1;Pumpe;;1-1", "KH;G;ZE2024-2;Pumpe;;1-2"},
                    {"KH;G;ZE2025-7;Pumpe;;1-2"},
                    {"KH ZE2024-1>ZE2025-7 Bezeichnung: OPS", "KH ZE2024-2> : entfallen"}},
        PairingCase{"OverlapOfHalfPairs",
                    {"KH;G;ZE2024-1;Alt;;1-1/1-2/1-3"},
                    {"KH;G;ZE2025-1;Neu;;1-1/1-2/1-4"},
                    {"KH ZE2024-1>ZE2025-1 OPS-Kodes: Bezeichnung, OPS"}},
        PairingCase{"OverlapBelowHalfDoesNot",
                    {"KH;G;ZE2024-1;Alt;;1-1/1-2/1-3"},
                    {"KH;G;ZE2025-1;Neu;;1-1/1-2/1-4/1-5"},
                    {"KH >ZE2025-1 : neu", "KH ZE2024-1> : entfallen"}},
        PairingCase{"OverlapAboveHalfPairs",
                    {"KH;G;ZE2024-1;Alt;;1-1/1-2/1-3/1-4"},
                    {"KH;G;ZE2025-1;Neu;;1-1/1-2/1-3/1-5"},
                    {"KH ZE2024-1>ZE2025-1 OPS-Kodes: Bezeichnung, OPS"}},
        PairingCase{"LargestOverlapFirst",
                    {"KH;G;ZE2024-1;Alt;;1-1/1-2/1-3/1-4"},
                    {"KH;G;ZE2025-1;Neu eins;;1-1/1-2/1-3/1-5", "KH;G;ZE2025-2;Neu zwei;;1-1/1-2/1-3/1-4"},
                    {"KH >ZE2025-1 : neu", "KH ZE2024-1>ZE2025-2 OPS-Kodes: Bezeichnung"}},
        PairingCase{"TieGoesToTheEarlierOldZe",
                    {"KH;G;ZE2024-1;A;;1-1/1-2", "KH;G;ZE2024-2;B;;1-1/1-2"},
                    {"KH;G;ZE2025-1;C;;1-1/1-2"},
                    {"KH ZE2024-1>ZE2025-1 OPS-Kodes: Bezeichnung", "KH ZE2024-2> : entfallen"}},
        PairingCase{"TieGoesToTheEarlierNewZe",
                    {"KH;G;ZE2024-1;A;;1-1/1-2"},
                    {"KH;G;ZE2025-1;B;;1-1/1-2", "KH;G;ZE2025-2;C;;1-1/1-2"},
                    {"KH ZE2024-1>ZE2025-1 OPS-Kodes: Bezeichnung", "KH >ZE2025-2 : neu"}},
        PairingCase{"CodeBeforeDescription",
                    {"BE;ZE01;ZE01.01;Dialyse;1,00;1-1", "BE;ZE01;ZE01.02;Filtration;1,00;1-2"},
                    {"BE;ZE01;ZE01.01;Filtration;1,00;1-2"},
                    {"BE ZE01.01>ZE01.01 Kode: Bezeichnung, OPS", "BE ZE01.02> : entfallen"}},
        PairingCase{"NoCodesNoOverlap",
                    {"KH;G;ZE2024-1;A;;"},
                    {"KH;G;ZE2025-1;B;;"},
                    {"KH >ZE2025-1 : neu", "KH ZE2024-1> : entfallen"}},
        PairingCase{"KindsApartFederalFirstAndAYearWithoutOne",
                    {"KH;G;ZE2024-1;A;;1-1", "BE;ZE01;ZE01.01;Dialyse;1,00;1-2"},
                    {"BE;ZE01;ZE01.02;Neu;1,00;1-3", "BE;ZE01;ZE01.01;Dialyse;1,00;1-2"},
                    {"BE >ZE01.02 : neu", "BE ZE01.01>ZE01.01 Kode: unver\xE4ndert", "KH ZE2024-1> : entfallen"}},
        PairingCase{"SameCodeInTwoGroupsPairsInOrder",
                    {"BE;ZE01;ZE01.01;Eins;1,00;1-1", "BE;ZE02;ZE01.01;Zwei;1,00;1-2"},
                    {"BE;ZE03;ZE01.01;Zwei;1,00;1-2"},
                    {"BE ZE01.01>ZE01.01 Kode: Bezeichnung, OPS", "BE ZE01.01> : entfallen"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(YearComparison, AZeOnSeveralLinesTakesFirstDescriptionLastAmountAndEveryCode) {
  catalog::Catalog data;
  data.loadTexts({catalogText({}, {"BE;ZE01;ZE01.01;Erste Zeile;1,00;1-1/1-2", "BE;ZE01;ZE01.01;Zweite Zeile;7,50;1-2/1-3/",
                                   "BE;ZE01;ZE01.02;Andere;2,00;9-9"}),
                  "", "", ""});
  const auto zes = catalog::zesOfYear(data, "2025", catalog::Kind::Federal);
  ASSERT_EQ(zes.size(), 2u);
  EXPECT_EQ(zes[0].description, "Erste Zeile");
  EXPECT_EQ(zes[0].amount, "7,50");
  EXPECT_EQ(zes[0].opsCodes, (Strings{"1-1", "1-2", "1-3"}));
  EXPECT_EQ(zes[0].line, 0);
}

TEST(YearComparison, FieldsOfAChangedAmountAndCodes) {
  catalog::Catalog data;
  data.loadTexts({catalogText({"BE;ZE01;ZE01.01;Dialyse;1000,00;8-854.2/8-854.3"},
                              {"BE;ZE01;ZE01.01;Dialyse;1011,50;8-854.3/8-854.4/8-854.5"}),
                  "", "", ""});
  const auto rows = catalog::compareYears(data, "2024", "2025");
  ASSERT_EQ(rows.size(), 1u);
  const auto fields = catalog::comparisonFields(rows[0]);
  const std::array<std::string, catalog::kComparisonColumns> expected = {
      "BE", "ZE01.01", "ZE01.01", "Dialyse", "1000,00", "1011,50", "+11,50", "+1,2", "Betrag, OPS",
      "8-854.4, 8-854.5", "8-854.2", "Kode"};
  EXPECT_EQ(fields, expected);
}

struct AmountCase {
  const char* before;
  const char* after;
  const char* difference;
  const char* percent;
  bool changed;
};

class Amounts : public ::testing::TestWithParam<AmountCase> {};

TEST_P(Amounts, DifferenceAndPercentInGermanNotation) {
  const AmountCase& c = GetParam();
  catalog::Catalog data;
  data.loadTexts({catalogText({std::string("BE;G;ZE1;D;") + c.before + ";1-1"},
                              {std::string("BE;G;ZE1;D;") + c.after + ";1-1"}),
                  "", "", ""});
  const auto rows = catalog::compareYears(data, "2024", "2025");
  ASSERT_EQ(rows.size(), 1u);
  const auto fields = catalog::comparisonFields(rows[0]);
  EXPECT_EQ(fields[catalog::kColumnDifference], c.difference);
  EXPECT_EQ(fields[catalog::kColumnPercent], c.percent);
  EXPECT_EQ(rows[0].amountChanged, c.changed);
}

INSTANTIATE_TEST_SUITE_P(Notation, Amounts,
                         ::testing::Values(AmountCase{"2968,59", "3000,00", "+31,41", "+1,1", true},
                                           AmountCase{"100", "89,5", "-10,50", "-10,5", true},
                                           AmountCase{"1.234,56", "1234,56", "0,00", "0,0", false},
                                           AmountCase{"200,00", "200,10", "+0,10", "+0,1", true},
                                           AmountCase{"200,00", "199,90", "-0,10", "-0,1", true},
                                           AmountCase{"0,00", "5,00", "+5,00", "", true},
                                           AmountCase{"12,00 \x80", "12,5", "+0,50", "+4,2", true},
                                           AmountCase{"", "", "", "", false},
                                           AmountCase{"", "12,00", "", "", true},
                                           AmountCase{"siehe Anlage", "siehe Anlage", "", "", false}),
                         [](const auto& info) { return testing_support::caseName(info.index, info.param.after); });

TEST(YearComparison, SummaryCountsChangesAndAddsThePairedFederalAmounts) {
  catalog::Catalog data;
  data.loadTexts({catalogText({"BE;ZE01;ZE01.01;A;10,00;1-1", "BE;ZE01;ZE01.02;B;5,50;1-2", "BE;ZE01;ZE01.03;C;1,00;1-3",
                               "KH;G;ZE2024-1;K;100,00;2-1"},
                              {"BE;ZE01;ZE01.01;A;12,00;1-1", "BE;ZE01;ZE01.02;B;5,50;1-2", "BE;ZE01;ZE01.04;D;3,00;1-4",
                               "KH;G;ZE2025-1;K;90,00;2-1"}),
                  "", "", ""});
  const auto summary = catalog::summarize(catalog::compareYears(data, "2024", "2025"));
  EXPECT_EQ(summary.unchanged, 1);
  EXPECT_EQ(summary.changed, 2);
  EXPECT_EQ(summary.added, 1);
  EXPECT_EQ(summary.dropped, 1);
  EXPECT_EQ(summary.amountsUp, 1);
  EXPECT_EQ(summary.amountsDown, 1);
  EXPECT_EQ(catalog::formatAmount(summary.federalBefore, false), "15,50");
  EXPECT_EQ(catalog::formatAmount(summary.federalAfter, false), "17,50");
}

TEST(YearComparison, AmountsThroughTheYearsFollowRenumberedPartners) {
  catalog::Catalog data;
  data.loadTexts({"2023;KH;G;ZE2023-5;Pumpe;;1-1/1-2;\n"
                  "2024;KH;G;ZE2024-9;Pumpe gross;;1-1/1-2;\n"
                  "2024;KH;G;ZE2024-1;Andere;;7-7;\n"
                  "2025;KH;G;ZE2025-3;Pumpe gross;1,00;1-1/1-2/1-3;\n"
                  "2026;KH;G;ZE2026-1;Ganz anders;;9-9;\n",
                  "", "", ""});
  catalog::YearComparisons comparisons(data);
  Strings chain;
  for (const auto& entry : comparisons.amountsThroughYears("2024", catalog::Kind::Hospital, "G", "ZE2024-9"))
    chain.push_back(entry.year + " " + std::string(entry.code) + " " + std::string(entry.amount));
  EXPECT_EQ(chain, (Strings{"2023 ZE2023-5 ", "2024 ZE2024-9 ", "2025 ZE2025-3 1,00"}));
  EXPECT_TRUE(comparisons.amountsThroughYears("2024", catalog::Kind::Hospital, "G", "ZE9").empty());
}

// The chain through the years as the whole comparisons of consecutive
// years give it; what amountsThroughYears must equal.
Strings chainByWholeComparisons(const catalog::Catalog& data, const Strings& years, std::size_t own,
                                catalog::Kind kind, std::string group, std::string code) {
  Strings chain;
  const auto amountOf = [&](const std::string& year, const std::string& g, const std::string& c) {
    const auto lines = data.linesOfZe(year, kind, g, c);
    return year + " " + c + " " + std::string(lines[lines.size() - 1].amount);
  };
  chain.push_back(amountOf(years[own], group, code));
  for (const int direction : {1, -1}) {
    std::string g = group, c = code;
    for (std::size_t at = own; direction > 0 ? at + 1 < years.size() : at > 0;) {
      const std::size_t next = direction > 0 ? at + 1 : at - 1;
      const auto rows = catalog::compareYears(data, years[std::min(at, next)], years[std::max(at, next)], kind);
      const auto row = std::find_if(rows.begin(), rows.end(), [&](const catalog::ComparisonRow& r) {
        const auto& mine = direction > 0 ? r.before : r.after;
        return r.paired() && mine->group == g && mine->code == c;
      });
      if (row == rows.end()) break;
      const catalog::YearZe& partner = direction > 0 ? *row->after : *row->before;
      g = std::string(partner.group);
      c = std::string(partner.code);
      chain.push_back(amountOf(years[next], g, c));
      at = next;
    }
  }
  std::sort(chain.begin(), chain.end());
  return chain;
}

TEST(YearComparison, AmountsThroughTheYearsAreThoseOfTheWholeComparisons) {
  std::mt19937 random(2612);
  const auto pick = [&random](std::initializer_list<const char*> choices) {
    return std::string(choices.begin()[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random)]);
  };
  for (int round = 0; round < 150; ++round) {
    std::string text;
    for (int i = std::uniform_int_distribution<int>(2, 30)(random); i > 0; --i)
      text += pick({"2024", "2025", "2026", "2027"}) + ";" + pick({"BE", "KH"}) + ";" + pick({"G1", "G2"}) + ";" +
              pick({"ZE01.01", "ZE01.02", "ZE2025-1", "ZE2026-1", "ZE2026-2", "Z"}) + ";" +
              pick({"Pumpe", "pumpe", "Stent", "Dialyse"}) + ";" + pick({"1,00", "2,00", ""}) + ";" +
              pick({"1-1", "1-1/1-2", "1-2/1-3", "1-1/1-2/1-3", "9-9"}) + ";;\n";
    catalog::Catalog data;
    data.loadTexts({text, "", "", ""});
    catalog::YearComparisons comparisons(data);
    // Consecutive years of the catalog, which may skip one.
    Strings years = data.yearsLastFirst();
    std::sort(years.begin(), years.end());
    for (std::size_t y = 0; y < years.size(); ++y)
      for (const catalog::Kind kind : catalog::kKindsInSearchOrder)
        for (const catalog::YearZe& ze : catalog::zesOfYear(data, years[y], kind)) {
          Strings chain;
          for (const auto& entry : comparisons.amountsThroughYears(years[y], kind, ze.group, ze.code))
            chain.push_back(entry.year + " " + std::string(entry.code) + " " + std::string(entry.amount));
          std::sort(chain.begin(), chain.end());
          ASSERT_EQ(chain, chainByWholeComparisons(data, years, y, kind, std::string(ze.group), std::string(ze.code)))
              << "round " << round << "\n" << text;
        }
  }
}

}  // namespace
