// The rebuild's walk on the catalog gives what the window's cascade shows
// when every year, kind, group and ZE is picked in turn, line for line and
// in the same order, on catalogs made to hit the cascade's quirks; and the
// window's rebuild writes it whatever the window shows.

#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <random>

#include "app/clock.h"
#include "catalog/assignment_collector.h"
#include "catalog/file_names.h"
#include "catalog/rebuild_walk.h"
#include "fixture.h"

namespace {

using testing_support::crlf;

using testing_support::WindowTest;

// The window, picking its way through the catalog and reading the OPS codes
// its detail boxes show after each ZE (bare, as a catalog without OPS texts
// shows them): the walk the window made for its rebuild before the catalog
// made it.
class WalkingForm : public TForm1 {
 public:
  void Werte_holen(QObject* sender) override {
    TForm1::Werte_holen(sender);
    if (!collecting_) return;
    for (const app::DetailBox* box : {RichEdit3, RichEdit4})
      for (int i = 0; i < box->lineCount(); ++i)
        collected_.add(catalog::assignmentLine(bareCode(box->line(i)), ComboBox1->text(), RadioGroup1->kindCode(),
                                               ComboBox2->text(), ComboBox3->text()));
  }

  std::vector<std::string> walk() {
    collecting_ = true;
    for (int y = ComboBox1->count() - 1; y >= 0; --y) {
      pick(*ComboBox1, y);
      for (const int kind : {0, 1}) {
        RadioGroup1->setItemIndex(kind);
        ZE_Gruppe_holen(this);
        for (int g = 0; g < ComboBox2->count(); ++g) {
          pick(*ComboBox2, g);
          ZEs_holen(this);
          for (int z = 0; z < ComboBox3->count(); ++z) {
            pick(*ComboBox3, z);
            Werte_holen(this);
          }
        }
      }
    }
    collecting_ = false;
    return collected_.lines();
  }

 private:
  static void pick(app::DropDownBox& box, int index) {
    box.setText(box.item(index));
    box.select(index);
  }
  // A box line "code - text" without its OPS text.
  std::string bareCode(std::string_view line) const {
    for (std::size_t at = line.find(" - "); at != std::string_view::npos; at = line.find(" - ", at + 1)) {
      const auto text = Data.opsText(ComboBox1->text(), line.substr(0, at));
      if (text && *text == line.substr(at + 3)) return std::string(line.substr(0, at));
    }
    return std::string(line);
  }

  bool collecting_ = false;
  catalog::AssignmentCollector collected_;
};

class RebuildWalk : public WindowTest {
 protected:
  // The window's walk from a start-up in year on the catalog as it is now.
  std::vector<std::string> walkedByTheWindow(const std::string& year) {
    app::setCurrentYearForTesting(year);
    WalkingForm window;
    EXPECT_TRUE(window.Data.complete());
    return window.walk();
  }
};

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

TEST_F(RebuildWalk, GivesTheWindowsLinesInTheWindowsOrder) {
  std::mt19937 random(20261211);
  for (int round = 0; round < 300; ++round) {
    std::vector<std::string> lines;
    const int count = std::uniform_int_distribution<int>(1, 24)(random);
    for (int i = 0; i < count; ++i) lines.push_back(randomLine(random));
    // Start-up in a year the catalog may lack, as in real use.
    const std::string year = round % 3 == 0 ? "2012" : "2011";
    auto& window = openCatalog(lines, year);
    ASSERT_TRUE(window.Data.complete());
    ASSERT_EQ(catalog::rebuiltAssignments(window.Data, year), walkedByTheWindow(year))
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
    EXPECT_EQ(walkedByTheWindow("2011"), c.lines);
    EXPECT_EQ(catalog::rebuiltAssignments(window.Data, "2011"), c.lines);
  }
}

TEST_F(RebuildWalk, SampleCatalog) {
  for (const char* name : {"ZE-Katalog.csv", "Fu\xC3\x9Fnoten.txt", "OPS-Kodes.csv", "OPS-Zuordnung.csv"})
    std::filesystem::copy_file(std::filesystem::path(TARVELO_SAMPLE_DIR) / name, folder.path() / name,
                               std::filesystem::copy_options::overwrite_existing);
  auto& window = open("2026");
  ASSERT_TRUE(window.Data.complete());
  EXPECT_EQ(catalog::rebuiltAssignments(window.Data, "2026"), walkedByTheWindow("2026"));
  EXPECT_EQ(crlf(catalog::rebuiltAssignments(window.Data, "2026")), folder.read(catalog::kAssignmentFile));
}

// What the window shows does not change what its rebuild writes: the file
// is the one --rebuild writes, which --check then finds as it should be.
// (The window once walked on from the user's last pick, which decided the
// order of the lines.)
TEST_F(RebuildWalk, TheWindowsRebuildWritesTheSameWhateverItShows) {
  auto& window = openCatalog({"2010;BE;G1;A;T;;1-1;;", "2010;BE;G2;B;T;;2-2;;", "2011;BE;G2;B;T;;3-3;;"}, "2011");
  window.ComboBox1->setText("2010");
  window.ZE_Gruppe_holen(&window);
  window.ComboBox2->setText("G1");
  window.ZEs_holen(&window);
  ASSERT_EQ(window.ComboBox3->text(), "A");
  window.runUserEvent([&window] { window.Button1Click(window.Button1); });
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(folder.read(catalog::kAssignmentFile), crlf({"2-2;2010;BE;G2;B", "1-1;2010;BE;G1;A", "3-3;2011;BE;G2;B"}));
}

}  // namespace
