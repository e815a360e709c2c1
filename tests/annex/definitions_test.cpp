// The table of Anlage 5 or 6 as what it defines: ZEs, ZEDs, OPS rows,
// headings over blocks, marks, amounts; and the refusals of a table that
// is not the annex asked for.

#include <gtest/gtest.h>

#include "annex/definitions.h"
#include "temporary_folder.h"

namespace {

using annex::Column;
using annex::Table;
using annex::TableLine;

TableLine line(std::string ze, std::string description, std::string zed, std::string code, std::string text,
               std::string amount) {
  TableLine made;
  made.cells = {std::move(ze), std::move(description), std::move(zed), std::move(code), std::move(text), std::move(amount)};
  return made;
}

Table anlage5(std::vector<TableLine> lines) {
  Table table;
  table.columns = {true, true, true, true, true, true};
  table.lines = std::move(lines);
  return table;
}

Table anlage6(std::vector<TableLine> lines) {
  Table table = anlage5(std::move(lines));
  table.columns[static_cast<std::size_t>(Column::Zed)] = false;
  table.columns[static_cast<std::size_t>(Column::Amount)] = false;
  return table;
}

TEST(Definitions, RowsContinueHeadingsHeadTheirBlockAndAZedWithoutCodeKeepsItsText) {
  const Table table = anlage5({
      line("ZE13", "Gabe von Alemtuzumab,", "", "", "Applikation von Medikamenten, Liste 1:", ""),
      line("", "parenteral", "", "", "Alemtuzumab, parenteral", ""),
      line("", "", "ZE13.01 6)", "6-001.00", "30 mg bis unter", "591,66 \x80"),
      line("", "", "", "", "60 mg", ""),
      line("", "", "ZE13.11", "", "siehe weitere Differenzierung", ""),
      line("", "", "ZE13.12", "6-001.0a", "330 mg bis unter 390 mg", "6.804,05 \x80"),
      line("ZE10", "K\xFCnstlicher", "", "5-597.0*", "Eingriffe: Implantation", "siehe Anlage 2"),
      line("", "Blasenschlie\xDFmuskel", "", "5-597.3*", "Eingriffe: Wechsel", "siehe Anlage 2"),
  });
  const annex::Definitions defined = annex::definitionsOf(table, 5, "A5.pdf");
  ASSERT_EQ(defined.zes.size(), 2u);
  const annex::DefinedZe& ze13 = defined.zes[0];
  EXPECT_EQ(ze13.description, (annex::PrintedLines{"Gabe von Alemtuzumab,", "parenteral"}));
  ASSERT_EQ(ze13.zeds.size(), 3u);
  EXPECT_TRUE(ze13.rows.empty());
  EXPECT_EQ(ze13.zeds[0].marks, (std::vector<std::string>{"6"}));
  EXPECT_EQ(ze13.zeds[0].amount, "591,66");
  ASSERT_EQ(ze13.zeds[0].rows.size(), 1u);
  EXPECT_EQ(ze13.zeds[0].rows[0].heading,
            (annex::PrintedLines{"Applikation von Medikamenten, Liste 1:", "Alemtuzumab, parenteral"}));
  EXPECT_EQ(ze13.zeds[0].rows[0].text, (annex::PrintedLines{"30 mg bis unter", "60 mg"}));
  EXPECT_TRUE(ze13.zeds[1].rows.empty());
  EXPECT_EQ(ze13.zeds[1].ownText, (annex::PrintedLines{"siehe weitere Differenzierung"}));
  EXPECT_EQ(ze13.zeds[2].rows[0].heading, ze13.zeds[0].rows[0].heading);
  const annex::DefinedZe& ze10 = defined.zes[1];
  EXPECT_TRUE(ze10.zeds.empty());
  ASSERT_EQ(ze10.rows.size(), 2u);
  EXPECT_EQ(ze10.rows[1].code, "5-597.3*");
  EXPECT_TRUE(ze10.rows[1].heading.empty());
  EXPECT_EQ(ze10.amount, "siehe Anlage 2");
}

TEST(Definitions, MarksStandBesideTheZeBeforeTheCodeOrGluedToTheZed) {
  const annex::Definitions hospital = annex::definitionsOf(
      anlage6({line("ZE2012-05 3), 4)", "Distraktion", "", "2) 5-775.8", "Plastische Rekonstruktion", ""),
               line("", "", "", "5-776.9 6)", "Osteotomie", "")}),
      6, "A6.pdf");
  ASSERT_EQ(hospital.zes.size(), 1u);
  EXPECT_EQ(hospital.zes[0].marks, (std::vector<std::string>{"3", "4"}));
  EXPECT_EQ(hospital.zes[0].rows[0].marks, (std::vector<std::string>{"2"}));
  EXPECT_EQ(hospital.zes[0].rows[0].code, "5-775.8");
  EXPECT_EQ(hospital.zes[0].rows[1].marks, (std::vector<std::string>{"6"}));
  const annex::Definitions federal =
      annex::definitionsOf(anlage5({line("ZE40", "Filgrastim", "ZE40.016)", "6-002.10", "70 Mio. IE", "130,94 \x80")}),
                           5, "A5.pdf");
  EXPECT_EQ(federal.zes[0].zeds[0].code, "ZE40.01");
  EXPECT_EQ(federal.zes[0].zeds[0].marks, (std::vector<std::string>{"6"}));
}

TEST(Definitions, FootnotesStartAtTheirMarks) {
  Table table = anlage6({line("ZE2012-01", "Becken", "", "5-785.2d", "Becken", "")});
  table.footnoteLines = {"*) Gilt f\xFCr alle", "5-Steller.", "4) Nach FPV 2012"};
  const annex::Definitions defined = annex::definitionsOf(table, 6, "A6.pdf");
  ASSERT_EQ(defined.footnotes.size(), 2u);
  EXPECT_EQ(defined.footnotes[0].mark, "*");
  EXPECT_EQ(defined.footnotes[0].text, (annex::PrintedLines{"Gilt f\xFCr alle", "5-Steller."}));
  EXPECT_EQ(defined.footnotes[1].mark, "4");
}

TEST(Definitions, ListsTakeDescriptionsOverLinesAndAmountsWithoutTheEuro) {
  Table table;
  table.columns = {true, true, false, false, false, true};
  table.lines = {line("ZE01.01", "H\xE4modialyse, intermittierend,", "", "", "", "220,99 \x80"),
                 line("", "Alter > 14 Jahre", "", "", "", ""), line("ZE11", "Wirbelk\xF6rperersatz", "", "", "", "siehe Anlage 5")};
  const std::vector<annex::ListedZe> list = annex::listOf(table, 2, "A2.csv");
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].description, (annex::PrintedLines{"H\xE4modialyse, intermittierend,", "Alter > 14 Jahre"}));
  EXPECT_EQ(list[0].amount, "220,99");
  EXPECT_EQ(list[1].amount, "siehe Anlage 5");
}

TEST(Definitions, RefuseATableThatIsNotTheAnnexAskedFor) {
  using testing_support::failsWith;
  const Table five = anlage5({line("ZE02", "H\xE4modiafiltration", "", "8-855.3", "Text", "siehe Anlage 2")});
  const Table six = anlage6({line("ZE2012-01", "Becken", "", "5-785.2d", "Becken", "")});
  Table noColumns;
  noColumns.columns = {true, true, false, false, false, false};
  Table listWithoutAmounts = noColumns;
  listWithoutAmounts.columns[static_cast<std::size_t>(Column::Text)] = true;
  EXPECT_TRUE(failsWith([&] { annex::definitionsOf(six, 5, "a6.pdf"); },
                        "Datei \x84" "a6.pdf\x93: als Anlage 5 angegeben, enth\xE4lt aber Anlage 6"));
  EXPECT_TRUE(failsWith([&] { annex::definitionsOf(five, 6, "a5.pdf"); },
                        "Datei \x84" "a5.pdf\x93: als Anlage 6 angegeben, enth\xE4lt aber Anlage 5"));
  EXPECT_TRUE(failsWith([&] { annex::listOf(noColumns, 2, "a4.csv"); },
                        "Datei \x84" "a4.csv\x93: als Anlage 2 angegeben, enth\xE4lt aber Anlage 4"));
  EXPECT_TRUE(failsWith([&] { annex::definitionsOf(listWithoutAmounts, 5, "x.csv"); },
                        "Datei \x84x.csv\x93: keine Tabelle mit den Spalten von Anlage 5 gefunden (es fehlt: ZED, "
                        "OPS-Kode, Betrag)"));
  EXPECT_TRUE(failsWith([&] { annex::definitionsOf(anlage6({line("", "Becken", "", "5-785.2d", "Becken", "")}), 6, "a6.pdf"); },
                        "Datei \x84" "a6.pdf\x93: Zeile ohne ZE-Kode in Anlage 6: \x84" "Becken 5-785.2d Becken\x93"));
  EXPECT_TRUE(failsWith(
      [&] { annex::definitionsOf(anlage5({line("ZE11", "W", "ZE11.01", "5-837.00", "Text", "1.265,3 \x80")}), 5, "a5.pdf"); },
      "Datei \x84" "a5.pdf\x93: \x84" "1.265,3 \x80\x93 ist kein Betrag (ZE11.01)"));
  EXPECT_TRUE(failsWith(
      [&] { annex::definitionsOf(anlage5({line("ZE11", "W", "ZE11.01", "5-837.00", "Text", "12.65,30")}), 5, "a5.pdf"); },
      "Datei \x84" "a5.pdf\x93: \x84" "12.65,30\x93 ist kein Betrag (ZE11.01)"));
}

}  // namespace
