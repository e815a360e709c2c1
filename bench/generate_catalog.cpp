// Writes a large made-up catalog into a folder, for trying the viewer or the
// rebuild on a catalog of real size: generate_catalog FOLDER [YEARS [MAX_CODES_PER_ZE]];
// generate_catalog --year-pair FOLDER writes two small years with every kind of
// change for the year comparison.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/catalog_generator.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FOLDER [YEARS [MAX_CODES_PER_ZE]]\n", argv[0]);
    return 2;
  }
  if (argc == 3 && std::string(argv[1]) == "--year-pair") {
    bench::writeYearPair(argv[2]);
    std::fprintf(stderr, "The assignment file is empty: run tarvelo --rebuild %s\n", argv[2]);
    return 0;
  }
  bench::CatalogShape shape;
  if (argc > 2) shape.years = std::atoi(argv[2]);
  if (argc > 3) shape.maxCodesPerZe = std::atoi(argv[3]);
  bench::writeCatalog(argv[1], shape);
  std::fprintf(stderr, "The assignment file is empty: run tarvelo --rebuild %s\n", argv[1]);
  return 0;
}
