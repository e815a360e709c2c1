#pragma once
// Replacing a file so that nothing is ever lost: the new content goes to a
// temporary file beside it, is flushed, takes the old file's mode and owner,
// and is renamed over it; the folder is flushed after the rename. A failure at
// any step leaves the old file whole and no temporary file behind.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace catalog {

// Writes each line followed by CR LF in place of fileName. The file before
// stays beside it as fileName~ (a hard link, else a copy, replacing the old
// one only when complete); when none can be made, nothing is written. A fileName that is a symbolic link is
// refused: replacing it would silently cut the link.
void saveLinesReplacing(const std::string& fileName, const std::vector<std::string_view>& lines);
// The same for a whole text, written as it is.
void saveTextReplacing(const std::string& fileName, const std::string& data);

// Held while a file is rebuilt and saved: an advisory lock (flock) on a lock
// file beside it, so that two programs never rebuild the same folder at once.
// Taking it removes temporary files that a killed save left behind.
class SaveLock {
 public:
  // Fails with a message saying so when another program holds the lock.
  explicit SaveLock(const std::string& fileName);
  ~SaveLock();
  SaveLock(const SaveLock&) = delete;
  SaveLock& operator=(const SaveLock&) = delete;

 private:
  int fd_;
};

// The steps of a save, for tests that make one of them fail.
enum class SaveStep { Create, Write, Flush, Mode, Close, Rename, FlushFolder, Link, Backup };
namespace testing {
// Called before each step; returning true makes that step fail as a full
// disk would. An empty function restores normal saving.
void setSaveFault(std::function<bool(SaveStep)> fault);
}  // namespace testing

}  // namespace catalog
