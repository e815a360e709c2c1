// The program as a maintainer's script runs it: no display, exit statuses,
// what it prints and what it writes.

#include <gtest/gtest.h>

#include "program_run.h"
#include "temporary_folder.h"
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

namespace fs = std::filesystem;
using testing_support::Outcome;
using testing_support::readFile;

class CommandLine : public ::testing::Test {
 protected:
  CommandLine() { fs::copy(TARVELO_SAMPLE_DIR, root_ / "catalog"); }

  fs::path catalogFolder() const { return root_ / "catalog"; }

  // The catalog folder root's, writable by a group of maintainers, as a
  // shared folder is.
  bool shareFolderWithGroup(gid_t group) const {
    return ::chmod(root_.c_str(), 0755) == 0 && ::chown(catalogFolder().c_str(), 0, group) == 0 &&
           ::chmod(catalogFolder().c_str(), 02775) == 0;
  }

  // Runs the program in the test's folder, without any display; a prefix
  // (another user, say) goes before the program.
  Outcome run(const std::string& arguments, const std::string& prefix = "") const {
    const fs::path out = root_ / "out", err = root_ / "err";
    const std::string command = "cd '" + root_.string() +
                                "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR " +
                                prefix + " '" + TARVELO_BINARY + "' " + arguments + " >'" + out.string() + "' 2>'" +
                                err.string() + "'";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(out), readFile(err)};
  }

  testing_support::TemporaryFolder temporary_;
  const fs::path& root_ = temporary_.path();
};

TEST_F(CommandLine, CheckOfTheSampleFindsNothingByEitherFolderSpelling) {
  for (const std::string arguments : {"--check catalog", "--check --folder catalog"}) {
    const Outcome result = run(arguments);
    EXPECT_EQ(result.status, 0) << arguments << "\n" << result.out;
    EXPECT_EQ(result.out, "0 Fehler, 0 Warnungen, 0 Hinweise\n") << arguments;
  }
}

TEST_F(CommandLine, CheckReportsAPlantedFaultAndAnUnreadableFile) {
  std::ofstream(catalogFolder() / "ZE-Katalog.csv", std::ios::app) << "31;BE;X;;Kurz;;;;\r\n";
  Outcome result = run("--check catalog");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.out.find(":139: Fehler: Jahr \"31;B\" hat nicht vier Ziffern"), std::string::npos) << result.out;

  fs::remove(catalogFolder() / "OPS-Kodes.csv");
  result = run("--check catalog");
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.out.find("OPS-Kodes.csv: Fehler: Datei OPS-Kodes.csv in " + catalogFolder().string() +
                            " kann nicht ge\xC3\xB6" "ffnet werden: Datei oder Verzeichnis nicht gefunden"),
            std::string::npos)
      << result.out;
}

// Reading stops at a NUL byte; the check still says how much of the file
// was left unread.
TEST_F(CommandLine, CheckCountsTheBytesAfterANulItDidNotRead) {
  std::ofstream(catalogFolder() / "OPS-Kodes.csv", std::ios::binary | std::ios::trunc)
      << "2026;8-854.2;H\xE4modialyse\r\n2026;1-1" << '\0' << std::string(3 << 20, 'x');
  const Outcome result = run("--check catalog");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.out.find("OPS-Kodes.csv:2: Fehler: NUL-Byte; der Rest der Datei (3145729 Bytes) wird nicht gelesen"),
            std::string::npos)
      << result.out.substr(0, 2000);
}

TEST_F(CommandLine, RebuildWritesWhatTheWindowWritesAndCountsTheChanges) {
  const std::string expected = readFile(catalogFolder() / "OPS-Zuordnung.csv");
  // One line gone, the last one missing: most lines stay, so nothing is asked.
  std::ofstream(catalogFolder() / "OPS-Zuordnung.csv", std::ios::trunc)
      << "gone;2026;BE;X;Y\r\n" << expected.substr(0, expected.rfind("\r\n", expected.size() - 3) + 2);
  const Outcome result = run("--rebuild catalog");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(readFile(catalogFolder() / "OPS-Zuordnung.csv"), expected);
  EXPECT_EQ(result.out, "OPS-Zuordnung.csv: 107 Zeilen geschrieben, 1 neu, 1 entfallen.\n");
}

TEST_F(CommandLine, RebuildThatWouldDropMostLinesNeedsForce) {
  const std::string expected = readFile(catalogFolder() / "OPS-Zuordnung.csv");
  const std::string old = "a;2026;BE;X;Y\r\nb;2026;BE;X;Y\r\n";
  std::ofstream(catalogFolder() / "OPS-Zuordnung.csv", std::ios::trunc) << old;
  Outcome result = run("--rebuild catalog");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "tarvelo: OPS-Match w\xC3\xBCrde 2 von 2 Zeilen entfernen. Trotzdem schreiben? Nein: es wurde "
                        "nichts geschrieben (tarvelo --rebuild --force schreibt trotzdem).\n");
  EXPECT_EQ(readFile(catalogFolder() / "OPS-Zuordnung.csv"), old);
  result = run("--rebuild --force catalog");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(readFile(catalogFolder() / "OPS-Zuordnung.csv"), expected);
  EXPECT_EQ(readFile(catalogFolder() / "OPS-Zuordnung.csv~"), old);
  EXPECT_EQ(run("--check --force catalog").status, 2);
}

// Two maintainers of one group-writable folder, each with an ordinary
// umask, rebuild one after the other: the second must not be locked out by
// what the first left behind.
TEST_F(CommandLine, TwoUsersOfASharedFolderRebuildOneAfterTheOther) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as two users";
  constexpr gid_t kGroup = 4242;
  const fs::path folder = catalogFolder();
  ASSERT_TRUE(shareFolderWithGroup(kGroup));
  for (const auto& entry : fs::directory_iterator(folder)) {
    ASSERT_EQ(::chown(entry.path().c_str(), 0, kGroup), 0);
    ASSERT_EQ(::chmod(entry.path().c_str(), 0664), 0);
  }
  ::chmod((root_ / "out").c_str(), 0666);
  for (const char* user : {"4201", "4202"}) {
    const std::string as = std::string("setpriv --reuid=") + user + " --regid=4242 --clear-groups sh -c 'umask 022; exec \"$0\" \"$@\"'";
    const Outcome result = run("--rebuild catalog", as);
    EXPECT_EQ(result.status, 0) << "user " << user << ": " << result.err;
  }
  struct stat lock {};
  ASSERT_EQ(::stat((folder / ".OPS-Zuordnung.csv.tarvelo-lock").c_str(), &lock), 0);
  EXPECT_EQ(lock.st_gid, kGroup);
  EXPECT_EQ(lock.st_mode & 0777, 0664U) << "the assignment file's bits, past the umask";
  struct stat file {};
  ASSERT_EQ(::stat((folder / "OPS-Zuordnung.csv").c_str(), &file), 0);
  EXPECT_EQ(file.st_uid, 4202U) << "written last by the second user";
  EXPECT_EQ(file.st_gid, kGroup);
  EXPECT_EQ(file.st_mode & 0777, 0664U);
}

// Another maintainer rebuilds a folder whose files are someone else's and
// only readable to them: the kernel lets them make no hard link to such a
// file, so the file before is kept as a copy.
TEST_F(CommandLine, AnotherMaintainerKeepsTheBackupOfFilesThatAreNotTheirs) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  constexpr gid_t kGroup = 4242;
  const fs::path folder = catalogFolder();
  ASSERT_TRUE(shareFolderWithGroup(kGroup));
  const std::string old = readFile(folder / "OPS-Zuordnung.csv") + "x;2026;BE;ZE01;ZE01.01\r\n";
  std::ofstream(folder / "OPS-Zuordnung.csv", std::ios::trunc) << old;
  std::ofstream(folder / "OPS-Zuordnung.csv~") << "older\r\n";
  for (const auto& entry : fs::directory_iterator(folder)) {
    ASSERT_EQ(::chown(entry.path().c_str(), 0, 0), 0);
    ASSERT_EQ(::chmod(entry.path().c_str(), 0644), 0);
  }
  ::chmod((root_ / "out").c_str(), 0666);
  const Outcome result = run("--rebuild catalog", "setpriv --reuid=4201 --regid=4242 --clear-groups");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(readFile(folder / "OPS-Zuordnung.csv~"), old);
  EXPECT_NE(readFile(folder / "OPS-Zuordnung.csv"), old);
}

TEST_F(CommandLine, RebuildRefusesWhenAFileDoesNotLoad) {
  std::ofstream(catalogFolder() / "OPS-Zuordnung.csv", std::ios::trunc) << "kept\r\n";
  fs::remove(catalogFolder() / "OPS-Kodes.csv");
  const Outcome result = run("--rebuild --folder catalog");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(readFile(catalogFolder() / "OPS-Zuordnung.csv"), "kept\r\n");
  EXPECT_NE(result.err.find("nichts geschrieben"), std::string::npos) << result.err;
}

TEST_F(CommandLine, LookupExitStatus) {
  struct Case {
    std::string arguments;
    int status;
  };
  for (const Case& c : std::vector<Case>{{"--lookup --year 2026 --folder catalog 8-854.2", 0},
                                         {"--lookup --year 2026 --folder catalog 8-854.2 9-999.99", 1},
                                         {"--lookup --all-years --folder catalog 88542", 0},
                                         {"--lookup --folder nowhere 8-854.2", 2},
                                         {"--lookup --folder catalog", 2},
                                         {"--year 2026 --check catalog", 2}}) {
    EXPECT_EQ(run(c.arguments).status, c.status) << c.arguments;
  }
  fs::remove(catalogFolder() / "Fu\xC3\x9Fnoten.txt");
  const Outcome unreadable = run("--lookup --year 2026 --folder catalog 8-854.2");
  EXPECT_EQ(unreadable.status, 2);
  EXPECT_EQ(unreadable.err, "tarvelo: Datei Fu\xC3\x9Fnoten.txt in " + catalogFolder().string() +
                                " kann nicht ge\xC3\xB6" "ffnet werden: Datei oder Verzeichnis nicht gefunden\n");
}

TEST_F(CommandLine, LookupOnACatalogWithoutTheCurrentYearSearchesItsNewestAndSaysSo) {
  const fs::path old = root_ / "old";
  fs::create_directory(old);
  std::ofstream(old / "ZE-Katalog.csv") << "2012;BE;ZE01;;Gruppe;;;;\r\n2012;BE;ZE01;ZE01.01;Dialyse;1,00;8-854.2;;\r\n";
  std::ofstream(old / "Fu\xC3\x9Fnoten.txt");
  std::ofstream(old / "OPS-Kodes.csv");
  std::ofstream(old / "OPS-Zuordnung.csv") << "8-854.2;2012;BE;ZE01;ZE01.01\r\n";
  const std::time_t now = std::time(nullptr);
  const std::string current = std::to_string(std::localtime(&now)->tm_year + 1900);

  const Outcome result = run("--lookup --folder old '1. 8-854.2 (03.01.2012)'");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_EQ(result.err, "tarvelo: ignoriert: 1., 03.01.2012\ntarvelo: Jahr " + current +
                            " fehlt im Katalog; gesucht in 2012\n");
  EXPECT_EQ(result.out,
            "Eingabe\tZuordnung\tJahr\tArt\tGruppe\tZE\tBezeichnung\tBetrag\tFundstelle\n"
            "8-854.2\t8-854.2\t2012\tBE\tZE01\tZE01.01\tDialyse\t1,00\t\n");
  EXPECT_EQ(run("--lookup --folder old --year 2012 8-854.2").err, "") << "a year named is searched as named";
  EXPECT_EQ(run("--lookup --folder old Dialyse").status, 2) << "no code at all";
}

TEST_F(CommandLine, ArgumentErrorsAreGermanAndExitWithTwo) {
  struct Case {
    std::string arguments;
    std::string error;
  };
  for (const Case& c : std::vector<Case>{
           {"--lookup --year", "tarvelo: --year braucht einen Wert\n"},
           {"--lookup --year abc 8-854.2", "tarvelo: --year erwartet ein Jahr mit vier Ziffern, nicht \xE2\x80\x9E" "abc\xE2\x80\x9C\n"},
           {"--lookup --year 99999999999999999999 8-854.2",
            "tarvelo: --year erwartet ein Jahr mit vier Ziffern, nicht \xE2\x80\x9E" "99999999999999999999\xE2\x80\x9C\n"},
           {"--check=ja", "tarvelo: --check nimmt keinen Wert\n"},
           {"-x", "tarvelo: unbekannte Option: -x (tarvelo --help)\n"},
           {"--check --rebuild", "tarvelo: nur einer von --check, --rebuild, --lookup, --import, --compare\n"},
           {"--folder", "tarvelo: --folder braucht einen Wert\n"},
           {"catalog other", "tarvelo: zu viele Argumente: catalog other\n"}}) {
    const Outcome result = run(c.arguments);
    EXPECT_EQ(result.status, 2) << c.arguments;
    EXPECT_EQ(result.err, c.error) << c.arguments;
  }
  EXPECT_EQ(run("-v").out, "tarvelo " TARVELO_VERSION "\n");
  EXPECT_EQ(run("-h").out, run("--help").out);
  EXPECT_EQ(run("-h").status, 0);
}

TEST_F(CommandLine, FolderNamesAreBytesAndCatalogTextCannotSteerTheTerminal) {
  // A folder name in Latin-1, not UTF-8, as an old archive may hold it.
  const std::string name = "kat\xE4log";
  fs::copy(catalogFolder(), root_ / name);
  std::ofstream(root_ / name / "ZE-Katalog.csv", std::ios::app)
      << "2026;BE;ZE77;;Gruppe;;;;\r\n2026;BE;ZE77;ZE77.01;Rot \x1B[31mfarbig;1,00;9-999.9;;\r\n";
  std::ofstream(root_ / name / "OPS-Zuordnung.csv", std::ios::app) << "9-999.9;2026;BE;ZE77;ZE77.01\r\n";
  const Outcome result = run("--lookup --year 2026 --folder '" + name + "' 9-999.9");
  EXPECT_EQ(result.status, 0) << result.err;
  EXPECT_NE(result.out.find("Rot \\x1B[31mfarbig"), std::string::npos) << result.out;
  EXPECT_EQ(result.out.find('\x1B'), std::string::npos);
  // The check prints plain ASCII lines as they are, the others encoded and
  // escaped like every catalog text.
  std::ofstream(root_ / name / "ZE-Katalog.csv", std::ios::app) << "2026;BE;ZE77;ZE77.02;Blau;;;\x1B[0m;\r\n";
  std::ifstream catalogFile(root_ / name / "ZE-Katalog.csv", std::ios::binary);
  const auto lastLine = std::count(std::istreambuf_iterator<char>(catalogFile), {}, '\n');
  const Outcome check = run("--check '" + name + "'");
  EXPECT_NE(check.out.find("ZE-Katalog.csv:" + std::to_string(lastLine) +
                           ": Warnung: Fu\xC3\x9Fnote \"\\x1B[0m\" fehlt f\xC3\xBCr 2026;BE in Fu\xC3\x9Fnoten.txt\n"),
            std::string::npos)
      << check.out;
  EXPECT_EQ(check.out.find('\x1B'), std::string::npos);
  EXPECT_NE(check.out.find(" Fehler, "), std::string::npos) << "the summary, plain ASCII";
  const Outcome missing = run("--check 'nirgends\xE4'");
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "tarvelo: Ordner nirgends\xEF\xBF\xBD kann nicht ge\xC3\xB6" "ffnet werden: Datei oder Verzeichnis nicht gefunden\n");
}

TEST_F(CommandLine, CommandsPrintNothingButTheirOwnMessages) {
  // As root without a runtime folder Qt would warn about it.
  const Outcome check = run("--check catalog");
  EXPECT_EQ(check.err, "");
  const Outcome rebuild = run("--rebuild catalog");
  EXPECT_EQ(rebuild.err, "");
  EXPECT_EQ(run("--lookup --year 2026 --folder catalog 8-854.2").err, "");
  const Outcome missingYear = run("--lookup --year 2031 --folder catalog 8-854.2");
  EXPECT_EQ(missingYear.err, "tarvelo: Jahr 2031 fehlt im Katalog\n");
  EXPECT_EQ(missingYear.status, 1);
}

// The commands ask the catalog; no window is built, so no platform plugin
// is loaded (the dynamic loader lists every library it opens).
TEST_F(CommandLine, CommandsLoadNoPlatformPlugin) {
  for (const std::string arguments : {"--check catalog", "--rebuild catalog", "--compare 2025 2026 catalog",
                                      "--lookup --year 2026 --folder catalog 8-854.2"}) {
    const Outcome result = run(arguments, "LD_DEBUG=files");
    EXPECT_EQ(result.status, 0) << arguments;
    EXPECT_NE(result.err.find("libQt6Core"), std::string::npos) << "the loader's list is missing";
    EXPECT_EQ(result.err.find("/platforms/"), std::string::npos) << arguments;
  }
}

TEST_F(CommandLine, WindowWithoutADisplaySaysSoInOneLine) {
  const Outcome result = run("catalog");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err.rfind("tarvelo: Keine grafische Oberfl\xC3\xA4" "che gefunden", 0), 0U) << result.err;
  EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
}

// A display that is named but does not answer (left from a closed session)
// ends the program with its own German line, not Qt's English abort.
TEST_F(CommandLine, WindowOnAStaleDisplaySaysSoInOneLine) {
  const Outcome result = run("catalog", "DISPLAY=:97");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "tarvelo: Keine grafische Oberfl\xC3\xA4" "che gefunden (die Anzeige \xE2\x80\x9E:97\xE2\x80\x9C "
                        "antwortet nicht). Ohne Fenster: tarvelo --check, --rebuild, --lookup (tarvelo --help).\n");
}

TEST_F(CommandLine, HelpVersionAndUnknownOptions) {
  EXPECT_EQ(run("--version").out, "tarvelo " TARVELO_VERSION "\n");
  const Outcome help = run("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--check"), std::string::npos);
  EXPECT_NE(help.out.find("README"), std::string::npos);
  const Outcome unknown = run("--frobnicate");
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.err, "tarvelo: unbekannte Option: --frobnicate (tarvelo --help)\n");
}

}  // namespace
