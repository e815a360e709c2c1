#pragma once
// What tells a changed file from the one loaded: its device, inode, size
// and modification time. A window that loaded the catalog a while ago
// compares them before it writes anything derived from what it loaded.

#include <ctime>
#include <string>
#include <sys/types.h>

namespace catalog {

struct FileIdentity {
  bool exists = false;
  dev_t device = 0;
  ino_t inode = 0;
  off_t size = 0;
  std::timespec modified{};
  bool operator==(const FileIdentity& other) const;
};

FileIdentity identityOf(const std::string& path);

}  // namespace catalog
