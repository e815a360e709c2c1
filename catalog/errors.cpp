#include "catalog/errors.h"

namespace catalog {

Error cannotOpen(std::string_view fileName) {
  return Error("Datei " + std::string(fileName) + " kann nicht ge\xF6" "ffnet werden");
}

Error cannotCreate(std::string_view fileName) {
  return Error("Datei " + std::string(fileName) + " kann nicht erstellt werden");
}

Error indexOutOfRange(long long index) {
  return Error("Der Index der Liste \xFC" "berschreitet das Maximum (" + std::to_string(index) + ")");
}

}  // namespace catalog
