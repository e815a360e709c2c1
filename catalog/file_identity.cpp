#include "catalog/file_identity.h"

#include <sys/stat.h>

#include "catalog/file_names.h"
#include "catalog/tables.h"

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

std::array<FileIdentity, 4> identitiesOfCatalogFiles() {
  std::array<FileIdentity, 4> identities;
  for (std::size_t f = 0; f < kCatalogFiles.size(); ++f) identities[f] = identityOf(catalogFilePath(kCatalogFiles[f]));
  return identities;
}

}  // namespace catalog
