#pragma once
// Writes a large made-up catalog (all four files, Windows-1252, CR LF) of the
// shape of the real one at full size: per year and kind about 120 groups
// with 1-4 ZEs each, OPS lists of 1-8 codes, and the whole OPS
// classification (about 35,000 codes a year) in "OPS-Kodes.csv".

#include <cstddef>
#include <string>

namespace bench {

struct CatalogShape {
  int firstYear = 2007;
  int years = 20;
  int groupsPerKind = 120;
  int opsCodesPerYear = 35000;
  // Each ZE lists 1 to this many OPS codes; about 116 gives the 700,000
  // assignment lines of a real 20-year catalog.
  int maxCodesPerZe = 8;
};

// Writes the files into folder; the assignment file is left empty (the
// rebuild writes it). Returns the bytes written.
std::size_t writeCatalog(const std::string& folder, const CatalogShape& shape);

// A catalog of lines lines that all belong to one ZE ("2026;BE;Z;"), the
// other files empty: the window's worst case for one detail box.
std::size_t writeIdenticalLines(const std::string& folder, std::size_t lines);

// One ZE whose description is a single line of bytes bytes (words and
// blanks), with its group line, one OPS code and its assignment.
std::size_t writeLongLine(const std::string& folder, std::size_t bytes);

// lines short catalog lines: 1,000 groups of one year and kind, each with
// its ZEs ("2026;BE;G17;Z1234017;;;;;"), the other files nearly empty.
std::size_t writeShortLines(const std::string& folder, std::size_t lines);

// zes ZEs ("Z1234") in one group ("2026;BE;G;"), each on a line of its own
// after the group's line, the other files nearly empty: the ZE box's
// longest list.
std::size_t writeZesOfOneGroup(const std::string& folder, std::size_t zes);

// Two years (2025 and 2026) of a small catalog whose second year shows
// every kind of change the year comparison knows: amounts up and down, new
// descriptions and OPS codes, new and dropped ZEs, renumbered
// hospital-specific ZEs found by their description or their codes.
std::size_t writeYearPair(const std::string& folder);

}  // namespace bench
