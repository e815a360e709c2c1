// Importing a year from the official annexes, end to end: the 2012 annexes
// as published, into an empty folder and into one that holds other years.

#include <gtest/gtest.h>

#include "program_run.h"
#include "temporary_folder.h"
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <algorithm>
#include <fstream>
#include <map>
#include <iterator>
#include <sstream>
#include <vector>

namespace {

namespace fs = std::filesystem;
using testing_support::Outcome;
using testing_support::readFile;

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// Every file of a folder with its bytes.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder)) files[entry.path().filename().string()] = readFile(entry.path());
  return files;
}

class Import : public ::testing::Test {
 protected:
  Import() { fs::create_directory(folder()); }

  fs::path folder() const { return root_ / "catalog"; }

  Outcome run(const std::string& arguments) const { return testing_support::runProgram(root_, arguments); }

  static std::string annexes(const std::string& five = "Anlage5.pdf", const std::string& six = "Anlage6.pdf") {
    const std::string dir = std::string(TARVELO_ANNEX_DIR) + "/";
    return "--anlage2 '" + dir + "Anlage2.csv' --anlage4 '" + dir + "Anlage4.csv' --anlage5 '" + dir + five +
           "' --anlage6 '" + dir + six + "'";
  }

  Outcome import2012(const std::string& folderArgument = "--folder catalog") const {
    return run("--import 2012 " + annexes() + " " + folderArgument);
  }

  testing_support::TemporaryFolder temporary_;
  const fs::path& root_ = temporary_.path();
};

TEST_F(Import, The2012AnnexesGiveTheFourFilesOfTheYear) {
  const Outcome result = import2012();
  ASSERT_EQ(result.status, 0) << result.out << result.err;
  const std::vector<std::string> catalogLines = linesOf(readFile(folder() / "ZE-Katalog.csv"));
  const std::vector<std::string> opsTexts = linesOf(readFile(folder() / "OPS-Kodes.csv"));
  const std::vector<std::string> footnotes = linesOf(readFile(folder() / "Fu\xC3\x9Fnoten.txt"));
  const std::vector<std::string> assignments = linesOf(readFile(folder() / "OPS-Zuordnung.csv"));
  EXPECT_EQ(catalogLines.size(), 1274u);
  EXPECT_EQ(opsTexts.size(), 1496u);
  EXPECT_EQ(footnotes.size(), 17u);
  EXPECT_EQ(assignments.size(), 2046u);

  for (const std::string line : {
           "2012;BE;ZE10;;K\xFCnstlicher Blasenschlie\xDFmuskel;;5-597.0*/5-597.3*;;",
           "2012;BE;ZE10;ZE10;K\xFCnstlicher Blasenschlie\xDFmuskel;5.751,76;5-597.0*/5-597.3*;;",
           "2012;BE;ZE11;;Wirbelk\xF6rperersatz;;;;",
           "2012;BE;ZE11;ZE11.01;Wirbelk\xF6rperersatz, 1 Wirbelk\xF6rper;1.265,33;5-837.00;;",
           "2012;BE;ZE01;;H\xE4modialyse, intermittierend;;8-854.2/8-854.3/8-854.4/8-854.5/8-854.8;1;",
           "2012;BE;ZE01;ZE01.02;H\xE4modialyse, intermittierend, Alter < 15 Jahre;408,50;"
           "8-854.2/8-854.3/8-854.4/8-854.5/8-854.8;1;",
           "2012;BE;ZE13;ZE13.11;Gabe von Alemtuzumab, parenteral, siehe weitere Differenzierung ZE13.12 - ZE13.16;;;;",
           "2012;BE;ZE40;ZE40.01;Gabe von Filgrastim, parenteral, 70 Mio. IE bis unter 130 Mio. IE;130,94;6-002.10;6;",
           "2012;BE;ZE133;ZE133.01;Perkutan-transluminale Fremdk\xF6rperentfernung und Thrombektomie an "
           "intrakraniellen Gef\xE4\xDF" "en unter Verwendung eines Mikrodrahtretriever-Systems, 1 "
           "Mikrodrahtretriever-System;1.736,12;8-836.60/8-836.80/8-83b.80;2;",
           "2012;KH;ZE2012-01;;Beckenimplantate;;5-785.2d/5-785.3d/5-785.4d;4;",
           "2012;KH;ZE2012-01;ZE2012-01;Beckenimplantate;;5-785.2d/5-785.3d/5-785.4d;4;",
           "2012;KH;ZE2012-90;ZE2012-90;Gabe von Docetaxel, parenteral;;6-002.h*;8;",
       })
    EXPECT_TRUE(contains(catalogLines, line)) << line;
  for (const std::string line : {
           "2012;6-001.00;Applikation von Medikamenten, Liste 1: Alemtuzumab, parenteral: 30 mg bis unter 60 mg",
           "2012;8-820.00;Therapeutische Plasmapherese: 1 Plasmapherese",
           "2012;5-597.0*;Eingriffe bei artifiziellem Harnblasensphinkter: Implantation",
           "2012;8-821.**;Immunadsorption",
       })
    EXPECT_TRUE(contains(opsTexts, line)) << line;
  EXPECT_EQ(footnotes.front(), "2012;BE;*;Gilt f\xFCr alle entsprechenden 5-Steller oder 6-Steller des angegebenen "
                               "OPS-Kodes.");
  EXPECT_TRUE(contains(footnotes, "2012;KH;6;Nur abrechenbar in Kombination mit einem der grau hinterlegten "
                                  "OPS-Kodes."));
  EXPECT_EQ(assignments.front(), "8-854.2;2012;BE;ZE01;ZE01.01");
  // The report names what the rules inferred.
  EXPECT_NE(result.out.find("ZE-Katalog.csv: 1.274 Zeilen (BE 1.146, KH 128), ersetzt 0"), std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("ZE01: H\xC3\xA4modialyse, intermittierend"), std::string::npos);
  EXPECT_NE(result.out.find("Prothrombin-|komplex, -> Prothrombinkomplex,"), std::string::npos);
}

TEST_F(Import, TheAssignmentFileIsWhatAForcedRebuildWritesAndTheCheckFindsNoError) {
  ASSERT_EQ(import2012().status, 0);
  const std::string imported = readFile(folder() / "OPS-Zuordnung.csv");
  ASSERT_EQ(run("--rebuild --force catalog").status, 0);
  EXPECT_EQ(readFile(folder() / "OPS-Zuordnung.csv"), imported);
  const Outcome check = run("--check catalog");
  EXPECT_EQ(check.status, 0) << check.out;
  EXPECT_NE(check.out.find("0 Fehler, 0 Warnungen"), std::string::npos) << check.out;
}

TEST_F(Import, ImportingTheSameAnnexesAgainChangesNoByte) {
  ASSERT_EQ(import2012().status, 0);
  const auto before = snapshot(folder());
  const Outcome again = import2012();
  EXPECT_EQ(again.status, 0) << again.err;
  EXPECT_NE(again.out.find("ersetzt 1.274"), std::string::npos) << again.out;
  EXPECT_EQ(snapshot(folder()), before);
}

TEST_F(Import, OtherYearsStayByteForByteAndTheYearTakesItsFirstLinesPlace) {
  fs::remove(folder());
  fs::copy(TARVELO_SAMPLE_DIR, folder());
  // An old 2012 line between the sample's years, with LF ends around it.
  const std::string sample = readFile(folder() / "ZE-Katalog.csv");
  const std::string::size_type cut = sample.find("\r\n2025;") + 2;
  const std::string head = sample.substr(0, cut), tail = sample.substr(cut);
  std::ofstream(folder() / "ZE-Katalog.csv", std::ios::binary) << head << "2012;BE;ZEALT;;Alt;;;;\n" << tail;
  ASSERT_EQ(import2012().status, 0);
  const std::string after = readFile(folder() / "ZE-Katalog.csv");
  ASSERT_EQ(after.substr(0, head.size()), head);
  EXPECT_EQ(after.substr(head.size(), 6), "2012;B");
  EXPECT_EQ(after.substr(after.size() - tail.size()), tail);
  EXPECT_EQ(after.find("ZEALT"), std::string::npos);
  // The other files keep their lines and gain the year's at the end.
  const std::string opsTexts = readFile(folder() / "OPS-Kodes.csv");
  EXPECT_EQ(opsTexts.substr(0, readFile(fs::path(TARVELO_SAMPLE_DIR) / "OPS-Kodes.csv").size()),
            readFile(fs::path(TARVELO_SAMPLE_DIR) / "OPS-Kodes.csv"));
  // The backups are the files before.
  EXPECT_EQ(readFile(folder() / "ZE-Katalog.csv~"), head + "2012;BE;ZEALT;;Alt;;;;\n" + tail);
  EXPECT_EQ(run("--check catalog").status, 0);
}

TEST_F(Import, AnUnreadableAnnexWritesNothing) {
  fs::remove(folder());
  fs::copy(TARVELO_SAMPLE_DIR, folder());
  const auto before = snapshot(folder());
  struct Case {
    std::string arguments;
    std::string message;
  };
  const std::string dir = TARVELO_ANNEX_DIR;
  for (const Case& bad : std::vector<Case>{
           {annexes("Anlage6.pdf", "Anlage6.pdf"),
            "Datei \xE2\x80\x9E" + dir + "/Anlage6.pdf\xE2\x80\x9C: als Anlage 5 angegeben, enth\xC3\xA4lt aber Anlage 6"},
           {annexes("Anlage2.csv", "Anlage6.pdf"),
            "Datei \xE2\x80\x9E" + dir + "/Anlage2.csv\xE2\x80\x9C: als Anlage 5 angegeben, enth\xC3\xA4lt aber Anlage 2"},
           {annexes("README.md", "Anlage6.pdf"), "Datei \xE2\x80\x9E" + dir +
                                                     "/README.md\xE2\x80\x9C: keine Tabelle mit den Spalten von Anlage 5 "
                                                     "gefunden (es fehlt: Kopfzeile mit ZE und Bezeichnung)"},
       }) {
    const Outcome result = run("--import 2012 " + bad.arguments + " catalog");
    EXPECT_EQ(result.status, 1) << bad.arguments;
    EXPECT_EQ(result.err, "tarvelo: " + bad.message + "\n");
    EXPECT_EQ(snapshot(folder()), before);
  }
}

TEST_F(Import, WrongArgumentsAreUsageErrors) {
  struct Case {
    std::string arguments;
    std::string message;
  };
  for (const Case& bad : std::vector<Case>{
           {"--import 12 " + annexes(), "--import erwartet ein Jahr mit vier Ziffern, nicht \xE2\x80\x9E" "12\xE2\x80\x9C"},
           {"--import 2012 --anlage2 a --anlage4 b --anlage5 c", "--import braucht --anlage6 DATEI"},
           {"--anlage2 a catalog", "--anlage2, --anlage4, --anlage5 und --anlage6 gelten nur mit --import"},
           {"--import 2012 --check " + annexes(), "nur einer von --check, --rebuild, --lookup, --import, --compare"},
       }) {
    const Outcome result = run(bad.arguments);
    EXPECT_EQ(result.status, 2) << bad.arguments;
    EXPECT_EQ(result.err, "tarvelo: " + bad.message + "\n");
  }
}

}  // namespace
