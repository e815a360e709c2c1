// The rebuild's walk without a window gives the window's own walk, line for
// line and in the same order, on catalogs made to hit the cascade's quirks.

#include <filesystem>
#include <random>

#include "catalog/rebuild_walk.h"
#include "fixture.h"

namespace {

using testing_support::WindowTest;

// A catalog line of parts chosen to collide: groups and ZEs that differ in
// letter case, texts that follow the year ("ZE2010-1"), ZE codes that are
// empty or a blank, kind codes in other letter case, lists with empty
// elements, repeated lines.
std::string randomLine(std::mt19937& random) {
  const auto pick = [&random](std::initializer_list<const char*> choices) {
    std::uniform_int_distribution<std::size_t> index(0, choices.size() - 1);
    return std::string(choices.begin()[index(random)]);
  };
  const std::string group = pick({"ZE01", "ze01", "ZE02", "ZE2010-1", "ZE2011-1", "ZE2009-7", "G", ""});
  const std::string ze =
      pick({"", "", " ", "ZE01.01", "ze01.01", "ZE01.02", "ZE2010-1", "ZE2011-1", "ZE2011-12", "Z"});
  return pick({"2009", "2010", "2011", "2011"}) + ";" + pick({"BE", "BE", "KH", "KH", "be", "Kh"}) + ";" + group + ";" +
         ze + ";Text;1,00;" + pick({"1-1", "1-1/1-2", "1-2/", "/1-3", "", "1-1//1-4", "1-5 ", "a-1"}) + ";;";
}

using RebuildWalk = WindowTest;

TEST_F(RebuildWalk, GivesTheWindowsLinesInTheWindowsOrder) {
  std::mt19937 random(20261211);
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> lines;
    const int count = std::uniform_int_distribution<int>(1, 24)(random);
    for (int i = 0; i < count; ++i) lines.push_back(randomLine(random));
    // Start-up in a year the catalog may lack, as in real use.
    auto& window = openCatalog(lines, round % 3 == 0 ? "2012" : "2011");
    ASSERT_TRUE(window.Data.complete());
    const std::vector<std::string> expected = window.assignmentsAsRebuilt(&window);
    ASSERT_EQ(catalog::rebuiltAssignments(window.Data, round % 3 == 0 ? "2012" : "2011"), expected)
        << "catalog:\n" << testing_support::crlf(lines);
  }
}

// Each quirk that decides which line the walk meets first, with the lines
// the window writes.
TEST_F(RebuildWalk, QuirksOfTheCascadeDecideTheOrderAndTheForm) {
  struct Case {
    const char* name;
    std::vector<std::string> catalog;
    std::vector<std::string> lines;
  };
  // The window starts in 2011 each time.
  const std::vector<Case> cases = {
      {"a ZE text with a year from 2000 to 2019 follows it into the next year and is met first",
       {"2010;KH;G;ZE2010-1;T;;1-1;;", "2011;BE;G;Z;T;;2-2;;", "2011;BE;G;ZE2011-1;T;;3-3;;"},
       {"1-1;2010;KH;G;ZE2010-1", "2-2;2011;BE;G;ZE2011-1", "3-3;2011;BE;G;ZE2011-1", "2-2;2011;BE;G;Z"}},
      {"a group kept as remembered in other letter case is met first in that form",
       {"2010;BE;ze01;;T;;9-9;;", "2010;BE;ze01;A;T;;1-1;;", "2011;BE;ZE01;;T;;;;", "2011;BE;ZE01;A;T;;2-2;;"},
       {"9-9;2010;BE;ZE01;", "9-9;2010;BE;ze01;A", "1-1;2010;BE;ze01;A", "2-2;2011;BE;ZE01;A"}},
      {"the start-up's choice is met first in the oldest year",
       {"2010;BE;G1;A;T;;1-1;;", "2010;BE;G2;B;T;;2-2;;", "2011;BE;G2;B;T;;3-3;;"},
       {"2-2;2010;BE;G2;B", "1-1;2010;BE;G1;A", "3-3;2011;BE;G2;B"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto& window = openCatalog(c.catalog, "2011");
    ASSERT_TRUE(window.Data.complete());
    EXPECT_EQ(window.assignmentsAsRebuilt(&window), c.lines);
    EXPECT_EQ(catalog::rebuiltAssignments(window.Data, "2011"), c.lines);
  }
}

TEST_F(RebuildWalk, SampleCatalog) {
  for (const char* name : {"ZE-Katalog.csv", "Fu\xC3\x9Fnoten.txt", "OPS-Kodes.csv", "OPS-Zuordnung.csv"})
    std::filesystem::copy_file(std::filesystem::path(TARVELO_SAMPLE_DIR) / name, folder.path() / name,
                               std::filesystem::copy_options::overwrite_existing);
  auto& window = open("2026");
  ASSERT_TRUE(window.Data.complete());
  EXPECT_EQ(catalog::rebuiltAssignments(window.Data, "2026"), window.assignmentsAsRebuilt(&window));
}

}  // namespace
