// The rules that make a year's catalog lines of the four annexes, on small
// annexes made for each rule.

#include <gtest/gtest.h>

#include "annex/year_catalog.h"

namespace {

using annex::DefinedZe;
using annex::ListedZe;
using annex::OpsRow;
using annex::Zed;

OpsRow row(std::string code, std::string text, std::vector<std::string> marks = {}, annex::PrintedLines heading = {}) {
  return {std::move(code), std::move(marks), std::move(heading), {std::move(text)}, {}};
}

annex::Annexes smallAnnexes() {
  annex::Annexes annexes;
  annexes.federalList = {{"ZE01.01", {"H\xE4modialyse, intermittierend, Alter > 14 Jahre"}, "220,99"},
                         {"ZE01.02", {"H\xE4modialyse, intermittierend, Alter < 15 Jahre"}, "408,50"},
                         {"ZE10", {"K\xFCnstlicher Blasenschlie\xDFmuskel"}, "5.751,76"},
                         {"ZE11", {"Wirbelk\xF6rperersatz"}, "siehe Anlage 5"}};
  annexes.hospitalList = {{"ZE2012-01", {"Beckenimplantate"}, ""}};
  DefinedZe ze0101{"ZE01.01", {"1"}, {"H\xE4modialyse,", "intermittierend, Alter > 14 Jahre"}, "siehe Anlage 2",
                   {row("8-854.2", "H\xE4modialyse: Intermittierend"), row("8-854.3", "H\xE4modialyse: Sonstige")}, {}};
  DefinedZe ze0102{"ZE01.02", {"1"}, {"H\xE4modialyse, intermittierend, Alter < 15 Jahre"}, "siehe Anlage 2",
                   {row("8-854.3", "H\xE4modialyse: Sonstige"), row("8-854.2", "H\xE4modialyse: Intermittierend"),
                    row("8-854.9", "Kinder", {"3"})},
                   {}};
  DefinedZe ze10{"ZE10", {}, {"K\xFCnstlicher", "Blasenschlie\xDFmuskel"}, "siehe Anlage 2",
                 {row("5-597.0*", "Implantation"), row("5-597.3*", "Wechsel")}, {}};
  DefinedZe ze11{"ZE11", {}, {"Wirbelk\xF6rper-", "ersatz"}, "", {row("5-837.x", "Sonstige", {"2"})}, {}};
  ze11.zeds = {Zed{"ZE11.01", {"6"}, {}, "1.265,33", {row("5-837.00", "Wirbelk\xF6rperersatz: durch Implantat: 1 Wirbelk\xF6rper")}},
               Zed{"ZE11.02", {}, {"siehe weitere Differenzierung"}, "", {}}};
  annexes.federal.zes = {ze0101, ze0102, ze10, ze11};
  annexes.federal.footnotes = {{"1", {"Nicht mit", "L60."}}, {"*", {"Gilt f\xFCr alle."}}};
  DefinedZe hospital{"ZE2012-01", {"4"}, {"Becken-", "implantate"}, "", {row("5-785.2d", "Becken", {"5"})}, {}};
  annexes.hospital.zes = {hospital};
  annexes.hospital.footnotes = {{"4", {"Nach FPV"}}};
  return annexes;
}

TEST(YearCatalog, EachKindOfZeGetsItsGroupAndZeLines) {
  annex::ImportReport report;
  const annex::YearLines lines = annex::yearLinesOf(smallAnnexes(), "2012", report);
  EXPECT_EQ(lines.catalog, (std::vector<std::string>{
      // ZEs printed as rows of their own: the group takes what all share.
      "2012;BE;ZE01;;H\xE4modialyse, intermittierend;;8-854.2/8-854.3;1;",
      "2012;BE;ZE01;ZE01.01;H\xE4modialyse, intermittierend, Alter > 14 Jahre;220,99;8-854.2/8-854.3;1;",
      "2012;BE;ZE01;ZE01.02;H\xE4modialyse, intermittierend, Alter < 15 Jahre;408,50;8-854.3/8-854.2/8-854.9;1,3;",
      // A ZE whose code is its group's, without ZEDs: "siehe Anlage 2" takes the list's amount.
      "2012;BE;ZE10;;K\xFCnstlicher Blasenschlie\xDFmuskel;;5-597.0*/5-597.3*;;",
      "2012;BE;ZE10;ZE10;K\xFCnstlicher Blasenschlie\xDFmuskel;5.751,76;5-597.0*/5-597.3*;;",
      // With ZEDs: the group's own codes and marks come first on every ZED.
      "2012;BE;ZE11;;Wirbelk\xF6rperersatz;;5-837.x;2;",
      "2012;BE;ZE11;ZE11.01;Wirbelk\xF6rperersatz, 1 Wirbelk\xF6rper;1.265,33;5-837.x/5-837.00;2,6;",
      "2012;BE;ZE11;ZE11.02;Wirbelk\xF6rperersatz, siehe weitere Differenzierung;;5-837.x;2;",
      "2012;KH;ZE2012-01;;Beckenimplantate;;5-785.2d;4,5;",
      "2012;KH;ZE2012-01;ZE2012-01;Beckenimplantate;;5-785.2d;4,5;",
  }));
  EXPECT_EQ(lines.footnotes, (std::vector<std::string>{"2012;BE;1;Nicht mit L60.", "2012;BE;*;Gilt f\xFCr alle.",
                                                       "2012;KH;4;Nach FPV"}));
  EXPECT_EQ(report.federalLines, 8u);
  EXPECT_EQ(report.hospitalLines, 2u);
  EXPECT_EQ(report.inferredGroups, (std::vector<std::string>{"ZE01: H\xE4modialyse, intermittierend"}));
  EXPECT_EQ(report.zedDescriptions.size(), 2u);
}

TEST(YearCatalog, OpsTextsOnceInPrintOrderWithTheirHeadingAndTheFirstTextKept) {
  annex::Annexes annexes = smallAnnexes();
  annexes.federal.zes[1].rows[0].text = {"H\xE4modialyse; anders"};
  annexes.hospital.zes[0].rows[0].heading = {"Implantation von", "Knochenersatz"};
  annex::ImportReport report;
  const annex::YearLines lines = annex::yearLinesOf(annexes, "2012", report);
  EXPECT_EQ(lines.opsTexts, (std::vector<std::string>{
                                "2012;8-854.2;H\xE4modialyse: Intermittierend",
                                "2012;8-854.3;H\xE4modialyse: Sonstige",
                                "2012;8-854.9;Kinder",
                                "2012;5-597.0*;Implantation",
                                "2012;5-597.3*;Wechsel",
                                "2012;5-837.x;Sonstige",
                                "2012;5-837.00;Wirbelk\xF6rperersatz: durch Implantat: 1 Wirbelk\xF6rper",
                                "2012;5-785.2d;Implantation von Knochenersatz: Becken",
                            }));
  ASSERT_EQ(report.disagreements.size(), 1u);
  EXPECT_EQ(report.disagreements[0],
            "8-854.3: zweimal gedruckt mit verschiedenem Text (ZE01.02), der erste gilt: \x84H\xE4modialyse: Sonstige\x93");
}

TEST(YearCatalog, TheReportNamesWhereListsAndTablesDisagree) {
  annex::Annexes annexes = smallAnnexes();
  annexes.federalList[2].description = {"K\xFCnstlicher Harnblasenschlie\xDFmuskel"};
  annexes.federalList[2].amount = "5.000,00";
  annexes.federal.zes[2].amount = "5.751,76";
  annexes.federalList.push_back({"ZE99", {"Nur gelistet"}, "1,00"});
  annexes.hospitalList.clear();
  annex::ImportReport report;
  const annex::YearLines lines = annex::yearLinesOf(annexes, "2012", report);
  EXPECT_EQ(lines.catalog[4], "2012;BE;ZE10;ZE10;K\xFCnstlicher Harnblasenschlie\xDF" "muskel;5.751,76;5-597.0*/5-597.3*;;");
  EXPECT_EQ(lines.catalog[8], "2012;KH;ZE2012-01;;Beckenimplantate;;5-785.2d;4,5;");
  EXPECT_EQ(report.disagreements,
            (std::vector<std::string>{
                "ZE10: Bezeichnung in Anlage 2 \x84K\xFCnstlicher Harnblasenschlie\xDFmuskel\x93, in Anlage 5 "
                "\x84K\xFCnstlicher Blasenschlie\xDFmuskel\x93",
                "ZE10: Betrag in Anlage 2 5.000,00, in Anlage 5 5.751,76",
                "ZE2012-01: nicht in Anlage 4, Bezeichnung aus Anlage 6",
                "ZE99: in Anlage 2, nicht in Anlage 5",
            }));
}

}  // namespace
