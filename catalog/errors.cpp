#include "catalog/errors.h"

namespace catalog {

Error cannotOpen(std::string_view fileName) {
  return Error("Datei " + std::string(fileName) + " kann nicht ge\xF6" "ffnet werden");
}

Error cannotCreate(std::string_view fileName) {
  return Error("Datei " + std::string(fileName) + " kann nicht erstellt werden");
}

Error cannotRead(std::string_view fileName) {
  return Error("Datei " + std::string(fileName) + " kann nicht gelesen werden");
}

Error tooLarge(std::string_view fileName) {
  return Error("Datei " + std::string(fileName) + " ist gr\xF6\xDF" "er als 1 GiB und wird nicht gelesen");
}

Error indexOutOfRange(long long index) {
  return Error("Der Index der Liste \xFC" "berschreitet das Maximum (" + std::to_string(index) + ")");
}

}  // namespace catalog
