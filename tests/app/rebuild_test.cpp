// The assignment rebuild: the written file byte for byte, the reload, and a
// failed rebuild that leaves nothing stuck and nothing lost.

#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <set>
#include <sys/resource.h>

#include "catalog/tables.h"
#include "fixture.h"

namespace {

using testing_support::crlf;
using testing_support::WindowTest;
using Strings = std::vector<std::string>;

using Rebuild = WindowTest;

const Strings kCatalog = {
    "2030;BE;A;;ga;;X;;",     "2030;BE;A;A1;a1;;Y/x;;",  // x repeats X in another letter case
    "2031;BE;B;;gb;;;;",      "2031;BE;B;B1;b1;;P;;",
    "2031;BE;B;B2;b2;;P/1-234;;", "2031;BE;C;;gc;;R;;",      // a group without ZEs
    "2031;KH;K;K1;k1;;S;;",                              // a group without a group line
};

// Years are walked from the last list entry (2030) to the first; group codes
// are collected under every ZE; lines equal but for letter case only once.
const Strings kCollected = {"X;2030;BE;A;A1", "Y;2030;BE;A;A1", "P;2031;BE;B;B1", "P;2031;BE;B;B2",
                            "1-234;2031;BE;B;B2", "R;2031;BE;C;",   "S;2031;KH;K;K1"};

TEST_F(Rebuild, WritesEveryCollectedLineOnceWithCrLf) {
  auto& window = openCatalog(kCatalog);
  window.Button1Click(window.Button1);
  EXPECT_EQ(folder.read(catalog::kAssignmentFile), crlf(kCollected));
}

struct DropCase {
  const char* name;
  Strings old;       // the assignment file before
  bool asked;        // whether the rebuild asks first
  bool answer;       // the user's answer
  bool written;
};

class RebuildDroppingLines : public WindowTest, public ::testing::WithParamInterface<DropCase> {};

// A catalog that holds nothing usable would empty a good file at one key.
TEST_P(RebuildDroppingLines, AsksBeforeKeepingFewerThanHalfAndKeepsThePreviousFile) {
  auto& window = openCatalog(kCatalog);
  folder.write(catalog::kAssignmentFile, crlf(GetParam().old));
  writeDespiteDrop = GetParam().answer;
  window.runUserEvent([&window] { window.Button1Click(window.Button1); });
  EXPECT_TRUE(messages.empty());
  ASSERT_EQ(dropQuestions.size(), GetParam().asked ? 1U : 0U);
  if (GetParam().asked) {
    EXPECT_EQ(dropQuestions[0], QStringLiteral("OPS-Match w\u00FCrde %1 von %1 Zeilen entfernen. Trotzdem schreiben?")
                                    .arg(GetParam().old.size()));
  }
  EXPECT_EQ(folder.read(catalog::kAssignmentFile), GetParam().written ? crlf(kCollected) : crlf(GetParam().old));
  if (GetParam().written) {
    EXPECT_EQ(folder.read(std::string(catalog::kAssignmentFile) + "~"), crlf(GetParam().old));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RebuildDroppingLines,
    ::testing::Values(DropCase{"MostGoneAnsweredNo", {"a;2031;BE;G;Z", "b;2031;BE;G;Z", "c;2031;BE;G;Z"}, true, false, false},
                      DropCase{"MostGoneAnsweredYes", {"a;2031;BE;G;Z", "b;2031;BE;G;Z", "c;2031;BE;G;Z"}, true, true, true},
                      // Half of the old lines kept: no question.
                      DropCase{"HalfKept", {"X;2030;BE;A;A1", "Y;2030;BE;A;A1", "a;2031;BE;G;Z", "b;2031;BE;G;Z"},
                               false, false, true},
                      DropCase{"EmptyBefore", {}, false, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Rebuild, RefusesAnAssignmentFileThatIsALink) {
  auto& window = openCatalog(kCatalog);
  folder.write("elsewhere.csv", "kept\r\n");
  folder.remove(catalog::kAssignmentFile);
  std::filesystem::create_symlink("elsewhere.csv", folder.path() / catalog::kAssignmentFile);
  window.runUserEvent([&window] { window.Button1Click(window.Button1); });
  ASSERT_EQ(messages.size(), 1U);
  EXPECT_EQ(messages[0].text,
            QStringLiteral("Datei OPS-Zuordnung.csv in %1 ist eine symbolische Verkn\u00FCpfung; OPS-Match ersetzt sie "
                           "nicht. Bitte die Datei selbst in den Ordner legen.")
                .arg(QString::fromStdString(folder.path().string())));
  EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / catalog::kAssignmentFile));
  EXPECT_EQ(folder.read("elsewhere.csv"), "kept\r\n");
}

TEST_F(Rebuild, EndsInTheStateOfAFreshStart) {
  auto& window = openCatalog(kCatalog);
  window.ComboBox2->setText("C");
  window.RadioGroup1->setItemIndex(1);
  window.runs.clear();
  window.Button1Click(window.Button1);
  EXPECT_EQ(folder.read(catalog::kAssignmentFile), crlf(kCollected)) << "started on kind item 1";
  // The walk runs on the catalog, not through the handlers; only the reload
  // runs the cascade: setting the kind back to item 0, then its own.
  EXPECT_EQ(window.runs["ZE_Gruppe_holen"], 2);
  EXPECT_EQ(window.ComboBox1->text(), "2031");
  EXPECT_EQ(window.RadioGroup1->itemIndex(), 0);
  EXPECT_EQ(window.ComboBox2->text(), "B");
  EXPECT_EQ(window.ComboBox3->text(), "B1");
  EXPECT_EQ(window.Data.assignmentTable().AssignmentKeys.entries(),
            (Strings{"X;2030;BE", "Y;2030;BE", "P;2031;BE", "P;2031;BE", "1-234;2031;BE", "R;2031;BE", "S;2031;KH"}));
  EXPECT_EQ(window.Data.assignmentTable().AssignmentTargets.entries(),
            (Strings{"A;A1", "A;A1", "B;B1", "B;B2", "B;B2", "C;", "K;K1"}));
  // The search finds the new assignments at once.
  window.MaskEdit1->setOpsText("1-234.  ");
  EXPECT_EQ(window.ComboBox3->text(), "B2");
}

TEST_F(Rebuild, MaintainersReachItWithCtrlShiftO) {
  openCatalog(kCatalog);
  showWindow();
  QTest::keyClick(form->ComboBox1->widget(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(folder.read(catalog::kAssignmentFile), crlf(kCollected));
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the busy cursor stayed";
}

TEST_F(Rebuild, EmptyYearListWritesAnEmptyFile) {
  auto& window = openCatalog({});
  folder.write(catalog::kAssignmentFile, "old;2031;BE;G;Z\r\n");
  window.Button1Click(window.Button1);
  EXPECT_EQ(folder.read(catalog::kAssignmentFile), "");
  EXPECT_TRUE(messages.empty());
}

TEST_F(Rebuild, ReloadFailureIsShownAfterTheFileIsWritten) {
  auto& window = openCatalog(kCatalog);
  folder.remove("Fu\xC3\x9Fnoten.txt");
  window.runUserEvent([&window] { window.Button1Click(window.Button1); });
  ASSERT_EQ(messages.size(), 1U);
  EXPECT_EQ(messages[0].text,
            fileError("Fu\u00DFnoten.txt", "kann nicht ge\u00F6ffnet werden", "Datei oder Verzeichnis nicht gefunden"));
  EXPECT_EQ(folder.read(catalog::kAssignmentFile), crlf(kCollected));
}

TEST_F(Rebuild, FileThatCannotBeCreatedLeavesTheOldTableAndNoFlag) {
  auto files = testing_support::smallCatalog();
  auto& window = openWith(files);
  const auto keysBefore = window.Data.assignmentTable().AssignmentKeys.entries();
  const auto targetsBefore = window.Data.assignmentTable().AssignmentTargets.entries();
  folder.remove(catalog::kAssignmentFile);
  std::filesystem::create_directory(folder.path() / catalog::kAssignmentFile);

  window.runUserEvent([&window] { window.Button1Click(window.Button1); });

  ASSERT_EQ(messages.size(), 1U);
  EXPECT_EQ(messages[0].caption, "Tarvelo");
  EXPECT_EQ(messages[0].text, fileError("OPS-Zuordnung.csv", "kann nicht erstellt werden", "Ist ein Verzeichnis"));
  EXPECT_EQ(window.Data.assignmentTable().AssignmentKeys.entries(), keysBefore);
  EXPECT_EQ(window.Data.assignmentTable().AssignmentTargets.entries(), targetsBefore);
  EXPECT_TRUE(std::filesystem::is_empty(folder.path() / catalog::kAssignmentFile));
  // Browsing collects nothing, and the search still works.
  window.Werte_holen(&window);
  EXPECT_EQ(window.Data.assignmentTable().AssignmentKeys.entries(), keysBefore);
  window.RadioGroup1->setItemIndex(0);
  window.MaskEdit1->setOpsText("4-400.0 ");
  EXPECT_EQ(window.RadioGroup1->itemIndex(), 1);
  EXPECT_EQ(window.ComboBox3->text(), "ZE40.01");
}

// Lets writes fail past a few bytes, as on a full disk, while it lives.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST_F(Rebuild, InterruptedWriteLeavesTheOldFileWhole) {
  auto& window = openCatalog(kCatalog);
  const std::string old = "old;2031;BE;B;B1\r\n";
  folder.write(catalog::kAssignmentFile, old);
  window.Init(&window);
  {
    const FileSizeLimit limit(40);
    window.runUserEvent([&window] { window.Button1Click(window.Button1); });
  }
  ASSERT_EQ(messages.size(), 1U);
  EXPECT_EQ(messages[0].text, fileError("OPS-Zuordnung.csv", "kann nicht erstellt werden", "Die Datei ist zu gro\u00DF"));
  EXPECT_EQ(folder.read(catalog::kAssignmentFile), old);
  EXPECT_EQ(window.Data.assignmentTable().AssignmentKeys.entries(), Strings{"old;2031;BE"});
  EXPECT_EQ(folder.names(), (std::set<std::string>{".OPS-Zuordnung.csv.tarvelo-lock", "Fu\xC3\x9Fnoten.txt",
                                                     "OPS-Kodes.csv", "OPS-Zuordnung.csv", "ZE-Katalog.csv"}))
      << "a temporary file was left behind";
}

}  // namespace
