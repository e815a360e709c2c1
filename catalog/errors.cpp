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

std::string ignoredNote(const std::vector<std::string>& ignored) {
  std::string note = "ignoriert: ";
  for (std::size_t i = 0; i < ignored.size(); ++i) note += (i ? ", " : "") + ignored[i];
  return note;
}

std::string yearMissingNote(std::string_view missing, std::string_view searched) {
  return "Jahr " + std::string(missing) + " fehlt im Katalog; " + searchedYearNote(searched);
}

std::string searchedYearNote(std::string_view year) { return "gesucht in " + std::string(year); }

std::string incompleteCatalogNote() {
  return "Der Katalog wurde nicht vollst\xE4ndig geladen; die Suche ist erst nach dem n\xE4" "chsten Laden m\xF6glich.";
}

}  // namespace catalog
