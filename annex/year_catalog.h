#pragma once
// The rules that make a year's catalog lines out of the four annexes: the
// federal ZEs (BE) in the order Anlage 5 prints them, with their group
// lines, descriptions and amounts from Anlage 2; the hospital-specific ZEs
// (KH) of Anlage 6 with Anlage 4's descriptions; every OPS code with its
// text; the footnotes of both tables. What the rules inferred or found in
// disagreement goes to the report.

#include <string>
#include <string_view>
#include <vector>

#include "annex/definitions.h"

namespace annex {

struct Annexes {
  std::vector<ListedZe> federalList;   // Anlage 2
  std::vector<ListedZe> hospitalList;  // Anlage 4
  Definitions federal;                 // Anlage 5
  Definitions hospital;                // Anlage 6
};

// A year's lines of three catalog files, without line ends.
struct YearLines {
  std::vector<std::string> catalog;    // ZE-Katalog.csv
  std::vector<std::string> opsTexts;   // OPS-Kodes.csv
  std::vector<std::string> footnotes;  // Fußnoten.txt
};

struct ImportReport {
  std::size_t federalLines = 0, hospitalLines = 0;          // of the catalog
  std::size_t federalFootnotes = 0, hospitalFootnotes = 0;
  std::vector<std::string> inferredGroups;   // "ZE01: Hämodialyse, intermittierend"
  std::vector<std::string> zedDescriptions;  // "ZE11.01: Wirbelkörperersatz, 1 Wirbelkörper"
  std::vector<std::string> joins;            // every hyphen join
  std::vector<std::string> disagreements;    // between the lists and the tables
};

YearLines yearLinesOf(const Annexes& annexes, std::string_view year, ImportReport& report);

}  // namespace annex
