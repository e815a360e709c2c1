#pragma once
// Importing a year from the four annexes into the catalog folder (the
// current directory): read and check every annex first, then work out the
// three files' new texts, then write them as the rebuild writes its file.
// Nothing is written when an annex cannot be read. The assignment file is
// the rebuild's to write, afterwards.

#include <array>
#include <optional>
#include <string>

#include "annex/year_catalog.h"

namespace annex {

struct AnnexFiles {
  std::string annex2, annex4, annex5, annex6;  // paths as the file system takes them
};

struct ReadAnnexes {
  Annexes annexes;
  std::optional<std::string> printedYear;  // "OPS Version 2012" in a PDF's header
};

// Throws catalog::Error naming the file that cannot be read.
ReadAnnexes readAnnexes(const AnnexFiles& files);

struct ImportPlan {
  std::string year;
  ImportReport report;
  // ZE-Katalog.csv, Fußnoten.txt, OPS-Kodes.csv in the folder.
  std::array<std::string, 3> fileNames;
  std::array<std::string, 3> texts;  // each file's whole new text
  std::array<std::size_t, 3> added{}, removed{};
  std::array<bool, 3> changes{};  // whether the new text differs from the file's
  bool changesSomething() const { return changes[0] || changes[1] || changes[2]; }
};

ImportPlan planImport(const Annexes& annexes, const std::string& year);
// Writes the files that change, under the rebuild's lock.
void writeImport(const ImportPlan& plan);
// What the import found and did, one line each, in German.
std::vector<std::string> reportLines(const ImportPlan& plan);

}  // namespace annex
