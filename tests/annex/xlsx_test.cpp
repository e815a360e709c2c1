// Annexes as workbooks: the sheet with the annex's header, shared strings
// and numbers.

#include <gtest/gtest.h>

#include "annex/annex_file.h"
#include "annex/definitions.h"
#include "annex_files.h"
#include "temporary_folder.h"

namespace {

using annex::Column;

TEST(Xlsx, TheSheetWithTheAnnexsHeaderIsReadAndNumbersAreAmounts) {
  const std::string book = annex_testing::workbookOf({
      {{"Anlage 2 zur FPV 2012"}, {"Stand: 2011"}},
      {{"Anlage 4"}, {"ZE", "Bezeichnung"}, {"ZE2012-01", "Beckenimplantate"}},
      {{"Zusatzentgelte-Katalog"},
       {"ZE", "Bezeichnung", "Betrag"},
       {"ZE10", "K\xC3\xBCnstlicher Blasenschlie\xC3\x9Fmuskel", "5751.76"},
       {"ZE02", "H\xC3\xA4modiafiltration", "237"},
       {"ZE11", "Wirbelk\xC3\xB6rperersatz", "siehe Anlage 5"}},
  });
  testing_support::TemporaryFolder folder;
  folder.write("anlage.xlsx", book);
  const std::vector<annex::ListedZe> list =
      annex::listOf(annex::readAnnexTable(folder.file("anlage.xlsx"), 2), 2, "anlage.xlsx");
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].description, (annex::PrintedLines{"K\xFCnstlicher Blasenschlie\xDFmuskel"}));
  EXPECT_EQ(list[0].amount, "5.751,76");
  EXPECT_EQ(list[1].amount, "237,00");
  EXPECT_EQ(list[2].amount, "siehe Anlage 5");
  const std::vector<annex::ListedZe> hospital =
      annex::listOf(annex::readAnnexTable(folder.file("anlage.xlsx"), 4), 4, "anlage.xlsx");
  ASSERT_EQ(hospital.size(), 1u);
  EXPECT_EQ(hospital[0].code, "ZE2012-01");
}

TEST(Xlsx, ADamagedWorkbookIsRefusedByName) {
  std::string book = annex_testing::workbookOf({{{"ZE", "Bezeichnung"}, {"ZE2012-01", "Becken"}}});
  book.resize(book.size() / 2);
  testing_support::TemporaryFolder folder;
  folder.write("kaputt.xlsx", book);
  EXPECT_TRUE(testing_support::failsWith([&] { annex::readAnnexTable(folder.file("kaputt.xlsx"), 4); },
                                         "Datei \x84" + folder.file("kaputt.xlsx") +
                                             "\x93: Excel-Arbeitsmappe kann nicht gelesen werden (kein ZIP-Archiv)"));
}

}  // namespace
