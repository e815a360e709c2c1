// The catalog check: one small consistent catalog with no findings, and one
// planted fault per finding, found at its line.

#include <gtest/gtest.h>

#include "catalog/check.h"

namespace {

using Lines = std::vector<std::string>;

std::string crlf(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

struct Files {
  Lines catalog = {
      "2031;BE;ZE01;;Gruppe Eins;;1-100.0;1;",
      "2031;BE;ZE01;ZE01.01;Eins Stufe 1;1.234,50;1-101.0/5-38a.7*;1,2;",
      "2031;KH;ZE40;;Gruppe KH;;;;",
      "2031;KH;ZE40;ZE40.01;KH Leistung;41,00;4-400.0;;",
  };
  Lines footnotes = {"2031;BE;1;Fu\xDFnote eins", "2031;BE;2;Fu\xDFnote zwei"};
  Lines opsTexts = {"2031;1-100.0;Gruppenprozedur", "2031;1-101.0;Prozedur", "2031;5-38a.70;Stent",
                    "2031;4-400.0;Prozedur KH"};
  Lines assignments = {"1-100.0;2031;BE;ZE01;ZE01.01", "1-101.0;2031;BE;ZE01;ZE01.01",
                       "5-38a.7*;2031;BE;ZE01;ZE01.01", "4-400.0;2031;KH;ZE40;ZE40.01"};
  Lines rebuilt = assignments;

  // Views of texts this object keeps.
  catalog::CheckInput input() {
    texts = {crlf(catalog), crlf(footnotes), crlf(opsTexts), crlf(assignments)};
    return {{texts[0], texts[1], texts[2], texts[3]}, [lines = rebuilt] { return lines; }};
  }
  std::array<std::string, 4> texts;
};

TEST(Check, ConsistentCatalogHasNoFindings) {
  const auto findings = catalog::checkCatalog(Files().input());
  for (const auto& finding : findings) ADD_FAILURE() << catalog::formatFinding(finding);
  EXPECT_EQ(catalog::summarize(findings), "0 Fehler, 0 Warnungen, 0 Hinweise");
}

// The "*" footnote is the legend of wildcard codes: a year and kind whose
// codes hold a "*" use it; one without does not.
TEST(Check, TheWildcardLegendIsUsedWhereCodesHoldAStar) {
  Files files;
  files.footnotes.push_back("2031;BE;*;Gilt f\xFCr alle 5-Steller");
  files.footnotes.push_back("2031;KH;*;Gilt f\xFCr alle 5-Steller");
  std::vector<std::string> shown;
  for (const auto& finding : catalog::checkCatalog(files.input())) shown.push_back(catalog::formatFinding(finding));
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "Fu\xDFnoten.txt:4: Hinweis: Fu\xDFnote \"2031;KH;*\" wird im Katalog nicht verwendet"}));
}

// A finding quotes at most 200 characters of a line, then "…".
TEST(Check, AQuotedLineIsCutAt200Characters) {
  Files files;
  files.catalog.push_back("2031;BE;ZE01;ZE01.01;Eins Stufe 1;" + std::string(300, 'x') + ";1-101.0;;");
  std::vector<std::string> shown;
  for (const auto& finding : catalog::checkCatalog(files.input())) shown.push_back(catalog::formatFinding(finding));
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown[0], "ZE-Katalog.csv:5: Warnung: Betrag \"" + std::string(200, 'x') +
                          "\x85\" ist keine deutsche Dezimalzahl");
}

struct FaultCase {
  const char* name;
  std::function<void(Files&)> plant;
  std::string expected;  // the formatted finding
};

class CheckFinds : public ::testing::TestWithParam<FaultCase> {};

TEST_P(CheckFinds, ThePlantedFaultAtItsLine) {
  Files files;
  GetParam().plant(files);
  const auto findings = catalog::checkCatalog(files.input());
  std::vector<std::string> shown;
  for (const auto& finding : findings) shown.push_back(catalog::formatFinding(finding));
  EXPECT_NE(std::find(shown.begin(), shown.end(), GetParam().expected), shown.end())
      << ::testing::PrintToString(shown);
}

const std::string kCatalogName = "ZE-Katalog.csv";

INSTANTIATE_TEST_SUITE_P(
    Faults, CheckFinds,
    ::testing::Values(
        FaultCase{"TooFewFields", [](Files& f) { f.catalog[3] = "2031;KH;ZE40;ZE40.01;KH Leistung;41,00;"; },
                  "ZE-Katalog.csv:4: Fehler: Zu wenige Felder: eine Katalogzeile braucht 8 mit \";\" abgeschlossene Felder"},
        FaultCase{"FootnoteMarksWithoutTheirSemicolon",
                  [](Files& f) { f.catalog[3] = "2031;KH;ZE40;ZE40.01;KH Leistung;41,00;4-400.0;1"; },
                  "ZE-Katalog.csv:4: Warnung: Fu\xDFnotenzeichen \"1\" ohne abschlie\xDF" "endes \";\" werden nicht gelesen"},
        FaultCase{"TwoDigitYear", [](Files& f) { f.catalog.push_back("31;BE;ZE09;;Kurz;;;;;"); },
                  "ZE-Katalog.csv:5: Fehler: Jahr \"31;B\" hat nicht vier Ziffern"},
        FaultCase{"LowerCaseKind", [](Files& f) { f.catalog[2] = "2031;kh;ZE40;;Gruppe KH;;;;"; },
                  "ZE-Katalog.csv:3: Fehler: Art \"kh\" ist weder BE noch KH"},
        FaultCase{"ZeWithoutGroupLine", [](Files& f) { f.catalog.erase(f.catalog.begin() + 2); },
                  "ZE-Katalog.csv:3: Fehler: ZE \"ZE40.01\": keine Gruppenzeile f\xFCr \"2031;KH;ZE40\""},
        FaultCase{"Utf8Text", [](Files& f) { f.catalog[0] = "2031;BE;ZE01;;Gruppe Eins f\xC3\xBCr alle;;1-100.0;1;"; },
                  "ZE-Katalog.csv:1: Fehler: Zeile ist UTF-8-kodiert, nicht Windows-1252"},
        FaultCase{"Utf8Bom", [](Files& f) { f.footnotes[0] = "\xEF\xBB\xBF" + f.footnotes[0]; },
                  "Fu\xDFnoten.txt:1: Fehler: UTF-8-Byte-Order-Mark am Dateianfang; die Datei muss Windows-1252 sein"},
        FaultCase{"NulByte", [](Files& f) { f.opsTexts[1] = std::string("2031;1-101.0;Pro\0zedur", 22); },
                  "OPS-Kodes.csv:2: Fehler: NUL-Byte; der Rest der Datei (55 Bytes) wird nicht gelesen"},
        FaultCase{"AssignmentsOutOfDate", [](Files& f) { f.rebuilt.push_back("9-999.9;2031;BE;ZE01;ZE01.01"); },
                  "OPS-Zuordnung.csv: Fehler: weicht von OPS-Match ab: 1 Zeilen k\xE4men hinzu, 0 entfielen; neu: "
                  "\"9-999.9;2031;BE;ZE01;ZE01.01\" (tarvelo --rebuild schreibt sie neu)"},
        FaultCase{"AssignmentWithTooFewFields", [](Files& f) { f.assignments[1] = "1-101.0;2031;BE"; },
                  "OPS-Zuordnung.csv:2: Fehler: Zu wenige Felder: erwartet Kode;Jahr;Art;Gruppe;ZE"},
        FaultCase{"OpsCodeWithoutText", [](Files& f) { f.opsTexts.pop_back(); },
                  "ZE-Katalog.csv:4: Warnung: OPS-Kode \"4-400.0\" hat keinen Text f\xFCr 2031 in OPS-Kodes.csv"},
        FaultCase{"OpsCodeOutOfLayout",
                  [](Files& f) {
                    f.catalog[3] = "2031;KH;ZE40;ZE40.01;KH Leistung;41,00;4400.0;;";
                    f.opsTexts.push_back("2031;4400.0;ohne Strich");
                  },
                  "ZE-Katalog.csv:4: Warnung: OPS-Kode \"4400.0\" passt nicht in das Feld \"9-99a.cc\""},
        FaultCase{"FootnoteMissing", [](Files& f) { f.catalog[1] = "2031;BE;ZE01;ZE01.01;Eins;1,00;1-101.0;1,3;"; },
                  "ZE-Katalog.csv:2: Warnung: Fu\xDFnote \"3\" fehlt f\xFCr 2031;BE in Fu\xDFnoten.txt"},
        FaultCase{"AmountNotGerman", [](Files& f) { f.catalog[3] = "2031;KH;ZE40;ZE40.01;KH;41.00;4-400.0;;"; },
                  "ZE-Katalog.csv:4: Warnung: Betrag \"41.00\" ist keine deutsche Dezimalzahl"},
        FaultCase{"RepeatedLine", [](Files& f) { f.catalog.push_back(f.catalog[3]); },
                  "ZE-Katalog.csv:5: Warnung: Zeile wiederholt Zeile 4"},
        FaultCase{"EmptyCatalog",
                  [](Files& f) {
                    f.catalog.clear();
                    f.assignments.clear();
                    f.rebuilt.clear();
                  },
                  "ZE-Katalog.csv: Warnung: Der Katalog ist leer"},
        FaultCase{"FootnoteNeverUsed", [](Files& f) { f.footnotes.push_back("2031;KH;7;Nie benutzt"); },
                  "Fu\xDFnoten.txt:3: Hinweis: Fu\xDFnote \"2031;KH;7\" wird im Katalog nicht verwendet"},
        FaultCase{"YearOnlyInOneFile", [](Files& f) { f.opsTexts.push_back("2030;1-100.0;Alt"); },
                  "ZE-Katalog.csv: Hinweis: Jahr 2030 fehlt hier, steht aber in einer anderen Datei"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every file's findings are out, in file order and by line, before the
// rebuild (the slow part on a huge catalog) is asked for.
TEST(Check, ReportsEachFileBeforeTheRebuildIsAsked) {
  Files files;
  files.catalog.push_back("31;BE;ZE09;;Kurz;;;;;");
  files.footnotes.push_back("2031;KH;7;Nie benutzt");
  files.opsTexts.push_back("2030;1-100.0;Alt");
  files.assignments.push_back("9-999.9;2031;BE;ZE01;ZE01.01");
  catalog::CheckInput input = files.input();
  std::vector<std::string> shown;
  std::size_t shownBeforeRebuild = 0;
  input.rebuiltAssignments = [&] {
    shownBeforeRebuild = shown.size();
    return files.rebuilt;
  };
  catalog::checkCatalog(input, [&shown](const catalog::Finding& f) { shown.push_back(catalog::formatFinding(f)); });
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "ZE-Katalog.csv: Hinweis: Jahr 2030 fehlt hier, steht aber in einer anderen Datei",
                       "ZE-Katalog.csv:5: Fehler: Jahr \"31;B\" hat nicht vier Ziffern",
                       "ZE-Katalog.csv:5: Fehler: Art \";Z\" ist weder BE noch KH",
                       "Fu\xDFnoten.txt: Hinweis: Jahr 2030 fehlt hier, steht aber in einer anderen Datei",
                       "Fu\xDFnoten.txt:3: Hinweis: Fu\xDFnote \"2031;KH;7\" wird im Katalog nicht verwendet",
                       "OPS-Zuordnung.csv: Fehler: weicht von OPS-Match ab: 0 Zeilen k\xE4men hinzu, 1 entfielen; "
                       "entfallend: \"9-999.9;2031;BE;ZE01;ZE01.01\" (tarvelo --rebuild schreibt sie neu)"}))
      << ::testing::PrintToString(shown);
  EXPECT_EQ(shownBeforeRebuild, 5U);
}

TEST(Check, SummaryCountsEachSeverity) {
  const std::vector<catalog::Finding> findings = {{"a", 1, catalog::Severity::Error, "x"},
                                                  {"a", 2, catalog::Severity::Warning, "y"},
                                                  {"b", 0, catalog::Severity::Info, "z"}};
  EXPECT_EQ(catalog::summarize(findings), "1 Fehler, 1 Warnung, 1 Hinweis");
  EXPECT_EQ(catalog::formatFinding(findings[2]), "b: Hinweis: z");
}

// Whether a rebuild would drop most of a file is decided by this count; it
// must agree with the line difference, duplicates and order included.
TEST(Check, LinesKeptCountsEachLineAsOftenAsBothHaveIt) {
  using Lines = std::vector<std::string_view>;
  struct Case {
    const char* name;
    Lines before, after;
    std::size_t kept;
  };
  const Case cases[] = {
      {"Same lines in the same order", {"a", "b", "c"}, {"a", "b", "c"}, 3},
      {"Same lines in another order", {"a", "b", "c"}, {"c", "a", "b"}, 3},
      {"A line dropped and one added", {"a", "b", "c"}, {"a", "c", "d"}, 2},
      {"A line twice before, once after", {"a", "a", "b"}, {"a", "b"}, 2},
      {"Letter case counts", {"A;2031"}, {"a;2031"}, 0},
      {"A prefix is not the line", {"a;2031;BE"}, {"a;2031"}, 0},
      {"Nothing before", {}, {"a"}, 0},
      {"Nothing after", {"a", "b"}, {}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(catalog::linesKept(c.before, c.after), c.kept) << c.name;
    const std::vector<std::string> before(c.before.begin(), c.before.end()), after(c.after.begin(), c.after.end());
    EXPECT_EQ(catalog::linesKept(c.before, c.after), before.size() - catalog::differenceOf(before, after).dropped.size())
        << c.name;
  }
}

}  // namespace

namespace {

// A file's findings come by line, those of one line in the order found,
// however the lines repeat one another: runs of equal lines, a shorter
// line after longer ones, findings of the text found before those of the
// lines, and a finding of the whole file first.
struct OrderCase {
  const char* name;
  Lines catalog;
  Lines expected;  // the catalog file's findings, without the file name
};

class CheckOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(CheckOrder, FindingsComeByLineInTheOrderFound) {
  const std::string catalogText = crlf(GetParam().catalog);
  const catalog::CheckInput input{{catalogText, "", "2030;1-100.0;Alt\r\n", ""},
                                  [] { return std::vector<std::string>{}; }};
  Lines shown;
  for (const auto& finding : catalog::checkCatalog(input))
    if (finding.file == kCatalogName) shown.push_back(catalog::formatFinding(finding).substr(kCatalogName.size()));
  EXPECT_EQ(shown, GetParam().expected);
}

const std::string kFew = " Fehler: Zu wenige Felder: eine Katalogzeile braucht 8 mit \";\" abgeschlossene Felder";
const std::string kYear = ": Hinweis: Jahr 2030 fehlt hier, steht aber in einer anderen Datei";
const std::string kUtf8 = " Fehler: Zeile ist UTF-8-kodiert, nicht Windows-1252";
std::string repeats(int line) { return " Warnung: Zeile wiederholt Zeile " + std::to_string(line); }

INSTANTIATE_TEST_SUITE_P(
    Repeats, CheckOrder,
    ::testing::Values(
        OrderCase{"RunsOfEqualLines",
                  {"2031;BE;Z;", "2031;BE;Z;", "2031;BE;Z;", "2031;BE;Y;", "2031;BE;Y;", "2031;BE;Z;", "2031;BE;Z;x",
                   "2031;BE;Z;"},
                  {kYear, ":1:" + kFew, ":Zeilen 2-3:" + repeats(1) + " (2 mal)", ":Zeilen 2-3:" + kFew + " (2 mal)",
                   ":4:" + kFew, ":5:" + repeats(4), ":5:" + kFew, ":6:" + repeats(1), ":6:" + kFew, ":7:" + kFew,
                   ":8:" + repeats(1), ":8:" + kFew}},
        OrderCase{"TextFindingsBeforeLineFindings",
                  {"2031;BE;Z;", "2031;BE;Z;", "2031;BE;Z;", "2031;BE;Y;", "2031;BE;Y;", "2031;BE;Z; f\xC3\xBCr",
                   "2031;BE;Z; f\xC3\xBCr", "2031;BE;Z;"},
                  // Two passes (the text, then the lines): line by line.
                  {kYear, ":1:" + kFew, ":2:" + repeats(1), ":2:" + kFew, ":3:" + repeats(1), ":3:" + kFew, ":4:" + kFew,
                   ":5:" + repeats(4), ":5:" + kFew, ":6:" + kUtf8, ":6:" + kFew, ":7:" + kUtf8, ":7:" + repeats(6),
                   ":7:" + kFew, ":8:" + repeats(1), ":8:" + kFew}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
