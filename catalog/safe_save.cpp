#include "catalog/safe_save.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "catalog/errors.h"
#include "catalog/lock_holder.h"

namespace catalog {
namespace {

std::function<bool(SaveStep)>& fault() {
  static std::function<bool(SaveStep)> instance;
  return instance;
}

// Whether a step may go on: false when a test makes it fail.
bool allowed(SaveStep step) {
  if (fault() && fault()(step)) {
    errno = ENOSPC;
    return false;
  }
  return true;
}

struct Place {
  std::string folder;    // "." for a bare name
  std::string baseName;
};

Place placeOf(const std::string& fileName) {
  const auto slash = fileName.rfind('/');
  if (slash == std::string::npos) return {".", fileName};
  return {slash == 0 ? "/" : fileName.substr(0, slash), fileName.substr(slash + 1)};
}

// Temporary files are named ".<name>.tarvelo-" and six characters.
std::string temporaryPrefix(const Place& place) { return "." + place.baseName + ".tarvelo-"; }
constexpr std::size_t kSuffixLength = 6;

std::string randomSuffix() {
  static std::mt19937 generator{std::random_device{}()};
  static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kAlphabet - 2);
  std::string suffix;
  for (std::size_t i = 0; i < kSuffixLength; ++i) suffix += kAlphabet[pick(generator)];
  return suffix;
}

template <typename Call>
auto retryingOnInterrupt(Call call) {
  decltype(call()) result;
  do result = call();
  while (result < 0 && errno == EINTR);
  return result;
}

bool writeAll(int fd, const std::string& data) {
  std::size_t written = 0;
  while (written < data.size()) {
    const ssize_t n = retryingOnInterrupt([&] { return ::write(fd, data.data() + written, data.size() - written); });
    if (n <= 0) return false;
    written += static_cast<std::size_t>(n);
  }
  return true;
}

bool flushFolder(const std::string& folder) {
  const int fd = retryingOnInterrupt([&] { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); });
  if (fd < 0) return false;
  const bool ok = retryingOnInterrupt([&] { return ::fsync(fd); }) == 0;
  ::close(fd);
  return ok;
}

// The new file, until it is renamed into place: closed and removed by the
// destructor unless released.
class TemporaryFile {
 public:
  explicit TemporaryFile(const Place& place) {
    // O_EXCL and O_NOFOLLOW: never write through a name someone else made.
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
      path_ = place.folder + "/" + temporaryPrefix(place) + randomSuffix();
      fd_ = retryingOnInterrupt([&] {
        return ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
      });
      if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) path_.clear();
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  bool isOpen() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    // Linux releases the descriptor even when close reports EINTR.
    return ::close(fd) == 0 || errno == EINTR;
  }
  void release() { path_.clear(); }
  bool stillNamesItsFile() const {
    struct stat open {}, named {};
    return ::fstat(fd_, &open) == 0 && ::lstat(path_.c_str(), &named) == 0 && S_ISREG(named.st_mode) &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
  }

 private:
  int fd_ = -1;
  std::string path_;
};

// The old file's mode and owner go to the new one; a new file keeps what the
// umask gave it at creation. A file system that keeps no modes (FAT media)
// or a user who may not give the file away changes nothing of what is
// written, so neither stops the save.
void takeOverModeAndOwner(int fd, const std::string& fileName) {
  struct stat old {};
  if (::lstat(fileName.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return;
  [[maybe_unused]] const int moded = retryingOnInterrupt([&] { return ::fchmod(fd, old.st_mode & 07777); });
  [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
}

// Copies a file into a new temporary file beside it, for a file system
// without hard links. Returns the copy's name, or nothing with errno set.
std::optional<std::string> copyBeside(const std::string& fileName, const Place& place, mode_t mode) {
  const int from = retryingOnInterrupt([&] { return ::open(fileName.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC); });
  if (from < 0) return std::nullopt;
  TemporaryFile copy(place);
  bool copied = copy.isOpen();
  char buffer[1 << 16];
  while (copied) {
    const ssize_t n = retryingOnInterrupt([&] { return ::read(from, buffer, sizeof buffer); });
    if (n <= 0) {
      copied = n == 0;
      break;
    }
    copied = writeAll(copy.fd(), std::string(buffer, static_cast<std::size_t>(n)));
  }
  const int error = errno;
  ::close(from);
  if (copied) {
    [[maybe_unused]] const int moded = ::fchmod(copy.fd(), mode & 07777);
    copied = retryingOnInterrupt([&] { return ::fsync(copy.fd()); }) == 0 && copy.close();
  }
  if (!copied) {
    errno = error != 0 ? error : EIO;
    return std::nullopt;
  }
  std::string name = copy.path();
  copy.release();
  return name;
}

// The file before stays as "name~". A second name of the same file (a hard
// link), or a copy where the file system has no links, is made under a
// temporary name and renamed over the old "~", so that the old backup goes
// only when a complete new one takes its place. When no backup can be made
// the save refuses before anything is replaced.
void keepPrevious(const std::string& fileName, const Place& place) {
  struct stat old {};
  if (::lstat(fileName.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return;  // nothing to keep
  const std::string backup = fileName + "~";
  struct stat previous {};
  if (::lstat(backup.c_str(), &previous) == 0 && S_ISDIR(previous.st_mode)) throw cannotKeepBackup(backup, EISDIR);
  std::optional<std::string> second;
  for (int attempt = 0; attempt < 100 && !second; ++attempt) {
    const std::string name = place.folder + "/" + temporaryPrefix(place) + randomSuffix();
    if (!allowed(SaveStep::Link)) {
      errno = EPERM;
      break;
    }
    if (::link(fileName.c_str(), name.c_str()) == 0) second = name;
    else if (errno != EEXIST) break;
  }
  if (!second) second = copyBeside(fileName, place, old.st_mode);
  if (!second) throw cannotKeepBackup(backup, errno);
  if (!allowed(SaveStep::Backup) || std::rename(second->c_str(), backup.c_str()) != 0) {
    const int error = errno;
    ::unlink(second->c_str());
    throw cannotKeepBackup(backup, error);
  }
  // A "~" that already was this very file keeps the temporary name too.
  ::unlink(second->c_str());
}

}  // namespace

void saveLinesReplacing(const std::string& fileName, const std::vector<std::string_view>& lines) {
  std::string data;
  std::size_t bytes = 0;
  for (const std::string_view line : lines) bytes += line.size() + 2;
  data.reserve(bytes);
  for (const std::string_view line : lines) {
    data += line;
    data += "\r\n";
  }
  saveTextReplacing(fileName, data);
}

void saveTextReplacing(const std::string& fileName, const std::string& data) {
  const Place place = placeOf(fileName);
  struct stat existing {};
  if (::lstat(fileName.c_str(), &existing) == 0 && S_ISLNK(existing.st_mode)) throw isSymbolicLink(fileName);
  if (!allowed(SaveStep::Create)) throw cannotCreate(fileName, errno);
  TemporaryFile temporary(place);
  if (!temporary.isOpen()) throw cannotCreate(fileName, errno);
  const bool written = allowed(SaveStep::Write) && writeAll(temporary.fd(), data) && allowed(SaveStep::Flush) &&
                       retryingOnInterrupt([&] { return ::fsync(temporary.fd()); }) == 0 && allowed(SaveStep::Mode);
  if (!written) throw cannotCreate(fileName, errno);
  takeOverModeAndOwner(temporary.fd(), fileName);
  // The name is renamed, not the descriptor: it must still be our file.
  if (!temporary.stillNamesItsFile()) throw replacedWhileSaving(fileName);
  if (!allowed(SaveStep::Close) || !temporary.close()) throw cannotCreate(fileName, errno);
  keepPrevious(fileName, place);
  if (!allowed(SaveStep::Rename) || std::rename(temporary.path().c_str(), fileName.c_str()) != 0)
    throw cannotCreate(fileName, errno);
  temporary.release();
  if (!allowed(SaveStep::FlushFolder) || !flushFolder(place.folder)) throw cannotCreate(fileName, errno);
}

SaveLock::SaveLock(const std::string& fileName) {
  const Place place = placeOf(fileName);
  const std::string lockPath = place.folder + "/." + place.baseName + ".tarvelo-lock";
  // An advisory lock needs no write access: every maintainer of a shared
  // folder opens the same file read-only. Made when missing, it takes the
  // assignment file's group and read and write bits, so that the next
  // maintainer can open it too.
  // O_NONBLOCK: a FIFO in its place must not hang the program; anything but
  // a regular file is refused below.
  constexpr int kOpenLock = O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK;
  fd_ = retryingOnInterrupt([&] { return ::open(lockPath.c_str(), kOpenLock); });
  if (fd_ < 0 && errno == ENOENT) {
    struct stat file {};
    const bool known = ::stat(fileName.c_str(), &file) == 0;
    const mode_t mode = known ? (file.st_mode & 0666) : 0644;
    fd_ = retryingOnInterrupt(
        [&] { return ::open(lockPath.c_str(), kOpenLock | O_CREAT | O_EXCL, mode); });
    if (fd_ >= 0) {
      ::fchmod(fd_, mode);  // past the umask
      if (known && ::fchown(fd_, static_cast<uid_t>(-1), file.st_gid) != 0) {
        // Not a member of the file's group: the folder's default stays.
      }
    } else if (errno == EEXIST) {
      fd_ = retryingOnInterrupt([&] { return ::open(lockPath.c_str(), kOpenLock); });
    }
  }
  if (fd_ < 0) throw cannotCreate(lockPath, errno);
  struct stat lock {};
  if (::fstat(fd_, &lock) != 0 || !S_ISREG(lock.st_mode)) {
    ::close(fd_);
    throw notARegularFile(lockPath);
  }
  if (retryingOnInterrupt([&] { return ::flock(fd_, LOCK_EX | LOCK_NB); }) != 0) {
    const auto holder = lockHolderOf(fd_);
    ::close(fd_);
    throw rebuildRunningElsewhere(lockPath.substr(place.folder.size() + 1), holder);
  }
  // Under the lock no save is running, so every temporary file of ours is
  // left over from one that was killed.
  const std::string prefix = temporaryPrefix(place);
  if (DIR* folder = ::opendir(place.folder.c_str())) {
    while (const dirent* entry = ::readdir(folder)) {
      const std::string name = entry->d_name;
      if (name.size() == prefix.size() + kSuffixLength && name.compare(0, prefix.size(), prefix) == 0)
        ::unlinkat(::dirfd(folder), name.c_str(), 0);
    }
    ::closedir(folder);
  }
}

SaveLock::~SaveLock() { ::close(fd_); }

namespace testing {
void setSaveFault(std::function<bool(SaveStep)> newFault) { fault() = std::move(newFault); }
}  // namespace testing

}  // namespace catalog
