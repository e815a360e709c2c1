#include "bench/catalog_generator.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace bench {
namespace {

// A small deterministic generator, so that every run sees the same catalog.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  int below(int n) {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(n));
  }

 private:
  std::uint64_t state_;
};

// The n-th code of the classification: 1-00a.00 onwards, all distinct.
std::string opsCode(int n) {
  static const char kFifth[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  char code[16];
  std::snprintf(code, sizeof code, "%d-%02d%c.%d%d", 1 + n % 9, (n / 9) % 100, kFifth[(n / 900) % 36],
                (n / 32400) % 10, n % 7);
  return code;
}

class Writer {
 public:
  explicit Writer(const std::string& path) : out_(path, std::ios::binary | std::ios::trunc) {}
  void line(const std::string& text) {
    out_ << text << "\r\n";
    bytes_ += text.size() + 2;
  }
  std::size_t bytes() const { return bytes_; }

 private:
  std::ofstream out_;
  std::size_t bytes_ = 0;
};

const char kWords[][16] = {"Behandlung", "Implantation", "Gabe", "von", "mit", "intermittierend", "\xFC" "ber",
                           "Stunden", "einseitig", "beidseitig", "Ma\xDFnahme", "Sonde", "Pumpe", "K\xF6rper"};

std::string words(Random& random, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += (i ? " " : "") + std::string(kWords[random.below(14)]);
  return text;
}

}  // namespace

std::size_t writeCatalog(const std::string& folder, const CatalogShape& shape) {
  Random random(42);
  Writer catalog(folder + "/ZE-Katalog.csv"), footnotes(folder + "/Fu\xC3\x9Fnoten.txt"),
      opsTexts(folder + "/OPS-Kodes.csv");
  Writer(folder + "/OPS-Zuordnung.csv");
  for (int y = 0; y < shape.years; ++y) {
    const std::string year = std::to_string(shape.firstYear + y);
    for (int n = 0; n < shape.opsCodesPerYear; ++n)
      opsTexts.line(year + ";" + opsCode(n) + ";" + words(random, 7 + random.below(4)) + " (Prozedur " +
                    std::to_string(n) + ")");
    for (const char* kind : {"BE", "KH"}) {
      for (int g = 0; g < shape.groupsPerKind; ++g) {
        const std::string group = "ZE" + std::to_string(kind[0] == 'B' ? g + 1 : g + 200);
        const int zes = 1 + random.below(4);
        // A code that holds for every ZE of the group stands on the group line too.
        const std::string shared = random.below(2) ? opsCode(random.below(shape.opsCodesPerYear)) : "";
        catalog.line(year + ";" + kind + ";" + group + ";;" + words(random, 6) + ";;" + shared + ";1;");
        for (int z = 0; z < zes; ++z) {
          std::string codes = shared;
          for (int c = random.below(shape.maxCodesPerZe); c >= 0; --c) codes += (codes.empty() ? "" : "/") + opsCode(random.below(shape.opsCodesPerYear));
          catalog.line(year + ";" + kind + ";" + group + ";" + group + "." + std::to_string(z + 1) + ";" +
                       words(random, 8) + ";" + std::to_string(100 + random.below(90000)) + "," +
                       std::to_string(10 + random.below(90)) + ";" + codes + ";" + (z % 2 ? "1,2" : "2") + ";");
        }
      }
      footnotes.line(year + ";" + kind + ";1;Fu\xDFnote eins des Jahres " + year);
      footnotes.line(year + ";" + kind + ";2;Fu\xDFnote zwei des Jahres " + year);
    }
  }
  return catalog.bytes() + footnotes.bytes() + opsTexts.bytes();
}

std::size_t writeZesOfOneGroup(const std::string& folder, std::size_t zes) {
  Writer catalog(folder + "/ZE-Katalog.csv");
  catalog.line("2026;BE;G;;Gruppe;;;;");
  for (std::size_t i = 0; i < zes; ++i) catalog.line("2026;BE;G;Z" + std::to_string(i) + ";;;;;");
  for (const char* name : {"/Fu\xC3\x9Fnoten.txt", "/OPS-Kodes.csv", "/OPS-Zuordnung.csv"}) Writer(folder + name);
  return catalog.bytes();
}

std::size_t writeYearPair(const std::string& folder) {
  // year;kind;group;ZE;description;amount;codes;footnotes; without the year.
  const std::vector<std::string> before = {
      "BE;ZE01;;H\xE4modialyse, intermittierend;;;1;",
      "BE;ZE01;ZE01.01;H\xE4modialyse, Alter > 14 Jahre;225,60;8-854.2/8-854.3;1;",
      "BE;ZE01;ZE01.02;H\xE4modialyse, Alter < 15 Jahre;408,50;8-854.2/8-854.3;1;",
      "BE;ZE02;;H\xE4modiafiltration, intermittierend;;;;",
      "BE;ZE02;ZE02.01;H\xE4modiafiltration, einmalig;263,37;8-855.1;;",
      "BE;ZE02;ZE02.02;H\xE4modiafiltration, Serie;254,10;8-855.2/8-855.3;;",
      "BE;ZE03;;Plasmapherese;;;;",
      "BE;ZE03;ZE03.01;1 Plasmapherese;1.086,12;8-820.00;;",
      "BE;ZE03;ZE03.02;2 Plasmapheresen;2.172,24;8-820.01;;",
      "BE;ZE05;;Implantation einer Medikamentenpumpe;;;;",
      "BE;ZE05;ZE05.01;Pumpe mit konstanter Flussrate;3.948,12;5-038.40;;",
      "KH;ZE2025-01;ZE2025-01;Beckenimplantate;;5-785.2d/5-785.3d;;",
      "KH;ZE2025-02;ZE2025-02;Gabe von Docetaxel, parenteral;;6-002.h0/6-002.h1/6-002.h2;;",
      "KH;ZE2025-05;ZE2025-05;Radiofrequenzablation Osophagus;;5-422.55;;",
  };
  const std::vector<std::string> after = {
      "BE;ZE01;;H\xE4modialyse, intermittierend;;;1;",
      "BE;ZE01;ZE01.01;H\xE4modialyse, Alter > 14 Jahre;225,60;8-854.2/8-854.3;1;",
      "BE;ZE01;ZE01.02;H\xE4modialyse, Alter < 15 Jahre;431,80;8-854.2/8-854.3;1;",
      "BE;ZE02;;H\xE4modiafiltration, intermittierend;;;;",
      "BE;ZE02;ZE02.01;H\xE4modiafiltration, einmalig;249,90;8-855.1;;",
      "BE;ZE02;ZE02.02;H\xE4modiafiltration, Serie, je Sitzung;254,10;8-855.2/8-855.3;;",
      "BE;ZE03;;Plasmapherese;;;;",
      "BE;ZE03;ZE03.01;1 Plasmapherese;1.086,12;8-820.00/8-820.0a;;",
      "BE;ZE04;;Gabe von Erythrozytenkonzentraten;;;;",
      "BE;ZE04;ZE04.01;6 bis unter 11 Einheiten;477,18;8-800.c0;;",
      "BE;ZE05;;Implantation einer Medikamentenpumpe;;;;",
      "BE;ZE05;ZE05.01;Pumpe mit konstanter Flussrate;4.102,55;5-038.40/5-038.41;;",
      "KH;ZE2026-01;ZE2026-01;Gabe von Docetaxel, parenteral, je Gabe;;6-002.h0/6-002.h1/6-002.h2/6-002.h3;;",
      "KH;ZE2026-03;ZE2026-03;Beckenimplantate;;5-785.2d/5-785.3d;;",
      "KH;ZE2026-07;ZE2026-07;Stent-Prothesen, gecoatet;;8-83b.e1;;",
  };
  Writer catalog(folder + "/ZE-Katalog.csv"), footnotes(folder + "/Fu\xC3\x9Fnoten.txt"),
      opsTexts(folder + "/OPS-Kodes.csv");
  Writer(folder + "/OPS-Zuordnung.csv");
  for (const auto& [year, lines] : {std::pair{"2025", &before}, std::pair{"2026", &after}}) {
    for (const std::string& line : *lines) catalog.line(std::string(year) + ";" + line);
    footnotes.line(std::string(year) + ";BE;1;Nur bei ambulanter Behandlung nicht abrechenbar.");
    for (const char* code : {"8-854.2", "8-854.3", "8-855.1", "8-820.00", "5-038.40"})
      opsTexts.line(std::string(year) + ";" + code + ";Prozedur " + code);
  }
  return catalog.bytes() + footnotes.bytes() + opsTexts.bytes();
}

std::size_t writeIdenticalLines(const std::string& folder, std::size_t lines) {
  Writer catalog(folder + "/ZE-Katalog.csv");
  for (std::size_t i = 0; i < lines; ++i) catalog.line("2026;BE;Z;");
  for (const char* name : {"/Fu\xC3\x9Fnoten.txt", "/OPS-Kodes.csv", "/OPS-Zuordnung.csv"}) Writer(folder + name);
  return catalog.bytes();
}

std::size_t writeLongLine(const std::string& folder, std::size_t bytes) {
  std::string description;
  description.reserve(bytes + 16);
  for (std::size_t i = 0; description.size() < bytes; ++i) description += std::string(kWords[i % 14]) + " ";
  description.resize(bytes);
  Writer catalog(folder + "/ZE-Katalog.csv");
  catalog.line("2026;BE;ZE01;;Gruppe;;;;");
  catalog.line("2026;BE;ZE01;ZE01.01;" + description + ";1,00;8-854.2;;");
  Writer(folder + "/Fu\xC3\x9Fnoten.txt");
  Writer texts(folder + "/OPS-Kodes.csv");
  texts.line("2026;8-854.2;H\xE4modialyse");
  Writer assignments(folder + "/OPS-Zuordnung.csv");
  assignments.line("8-854.2;2026;BE;ZE01;ZE01.01");
  return catalog.bytes() + texts.bytes() + assignments.bytes();
}

std::size_t writeShortLines(const std::string& folder, std::size_t lines) {
  constexpr std::size_t kGroups = 1000;
  Writer catalog(folder + "/ZE-Katalog.csv");
  for (std::size_t i = 0; i < lines; ++i) {
    const std::string group = "G" + std::to_string(i % kGroups);
    catalog.line(i < kGroups ? "2026;BE;" + group + ";;x;;;;" : "2026;BE;" + group + ";Z" + std::to_string(i) + ";;;;;");
  }
  Writer(folder + "/Fu\xC3\x9Fnoten.txt");
  Writer texts(folder + "/OPS-Kodes.csv");
  texts.line("2026;1-100.0;Text");
  Writer(folder + "/OPS-Zuordnung.csv");
  return catalog.bytes() + texts.bytes();
}

}  // namespace bench
