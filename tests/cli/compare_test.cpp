// Comparing two years from the command line: the rows, the refusals and
// the workbook.

#include <gtest/gtest.h>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "program_run.h"
#include "temporary_folder.h"

namespace {

namespace fs = std::filesystem;
using testing_support::Outcome;
using testing_support::readFile;

// One part of a zip archive (a workbook's XML).
std::string partOf(const fs::path& archive, const char* name) {
  QuaZip zip(QString::fromStdString(archive.string()));
  if (!zip.open(QuaZip::mdUnzip) || !zip.setCurrentFile(QString::fromLatin1(name))) return {};
  QuaZipFile part(&zip);
  if (!part.open(QIODevice::ReadOnly)) return {};
  return part.readAll().toStdString();
}

class Compare : public ::testing::Test {
 protected:
  Compare() {
    fs::create_directory(folder());
    writeFolder(
        "2024;BE;ZE01;;Dialyse;;;;\r\n"
        "2024;BE;ZE01;ZE01.01;Dialyse kurz;100,00;1-1;;\r\n"
        "2024;BE;ZE01;ZE01.02;Filtration;50,00;1-2;;\r\n"
        "2024;BE;ZE01;ZE01.03;Alt;10,00;1-3;;\r\n"
        "2024;KH;ZE2024-1;ZE2024-1;Pumpe;;5-1/5-2;;\r\n"
        "2025;BE;ZE01;;Dialyse;;;;\r\n"
        "2025;BE;ZE01;ZE01.01;Dialyse kurz;111,50;1-1;;\r\n"
        "2025;BE;ZE01;ZE01.04;Neu;20,00;1-9;;\r\n"
        "2025;BE;ZE01;ZE01.02;Filtration;50,00;1-2/1-4;;\r\n"
        "2025;KH;ZE2025-7;ZE2025-7;pumpe;;5-1/5-2;;\r\n");
  }

  void writeFolder(const std::string& catalogLines) const {
    std::ofstream(folder() / "ZE-Katalog.csv", std::ios::binary) << catalogLines;
    for (const char* name : {"Fu\xC3\x9Fnoten.txt", "OPS-Kodes.csv", "OPS-Zuordnung.csv"})
      std::ofstream(folder() / name, std::ios::binary);
  }

  fs::path folder() const { return root_ / "catalog"; }

  Outcome run(const std::string& arguments) const { return testing_support::runProgram(root_, arguments); }

  testing_support::TemporaryFolder temporary_;
  const fs::path& root_ = temporary_.path();
};

const std::string kHeader =
    "Art\tZE alt\tZE neu\tBezeichnung\tBetrag alt\tBetrag neu\tDifferenz\tProzent\t\xC3\x84nderung\tOPS hinzu\t"
    "OPS entfallen\tverglichen \xC3\xBC" "ber\n";

TEST_F(Compare, PrintsTheRowsOfBothKindsNewOrderThenTheDropped) {
  const Outcome result = run("--compare 2024 2025 catalog");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, kHeader +
                            "BE\tZE01.01\tZE01.01\tDialyse kurz\t100,00\t111,50\t+11,50\t+11,5\tBetrag\t\t\tKode\n"
                            "BE\t\tZE01.04\tNeu\t\t20,00\t\t\tneu\t\t\t\n"
                            "BE\tZE01.02\tZE01.02\tFiltration\t50,00\t50,00\t0,00\t0,0\tOPS\t1-4\t\tKode\n"
                            "BE\tZE01.03\t\tAlt\t10,00\t\t\t\tentfallen\t\t\t\n"
                            "KH\tZE2024-1\tZE2025-7\tpumpe\t\t\t\t\tunver\xC3\xA4ndert\t\t\tBezeichnung\n");
}

TEST_F(Compare, KindLimitsTheRows) {
  const Outcome result = run("--compare 2024 2025 --kind KH --folder catalog");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, kHeader + "KH\tZE2024-1\tZE2025-7\tpumpe\t\t\t\t\tunver\xC3\xA4ndert\t\t\tBezeichnung\n");
}

TEST_F(Compare, Refusals) {
  struct Case {
    const char* arguments;
    int status;
    const char* message;
  };
  for (const Case& c : {
           Case{"--compare 2024 2030 catalog", 1, "tarvelo: Jahr 2030 fehlt im Katalog; er enth\xC3\xA4lt 2024, 2025\n"},
           Case{"--compare 2023 2025 catalog", 1, "tarvelo: Jahr 2023 fehlt im Katalog; er enth\xC3\xA4lt 2024, 2025\n"},
           Case{"--compare 2024", 2, "tarvelo: --compare braucht zwei Jahre: --compare ALT NEU\n"},
           Case{"--compare 2024 --kind BE", 2, "tarvelo: --compare braucht zwei Jahre: --compare ALT NEU\n"},
           Case{"--compare 24 2025 catalog", 2,
                "tarvelo: --compare erwartet Jahre mit vier Ziffern, nicht \xE2\x80\x9E" "24\xE2\x80\x9C\n"},
           Case{"--compare 2024 2025 --kind be catalog", 2,
                "tarvelo: --kind erwartet BE oder KH, nicht \xE2\x80\x9E" "be\xE2\x80\x9C\n"},
           Case{"--check --kind BE catalog", 2, "tarvelo: --kind gilt nur mit --compare\n"},
           Case{"--lookup --xlsx a.xlsx 8-854.2", 2, "tarvelo: --xlsx gilt nur mit --compare\n"},
           Case{"--compare 2024 2025 --rebuild catalog", 2,
                "tarvelo: nur einer von --check, --rebuild, --lookup, --import, --compare\n"},
       }) {
    SCOPED_TRACE(c.arguments);
    const Outcome result = run(c.arguments);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.err, c.message);
    EXPECT_EQ(result.out, "");
  }
}

TEST_F(Compare, WritesTheRowsAsAWorkbookWithNumbersABoldFilteredFrozenHeader) {
  const Outcome result = run("--compare 2024 2025 --xlsx vergleich.xlsx catalog");
  ASSERT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.out, "");
  const fs::path workbook = root_ / "vergleich.xlsx";  // named from where the program started
  const std::string sheet = partOf(workbook, "xl/worksheets/sheet1.xml");
  ASSERT_FALSE(sheet.empty());
  // Amounts, differences and percentages are numbers, each with its format.
  EXPECT_NE(sheet.find("<c r=\"E2\" s=\"2\"><v>100</v></c><c r=\"F2\" s=\"2\"><v>111.5</v></c>"
                       "<c r=\"G2\" s=\"3\"><v>11.5</v></c><c r=\"H2\" s=\"4\"><v>11.5</v></c>"),
            std::string::npos)
      << sheet;
  EXPECT_NE(sheet.find("<autoFilter ref=\"A1:L6\"/>"), std::string::npos);
  EXPECT_NE(sheet.find("<pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" state=\"frozen\"/>"),
            std::string::npos);
  EXPECT_NE(sheet.find("<c r=\"A1\" s=\"1\" t=\"s\">"), std::string::npos);
  const std::string styles = partOf(workbook, "xl/styles.xml");
  EXPECT_NE(styles.find("formatCode=\"#,##0.00\""), std::string::npos);
  EXPECT_NE(styles.find("formatCode=\"+#,##0.00;-#,##0.00;0.00\""), std::string::npos);
  EXPECT_NE(styles.find("<b/>"), std::string::npos);
  const std::string strings = partOf(workbook, "xl/sharedStrings.xml");
  EXPECT_NE(strings.find("<t>unver\xC3\xA4ndert</t>"), std::string::npos);
  EXPECT_NE(strings.find("<t>\xC3\x84nderung</t>"), std::string::npos);
}

TEST_F(Compare, AWorkbookThatCannotReplaceTheNameLeavesWhatWasThere) {
  fs::create_directory(root_ / "vergleich.xlsx");
  std::ofstream(root_ / "vergleich.xlsx" / "vorher.txt", std::ios::binary) << "vorher";
  const Outcome result = run("--compare 2024 2025 --xlsx vergleich.xlsx catalog");
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err.rfind("tarvelo: Die Excel-Datei \xE2\x80\x9E", 0), 0u) << result.err;
  EXPECT_NE(result.err.find("vergleich.xlsx\xE2\x80\x9C kann nicht geschrieben werden: Ist ein Verzeichnis"),
            std::string::npos)
      << result.err;
  EXPECT_EQ(readFile(root_ / "vergleich.xlsx" / "vorher.txt"), "vorher");
  // The workbook written beside it is gone again.
  for (const auto& entry : fs::directory_iterator(root_))
    EXPECT_EQ(entry.path().filename().string().find(".vergleich"), std::string::npos) << entry.path();
}

TEST_F(Compare, AWorkbookIntoAMissingFolderFails) {
  const Outcome result = run("--compare 2024 2025 --xlsx fehlt/vergleich.xlsx catalog");
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.err.find("fehlt/vergleich.xlsx\xE2\x80\x9C kann nicht geschrieben werden: "), std::string::npos)
      << result.err;
  EXPECT_FALSE(fs::exists(root_ / "fehlt"));
}

}  // namespace
