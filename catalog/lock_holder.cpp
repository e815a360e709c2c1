#include "catalog/lock_holder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "catalog/cp1252.h"

namespace catalog {
namespace {

// One line of /proc/locks: "1: FLOCK  ADVISORY  WRITE 4711 08:01:1234 0 EOF",
// the device's numbers in hex, the inode in decimal. A waiter's line has
// "->" after the number; it does not hold the lock.
std::optional<pid_t> flockHolderIn(const std::string& line, const struct stat& file) {
  std::istringstream fields(line);
  std::string number, type, mode, access, device;
  long process = 0;
  if (!(fields >> number >> type) || type == "->" || type != "FLOCK") return std::nullopt;
  if (!(fields >> mode >> access >> process >> device)) return std::nullopt;
  unsigned major = 0, minor = 0;
  unsigned long long inode = 0;
  if (std::sscanf(device.c_str(), "%x:%x:%llu", &major, &minor, &inode) != 3) return std::nullopt;
  if (makedev(major, minor) != file.st_dev || inode != file.st_ino) return std::nullopt;
  // A process of another namespace is shown as 0 or -1: held, but not by
  // anyone this machine can name.
  if (process <= 0) return std::nullopt;
  return static_cast<pid_t>(process);
}

std::string userOf(pid_t process) {
  struct stat info {};
  if (::stat(("/proc/" + std::to_string(process)).c_str(), &info) != 0) return {};
  std::vector<char> buffer(16384);
  passwd entry {};
  passwd* found = nullptr;
  if (::getpwuid_r(info.st_uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
    return cp1252::fromUtf8(found->pw_name);
  return std::to_string(info.st_uid);
}

}  // namespace

std::optional<LockHolder> lockHolderOf(int fd) {
  struct stat file {};
  if (::fstat(fd, &file) != 0) return std::nullopt;
  std::ifstream locks("/proc/locks");
  for (std::string line; std::getline(locks, line);) {
    if (const auto process = flockHolderIn(line, file)) {
      std::string user = userOf(*process);
      if (user.empty()) return std::nullopt;  // gone since
      return LockHolder{*process, std::move(user)};
    }
  }
  return std::nullopt;
}

}  // namespace catalog
