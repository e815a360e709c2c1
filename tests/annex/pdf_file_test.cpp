// Annexes as PDFs made with QPdfWriter and read back through poppler, and
// the files the import refuses.

#include <gtest/gtest.h>

#include "annex/annex_file.h"
#include "annex/definitions.h"
#include "annex_files.h"
#include "temporary_folder.h"

namespace {

using annex::Column;
using annex_testing::addRow;
using testing_support::failsWith;

// Two pages of Anlage 6: a ZE whose rows continue on the next page, a mark
// before a code, a text over two lines; the footnotes after the table.
std::string smallAnlage6() {
  annex_testing::Page first = annex_testing::anlage6Header(130);
  first.push_back({347, 110, "OPS Version 2012"});
  addRow(first, 170, {{58, "ZE2012-01"}, {97, "4)"}, {115, "Beckenimplantate"}, {242, "5-785.2d"},
                      {305, "Implantation von alloplastischem Knochenersatz:"}});
  addRow(first, 179, {{305, "Keramischer Knochenersatz: Becken"}});
  addRow(first, 800, {{517, "Seite 1"}});
  annex_testing::Page second = annex_testing::anlage6Header(70);
  addRow(second, 110, {{230, "2)"}, {242, "5-785.3d"}, {305, "Metallischer Knochenersatz: Becken"}});
  addRow(second, 128, {{58, "ZE2012-02"}, {115, "Links- und"}, {242, "5-376.20"}, {305, "Implantation"}});
  addRow(second, 137, {{115, "rechtsventrikul\xC3\xA4re Systeme"}});
  addRow(second, 160, {{58, "Fu\xC3\x9Fnoten:"}});
  addRow(second, 175, {{58, "4)"}, {115, "Nach FPV 2012 weiter zu erheben."}});
  return annex_testing::pdfOf({first, second});
}

TEST(PdfFile, ATwoPageAnnexReadsAsItsRowsAndFootnotes) {
  testing_support::TemporaryFolder folder;
  folder.write("a6.pdf", smallAnlage6());
  const annex::Table table = annex::readAnnexTable(folder.file("a6.pdf"), 6);
  EXPECT_EQ(table.printedYear, "2012");
  const annex::Definitions defined = annex::definitionsOf(table, 6, "a6.pdf");
  ASSERT_EQ(defined.zes.size(), 2u);
  const annex::DefinedZe& first = defined.zes[0];
  EXPECT_EQ(first.marks, (std::vector<std::string>{"4"}));
  ASSERT_EQ(first.rows.size(), 2u);
  EXPECT_EQ(first.rows[0].text,
            (annex::PrintedLines{"Implantation von alloplastischem Knochenersatz:", "Keramischer Knochenersatz: Becken"}));
  EXPECT_EQ(first.rows[1].code, "5-785.3d");
  EXPECT_EQ(first.rows[1].marks, (std::vector<std::string>{"2"}));
  EXPECT_EQ(defined.zes[1].description, (annex::PrintedLines{"Links- und", "rechtsventrikul\xE4re Systeme"}));
  ASSERT_EQ(defined.footnotes.size(), 1u);
  EXPECT_EQ(defined.footnotes[0].text, (annex::PrintedLines{"Nach FPV 2012 weiter zu erheben."}));
}

TEST(PdfFile, FilesThatAreNoAnnexAreRefusedByName) {
  testing_support::TemporaryFolder folder;
  const std::string pdf = smallAnlage6();
  struct Case {
    std::string name, bytes, message;
  };
  const std::vector<Case> cases = {
      {"bild.png", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), "weder PDF noch CSV-Datei noch Excel-Arbeitsmappe (.xlsx)"},
      {"leer.csv", "", "weder PDF noch CSV-Datei noch Excel-Arbeitsmappe (.xlsx)"},
      {"kaputt.pdf", "%PDF-1.4\n" + std::string(2000, 'x') + "\n%%EOF\n",
       "PDF ist besch\xE4" "digt oder unvollst\xE4ndig und kann nicht gelesen werden"},
      {"halb.pdf", pdf.substr(0, pdf.size() / 2), "PDF ist besch\xE4" "digt oder unvollst\xE4ndig und kann nicht gelesen werden"},
      {"ohne-text.pdf", annex_testing::pdfOf({{}}),
       "PDF ohne Text (nur Bilder?); bitte eine PDF mit Textebene, CSV oder .xlsx angeben"},
      {"anlage5.pdf", pdf, "als Anlage 5 angegeben, enth\xE4lt aber Anlage 6"},
  };
  for (const Case& bad : cases) {
    folder.write(bad.name, bad.bytes);
    const std::string path = folder.file(bad.name);
    EXPECT_TRUE(failsWith(
        [&] {
          const annex::Table table = annex::readAnnexTable(path, 5);
          annex::definitionsOf(table, 5, path);
        },
        "Datei \x84" + path + "\x93: " + bad.message))
        << bad.name;
  }
}

}  // namespace
