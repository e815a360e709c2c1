#pragma once
// Writes a large made-up catalog (all four files, Windows-1252, CR LF) of the
// shape of the real one: many years, both kinds, groups with several ZEs,
// each ZE triggered by a few OPS codes.

#include <string>

namespace bench {

struct CatalogShape {
  int firstYear = 2005;
  int years = 20;
  int federalGroups = 120;   // per year
  int hospitalGroups = 60;   // per year
  int zesPerGroup = 8;       // federal; hospital groups have a third of it
  int codesPerZe = 3;
};

// Writes the files into folder; the assignment file is left empty.
void writeCatalog(const std::string& folder, const CatalogShape& shape);

}  // namespace bench
