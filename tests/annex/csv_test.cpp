// Annexes as a spreadsheet saves them: separators, encodings, quoted
// cells, header rows found by their words.

#include <gtest/gtest.h>

#include "annex/annex_file.h"
#include "annex/definitions.h"
#include "temporary_folder.h"

namespace {

using annex::Column;

annex::Table tableOf(const std::string& bytes, int annexNumber) {
  testing_support::TemporaryFolder folder;
  folder.write("annex", bytes);
  return annex::readAnnexTable(folder.file("annex"), annexNumber);
}

TEST(Csv, SeparatorsAndEncodingsGiveTheSameTable) {
  const std::vector<std::pair<std::string, std::string>> files = {
      {"semicolon, Windows-1252", "ZE;Bezeichnung;Betrag\r\nZE10;K\xFCnstlicher Blasenschlie\xDFmuskel;5.751,76 \x80\r\n"},
      {"comma, UTF-8 with BOM",
       "\xEF\xBB\xBFZE,Bezeichnung,Betrag\nZE10,K\xC3\xBCnstlicher Blasenschlie\xC3\x9Fmuskel,\"5.751,76 \xE2\x82\xAC\"\n"},
      {"tab, UTF-8", "ZE\tBezeichnung\tBetrag\nZE10\tK\xC3\xBCnstlicher Blasenschlie\xC3\x9Fmuskel\t5.751,76 \xE2\x82\xAC\n"},
  };
  for (const auto& [name, bytes] : files) {
    const annex::Table table = tableOf(bytes, 2);
    ASSERT_EQ(table.lines.size(), 1u) << name;
    EXPECT_EQ(table.lines[0][Column::Description], "K\xFCnstlicher Blasenschlie\xDFmuskel") << name;
    EXPECT_EQ(table.lines[0][Column::Amount], "5.751,76 \x80") << name;
  }
}

TEST(Csv, ColumnsByTheirHeaderWordsWhateverStandsAroundThem) {
  // A title above the header, the columns in another order, the row of
  // column numbers, a repeated header and a footer; a quoted cell with a
  // line break and a ";" inside.
  const annex::Table table = tableOf(
      "Zusatzentgelte-Katalog;;;\r\n"
      "OPS Version 2012;;;\r\n"
      "OPS-Text;ZE;OPS-Kode;Bezeichnung\r\n"
      "4;1;3;2\r\n"
      "\"Implantation: Keramischer\r\nKnochenersatz; Becken\";ZE2012-01 4);5-785.2d;Beckenimplantate\r\n"
      "Seite 1;;;\r\n"
      "OPS-Text;ZE;OPS-Kode;Bezeichnung\r\n"
      "Metallischer Knochenersatz;;5-785.4d;\r\n"
      "Fu\xDFnoten:;;;\r\n"
      "4);Nach FPV 2012;;\r\n",
      6);
  EXPECT_EQ(table.printedYear, "2012");
  ASSERT_EQ(table.lines.size(), 2u);
  EXPECT_EQ(table.lines[0][Column::Ze], "ZE2012-01 4)");
  EXPECT_EQ(table.lines[0][Column::Text], "Implantation: Keramischer\nKnochenersatz; Becken");
  EXPECT_EQ(table.lines[1][Column::Code], "5-785.4d");
  EXPECT_EQ(table.footnoteLines, (std::vector<std::string>{"4) Nach FPV 2012"}));
  const annex::Definitions defined = annex::definitionsOf(table, 6, "a6.csv");
  ASSERT_EQ(defined.zes.size(), 1u);
  EXPECT_EQ(defined.zes[0].rows.size(), 2u);
  EXPECT_EQ(defined.zes[0].rows[0].text, (annex::PrintedLines{"Implantation: Keramischer", "Knochenersatz; Becken"}));
}

}  // namespace
