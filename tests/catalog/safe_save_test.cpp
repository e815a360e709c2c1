// Replacing a file keeps the one before as "name~" whatever the file system
// and the folder's owners allow, or writes nothing; the lock is a regular
// file or refused.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <future>

#include "catalog/errors.h"
#include "catalog/safe_save.h"
#include "temporary_folder.h"

namespace {

using testing_support::failsWith;
using testing_support::TemporaryFolder;

class SafeSave : public ::testing::Test {
 protected:
  SafeSave() {
    folder.write("f.csv", "old\r\n");
    folder.write("f.csv~", "older\r\n");
  }
  ~SafeSave() override { catalog::testing::setSaveFault({}); }

  void save() const { catalog::saveLinesReplacing(folder.file("f.csv"), {"new"}); }
  // Nothing of ours left behind but the lock.
  bool noTemporaryFiles() const {
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
      if (entry.path().filename().string().find(".tarvelo-") != std::string::npos) return false;
    return true;
  }
  std::string backupError(const char* reason) const {
    return "Datei f.csv~ in " + folder.path().string() + " kann als Sicherung der Datei davor nicht angelegt werden: " +
           reason + "; es wurde nichts geschrieben";
  }

  TemporaryFolder folder;
};

TEST_F(SafeSave, TheFileBeforeBecomesTheBackupWithOrWithoutHardLinks) {
  struct Case {
    const char* name;
    bool hardLinks;
    mode_t backupMode;  // of the old "~"
  };
  for (const Case& each : {Case{"hard link", true, 0644}, Case{"copy", false, 0644},
                           Case{"read-only backup replaced", true, 0444}, Case{"copy over read-only", false, 0444}}) {
    folder.write("f.csv", "old\r\n");
    ::chmod(folder.file("f.csv").c_str(), 0640);
    folder.write("f.csv~", "older\r\n");
    ::chmod(folder.file("f.csv~").c_str(), each.backupMode);
    catalog::testing::setSaveFault(
        [&each](catalog::SaveStep step) { return step == catalog::SaveStep::Link && !each.hardLinks; });
    save();
    EXPECT_EQ(folder.read("f.csv"), "new\r\n") << each.name;
    EXPECT_EQ(folder.read("f.csv~"), "old\r\n") << each.name;
    struct stat backup {};
    ASSERT_EQ(::stat(folder.file("f.csv~").c_str(), &backup), 0);
    EXPECT_EQ(backup.st_mode & 07777, 0640U) << each.name << ": the file before, with its mode";
    EXPECT_TRUE(noTemporaryFiles()) << each.name;
  }
}

TEST_F(SafeSave, NoBackupPossibleMeansNothingWritten) {
  // A directory in the backup's place.
  std::filesystem::remove(folder.file("f.csv~"));
  std::filesystem::create_directory(folder.file("f.csv~"));
  EXPECT_TRUE(failsWith([this] { save(); }, backupError("Ist ein Verzeichnis")));
  EXPECT_EQ(folder.read("f.csv"), "old\r\n");
  EXPECT_TRUE(std::filesystem::is_directory(folder.file("f.csv~")));
  EXPECT_TRUE(noTemporaryFiles());
  // A backup that cannot be replaced (an immutable one, a full disk): the old
  // one stays as it was.
  std::filesystem::remove(folder.file("f.csv~"));
  folder.write("f.csv~", "older\r\n");
  catalog::testing::setSaveFault([](catalog::SaveStep step) { return step == catalog::SaveStep::Backup; });
  EXPECT_TRUE(failsWith([this] { save(); }, backupError("Auf dem Ger\xE4t ist kein Speicherplatz mehr verf\xFCgbar")));
  EXPECT_EQ(folder.read("f.csv"), "old\r\n");
  EXPECT_EQ(folder.read("f.csv~"), "older\r\n");
  EXPECT_TRUE(noTemporaryFiles());
}

TEST_F(SafeSave, ALockThatIsNoRegularFileIsRefusedAtOnce) {
  const std::string lock = folder.file(".f.csv.tarvelo-lock");
  ASSERT_EQ(::mkfifo(lock.c_str(), 0644), 0);
  // Opening a FIFO for reading waits for a writer; the lock must not.
  auto taken = std::async(std::launch::async, [this] {
    try {
      catalog::SaveLock held(folder.file("f.csv"));
      return std::string("taken");
    } catch (const catalog::Error& error) {
      return std::string(error.what());
    }
  });
  ASSERT_EQ(taken.wait_for(std::chrono::seconds(5)), std::future_status::ready) << "the lock hung on a FIFO";
  EXPECT_EQ(taken.get(), "Datei .f.csv.tarvelo-lock in " + folder.path().string() +
                             " kann nicht ge\xF6" "ffnet werden: Keine gew\xF6hnliche Datei");
}

}  // namespace
