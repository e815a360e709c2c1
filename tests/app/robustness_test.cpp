// Bad input and faults: every file that can't be read is named in the
// message and blocks nothing; content faults load as cut; a rebuild after a
// failed load and a save that fails at any step lose nothing.

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include <QPushButton>

#include "catalog/safe_save.h"
#include "catalog/tables.h"
#include "fixture.h"

namespace {

using testing_support::crlf;
using testing_support::WindowTest;
namespace fs = std::filesystem;

const std::string kGoodAssignments = crlf({"1-101.0;2031;BE;ZE01;ZE01.01", "4-400.0;2031;KH;ZE40;ZE40.01"});

// The name a file has in the folder (the footnote file under its UTF-8 name).
std::string onDisk(const std::string& file) { return file == catalog::kFootnoteFile ? "Fu\xC3\x9Fnoten.txt" : file; }

struct Unreadable {
  const char* name;
  // Puts something in place of the file; false when the fault can't be made here.
  std::function<bool(const fs::path&)> make;
  const char* reason;  // as the message gives it
};

const std::vector<Unreadable> kUnreadable = {
    {"Missing", [](const fs::path& p) { return fs::remove(p); }, "Datei oder Verzeichnis nicht gefunden"},
    {"Folder", [](const fs::path& p) { return fs::remove(p) && fs::create_directory(p); }, "Keine gew\u00F6hnliche Datei"},
    {"Fifo", [](const fs::path& p) { return fs::remove(p) && ::mkfifo(p.c_str(), 0644) == 0; },
     "Keine gew\u00F6hnliche Datei"},
    {"DevZero",
     [](const fs::path& p) {
       fs::remove(p);
       fs::create_symlink("/dev/zero", p);
       return true;
     },
     "Keine gew\u00F6hnliche Datei"},
    {"NoPermission",
     [](const fs::path& p) {
       // root reads every file
       return ::geteuid() != 0 && ::chmod(p.c_str(), 0) == 0;
     },
     "Keine Berechtigung"},
};

struct UnreadableCase {
  std::string file;
  Unreadable fault;
};

class UnreadableFile : public WindowTest, public ::testing::WithParamInterface<UnreadableCase> {};

TEST_P(UnreadableFile, IsNamedAndTheRebuildThenChangesNothing) {
  writeFiles(testing_support::smallCatalog());
  folder.write(catalog::kAssignmentFile, kGoodAssignments);
  const fs::path target = folder.path() / onDisk(GetParam().file);
  if (!GetParam().fault.make(target)) GTEST_SKIP() << "this fault can't be made here (running as root?)";

  auto& window = open();
  ASSERT_EQ(messages.size(), 1U);
  EXPECT_EQ(messages[0].text, fileError(onDisk(GetParam().file), "kann nicht ge\u00F6ffnet werden",
                                        GetParam().fault.reason));

  window.runUserEvent([&window] { window.Button1Click(window.Button1); });
  ASSERT_EQ(messages.size(), 2U);
  EXPECT_EQ(messages[1].text.toStdString(),
            "OPS-Match nicht m\xC3\xB6glich: Der Katalog wurde nicht vollst\xC3\xA4ndig geladen.");
  if (GetParam().file != catalog::kAssignmentFile) {
    EXPECT_EQ(folder.read(catalog::kAssignmentFile), kGoodAssignments);
  }
}

std::vector<UnreadableCase> unreadableCases() {
  std::vector<UnreadableCase> cases;
  for (const char* file : {catalog::kCatalogFile, catalog::kFootnoteFile, catalog::kOpsTextFile, catalog::kAssignmentFile})
    for (const Unreadable& fault : kUnreadable) cases.push_back({file, fault});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Faults, UnreadableFile, ::testing::ValuesIn(unreadableCases()), [](const auto& info) {
  std::string name = info.param.file.substr(0, info.param.file.find('.')) + "_" + info.param.fault.name;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
});

struct ContentCase {
  const char* name;
  // Bytes of ZE-Katalog.csv, made when the test runs: every test program
  // lists every case, and a large one would be copied each time.
  std::function<std::string()> catalog;
  std::vector<std::string> groups;  // the group list of 2031 BE
};

std::function<std::string()> bytes(std::string text) {
  return [text = std::move(text)] { return text; };
}

class CatalogContent : public WindowTest, public ::testing::WithParamInterface<ContentCase> {};

TEST_P(CatalogContent, LoadsWithoutAWord) {
  writeFiles({});
  folder.write(catalog::kCatalogFile, GetParam().catalog());
  auto& window = open();
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(items(*window.ComboBox2), GetParam().groups);
  EXPECT_TRUE(window.Data.complete());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CatalogContent,
    ::testing::Values(ContentCase{"Empty", bytes(""), {}},
                      ContentCase{"NulEndsTheText",
                                  bytes(std::string("2031;BE;A;;a;\r\n2031;BE;B\0;;b;\r\n2031;BE;C;;c;\r\n", 36)),
                                  {"A", ""}},  // "2031;BE;B" has no ";" after its group
                      ContentCase{"CrOnlyLineEnds", bytes("2031;BE;A;;a;\r2031;BE;B;;b;\r"), {"A", "B"}},
                      ContentCase{"Utf8BomStaysInTheFirstYear",
                                  bytes("\xEF\xBB\xBF" "2031;BE;A;;a;\r\n2031;BE;B;;b;\r\n"), {"B"}},
                      ContentCase{"FiftyMegabyteLine",
                                  [] { return "2030;BE;X;;" + std::string(50u << 20, 'x') + ";\r\n2031;BE;A;;a;\r\n"; },
                                  {"A"}}),
    [](const auto& info) { return std::string(info.param.name); });

class FailedSave : public WindowTest, public ::testing::WithParamInterface<catalog::SaveStep> {
 protected:
  ~FailedSave() override { catalog::testing::setSaveFault({}); }
};

TEST_P(FailedSave, AtAnyStepLeavesTheOldFileAndNoTemporaryFile) {
  writeFiles(testing_support::smallCatalog());
  folder.write(catalog::kAssignmentFile, kGoodAssignments);
  auto& window = open();
  const catalog::SaveStep failing = GetParam();
  catalog::testing::setSaveFault([failing](catalog::SaveStep step) { return step == failing; });
  window.runUserEvent([&window] { window.Button1Click(window.Button1); });
  ASSERT_EQ(messages.size(), 1U);
  EXPECT_EQ(messages[0].text, fileError("OPS-Zuordnung.csv", "kann nicht erstellt werden",
                                        "Auf dem Ger\u00E4t ist kein Speicherplatz mehr verf\u00FCgbar"));
  if (failing != catalog::SaveStep::FlushFolder) {
    EXPECT_EQ(folder.read(catalog::kAssignmentFile), kGoodAssignments);
  }
  for (const std::string& name : folder.names())
    EXPECT_TRUE(name.find(".tarvelo-") == std::string::npos || name.ends_with("-lock")) << name;
}

INSTANTIATE_TEST_SUITE_P(Steps, FailedSave,
                         ::testing::Values(catalog::SaveStep::Create, catalog::SaveStep::Write,
                                           catalog::SaveStep::Flush, catalog::SaveStep::Mode,
                                           catalog::SaveStep::Close, catalog::SaveStep::Rename,
                                           catalog::SaveStep::FlushFolder),
    [](const auto& info) { return testing_support::caseName(info.index, std::array<const char*, 7>{"Create", "Write", "Flush", "Mode", "Close", "Rename", "FlushFolder"}[static_cast<std::size_t>(info.param)]); });

using Rebuild = WindowTest;

// The detail boxes show the catalog's own text; a reload that fails half
// way has let go of it. The boxes are read and painted safely whatever it
// left, and what it leaves is nothing of the catalog before: no ZE, no
// details, no amount under the emptied year and group boxes.
TEST_P(UnreadableFile, ReloadThatFailsLeavesTheBoxesReadable) {
  writeFiles(testing_support::smallCatalog());
  folder.write(catalog::kAssignmentFile, kGoodAssignments);
  auto& window = open();
  showWindow();
  ASSERT_FALSE(lines(*window.RichEdit1).empty());
  ASSERT_FALSE(window.Label5->caption().empty());
  if (!GetParam().fault.make(folder.path() / onDisk(GetParam().file))) GTEST_SKIP() << "can't be made here";
  window.runUserEvent([&window] { window.Init(&window); });
  ASSERT_FALSE(messages.empty());
  // Whatever the failed reload left in the boxes is read and painted (the
  // sanitizer run would find a line that points into the old catalog).
  for (app::DetailBox* box : {window.RichEdit1, window.RichEdit2, window.RichEdit3, window.RichEdit4,
                              window.RichEdit5, window.RichEdit6}) {
    box->sync();
    EXPECT_EQ(box->widget()->toPlainText().size(), box->widget()->characterCount());
    box->widget()->grab();
  }
  for (app::DetailBox* box : {window.RichEdit1, window.RichEdit2, window.RichEdit3, window.RichEdit4,
                              window.RichEdit5, window.RichEdit6})
    EXPECT_TRUE(lines(*box).empty());
  EXPECT_EQ(window.ComboBox3->text(), "");
  EXPECT_EQ(window.Label5->caption(), "");
}

TEST_F(Rebuild, RemovesStaleTemporaryFilesAndKeepsTheFilesMode) {
  writeFiles(testing_support::smallCatalog());
  folder.write(".OPS-Zuordnung.csv.tarvelo-Ab12Cd", "left by a killed rebuild");
  folder.write(".OPS-Zuordnung.csv.tarvelo-keep-me", "not of our pattern");
  ::chmod((folder.path() / catalog::kAssignmentFile).c_str(), 0640);
  auto& window = open();
  window.runUserEvent([&window] { window.Button1Click(window.Button1); });
  EXPECT_TRUE(messages.empty());
  EXPECT_FALSE(folder.names().contains(".OPS-Zuordnung.csv.tarvelo-Ab12Cd"));
  EXPECT_TRUE(folder.names().contains(".OPS-Zuordnung.csv.tarvelo-keep-me"));
  struct stat info {};
  ASSERT_EQ(::stat((folder.path() / catalog::kAssignmentFile).c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640U);
}

// Another maintainer added a ZE and rebuilt while this window was open: the
// window's rebuild loads the files again first, so it writes what a rebuild
// of the folder writes, not the assignments of the catalog it loaded.
TEST_F(Rebuild, AStaleWindowLoadsTheChangedFilesBeforeItWrites) {
  writeFiles(testing_support::smallCatalog());
  auto& window = open();
  window.runUserEvent([&window] { window.Button1Click(window.Button1); });
  const std::string before = folder.read(catalog::kAssignmentFile);
  folder.write(catalog::kCatalogFile,
               folder.read(catalog::kCatalogFile) + "2031;BE;ZE02;ZE02.02;Zwei Stufe 2;22,00;2-200.2;;\r\n");
  window.runUserEvent([&window] { window.Button1Click(window.Button1); });
  EXPECT_TRUE(messages.empty());
  const std::string after = folder.read(catalog::kAssignmentFile);
  EXPECT_NE(after.find("2-200.0;2031;BE;ZE02;ZE02.01\r\n2-200.2;2031;BE;ZE02;ZE02.02\r\n"), std::string::npos) << after;
  EXPECT_EQ(after.size(), before.size() + std::string("2-200.2;2031;BE;ZE02;ZE02.02\r\n").size());
  EXPECT_EQ(window.statusText(), "ZE-Katalog.csv wurde seit dem Laden ge\xE4ndert und vor OPS-Match neu geladen");
  // Unchanged files are not loaded again.
  const int loads = window.catalogGeneration();
  window.runUserEvent([&window] { window.Button1Click(window.Button1); });
  EXPECT_EQ(window.catalogGeneration(), loads + 1) << "only the reload after writing";
  EXPECT_EQ(window.statusText(), "");
}

TEST_F(Rebuild, SecondProgramOnTheSameFolderWritesNothing) {
  writeFiles(testing_support::smallCatalog());
  folder.write(catalog::kAssignmentFile, "kept\r\n");
  auto& window = open();
  const catalog::SaveLock other(catalog::kAssignmentFile);
  window.runUserEvent([&window] { window.Button1Click(window.Button1); });
  ASSERT_EQ(messages.size(), 1U);
  // This process holds the other lock, so the holder is known: its user and
  // its process.
  const passwd* user = ::getpwuid(::getuid());
  ASSERT_NE(user, nullptr);
  EXPECT_EQ(messages[0].text.toStdString(),
            "OPS-Match l\xC3\xA4uft bereits in einem anderen Programm f\xC3\xBCr diesen Ordner (Sperrdatei "
            ".OPS-Zuordnung.csv.tarvelo-lock, gehalten von Benutzer " +
                std::string(user->pw_name) + ", Prozess " + std::to_string(::getpid()) +
                "); es wurde nichts geschrieben.");
  EXPECT_EQ(folder.read(catalog::kAssignmentFile), "kept\r\n");
}

TEST_F(Rebuild, TemporaryFileSwappedForALinkChangesNoOtherFile) {
  writeFiles(testing_support::smallCatalog());
  folder.write("victim", "someone else's file");
  ::chmod((folder.path() / "victim").c_str(), 0600);
  folder.write(catalog::kAssignmentFile, kGoodAssignments);
  auto& window = open();
  const fs::path root = folder.path();
  catalog::testing::setSaveFault([root](catalog::SaveStep step) {
    if (step != catalog::SaveStep::Mode) return false;
    for (const auto& entry : fs::directory_iterator(root)) {
      const std::string name = entry.path().filename().string();
      if (name.find(".tarvelo-") != std::string::npos && !name.ends_with("-lock")) {
        fs::remove(entry.path());
        fs::create_symlink(root / "victim", entry.path());
      }
    }
    return false;
  });
  window.runUserEvent([&window] { window.Button1Click(window.Button1); });
  catalog::testing::setSaveFault({});
  ASSERT_EQ(messages.size(), 1U);
  EXPECT_EQ(messages[0].text, fileError("OPS-Zuordnung.csv", "kann nicht erstellt werden",
                                        "Die neue Datei wurde w\u00E4hrend des Schreibens ersetzt"));
  EXPECT_FALSE(fs::is_symlink(root / catalog::kAssignmentFile));
  EXPECT_EQ(folder.read(catalog::kAssignmentFile), kGoodAssignments);
  struct stat info {};
  ASSERT_EQ(::stat((root / "victim").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600U);
}

}  // namespace
