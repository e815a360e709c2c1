#include "bench/catalog_generator.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace bench {
namespace {

std::string opsCode(int group, int ze, int n) {
  char code[16];
  std::snprintf(code, sizeof code, "%d-%02d%c.%d%d", 1 + group % 9, group % 100, 'a' + ze % 26, n % 10, ze % 10);
  return code;
}

void writeLines(const std::string& path, const std::vector<std::string>& lines) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  for (const std::string& line : lines) out << line << "\r\n";
}

}  // namespace

void writeCatalog(const std::string& folder, const CatalogShape& shape) {
  std::vector<std::string> catalog, footnotes, opsTexts;
  for (int y = 0; y < shape.years; ++y) {
    const std::string year = std::to_string(shape.firstYear + y);
    for (const char* kind : {"BE", "KH"}) {
      const bool federal = kind[0] == 'B';
      const int groups = federal ? shape.federalGroups : shape.hospitalGroups;
      const int zes = federal ? shape.zesPerGroup : std::max(1, shape.zesPerGroup / 3);
      for (int g = 0; g < groups; ++g) {
        const int groupNumber = federal ? g + 1 : g + 200;
        const std::string group = "ZE" + std::to_string(groupNumber);
        std::string groupCodes;
        for (int z = 0; z < zes; ++z) {
          if (z > 0) groupCodes += '/';
          groupCodes += opsCode(groupNumber, z, 0);
        }
        catalog.push_back(year + ";" + kind + ";" + group + ";;Zusatzentgelt Gruppe " + group +
                          ", Beh\xE4ndlung mit Sonderleistung;;" + groupCodes + ";1;");
        for (int z = 0; z < zes; ++z) {
          std::string codes;
          for (int c = 0; c < shape.codesPerZe; ++c) {
            if (c > 0) codes += '/';
            codes += opsCode(groupNumber, z, c);
          }
          catalog.push_back(year + ";" + kind + ";" + group + ";" + group + "." + std::to_string(z + 1) +
                            ";Leistung " + std::to_string(z + 1) + " der Gruppe " + group + ";" +
                            std::to_string(100 + 37 * z + groupNumber) + ",50;" + codes + ";1,2;");
          for (int c = 0; c < shape.codesPerZe; ++c)
            opsTexts.push_back(year + ";" + opsCode(groupNumber, z, c) + ";Prozedur " + opsCode(groupNumber, z, c) +
                               ": ausf\xFChrliche Beschreibung der Ma\xDFnahme");
        }
      }
      footnotes.push_back(year + ";" + kind + ";1;Fu\xDFnote eins des Jahres " + year);
      footnotes.push_back(year + ";" + kind + ";2;Fu\xDFnote zwei des Jahres " + year);
    }
  }
  writeLines(folder + "/ZE-Katalog.csv", catalog);
  writeLines(folder + "/Fu\xC3\x9Fnoten.txt", footnotes);
  writeLines(folder + "/OPS-Kodes.csv", opsTexts);
  writeLines(folder + "/OPS-Zuordnung.csv", {});
}

}  // namespace bench
