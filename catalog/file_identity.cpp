#include "catalog/file_identity.h"

#include <sys/stat.h>


namespace catalog {

bool FileIdentity::operator==(const FileIdentity& other) const {
  return exists == other.exists && device == other.device && inode == other.inode && size == other.size &&
         modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}

FileIdentity identityOf(const std::string& path) {
  struct stat file {};
  if (::stat(path.c_str(), &file) != 0) return {};
  return {true, file.st_dev, file.st_ino, file.st_size, file.st_mtim};
}

}  // namespace catalog
