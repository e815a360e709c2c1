#include "catalog/errors.h"

#include <climits>
#include <cerrno>
#include <unistd.h>

#include "catalog/cp1252.h"
#include "catalog/keys.h"

namespace catalog {

namespace {

// "Datei NAME in ORDNER": a path is split at its last "/"; for a bare name,
// or one in ".", the current directory is named. File names are bytes of
// the system's encoding, shown in the code page of every message.
std::string fileInFolder(std::string_view fileName) {
  std::string folder, name(fileName);
  if (const auto slash = fileName.rfind('/'); slash != std::string_view::npos) {
    folder = std::string(fileName.substr(0, slash == 0 ? 1 : slash));
    name = std::string(fileName.substr(slash + 1));
  }
  if (folder.empty() || folder == ".") {
    folder.clear();
    char buffer[PATH_MAX];
    if (::getcwd(buffer, sizeof buffer)) folder = buffer;
  }
  std::string text = "Datei " + name;
  if (!folder.empty()) text += " in " + cp1252::fromUtf8(folder);
  return text;
}

}  // namespace

Error cannotOpen(std::string_view fileName, int errorNumber) {
  return Error(fileInFolder(fileName) + " kann nicht ge\xF6" "ffnet werden: " + reasonOf(errorNumber));
}

Error notARegularFile(std::string_view fileName) {
  return Error(fileInFolder(fileName) + " kann nicht ge\xF6" "ffnet werden: Keine gew\xF6hnliche Datei");
}

Error cannotCreate(std::string_view fileName, int errorNumber) {
  return Error(fileInFolder(fileName) + " kann nicht erstellt werden: " + reasonOf(errorNumber));
}

Error cannotKeepBackup(std::string_view backupName, int errorNumber) {
  return Error(fileInFolder(backupName) + " kann als Sicherung der Datei davor nicht angelegt werden: " +
               reasonOf(errorNumber) + "; es wurde nichts geschrieben");
}

Error cannotRead(std::string_view fileName, int errorNumber) {
  return Error(fileInFolder(fileName) + " kann nicht gelesen werden: " + reasonOf(errorNumber));
}

Error isSymbolicLink(std::string_view fileName) {
  return Error(fileInFolder(fileName) +
               " ist eine symbolische Verkn\xFCpfung; OPS-Match ersetzt sie nicht. Bitte die Datei selbst in den Ordner legen");
}

std::string rebuildWouldDrop(std::size_t dropped, std::size_t total) {
  return "OPS-Match w\xFCrde " + std::to_string(dropped) + " von " + std::to_string(total) +
         " Zeilen entfernen. Trotzdem schreiben?";
}

Error replacedWhileSaving(std::string_view fileName) {
  return Error(fileInFolder(fileName) + " kann nicht erstellt werden: Die neue Datei wurde w\xE4hrend des Schreibens ersetzt");
}

Error tooLarge(std::string_view fileName) {
  return Error(fileInFolder(fileName) + " ist gr\xF6\xDF" "er als 1 GiB und wird nicht gelesen");
}

Error indexOutOfRange(long long index) {
  return Error("Der Index der Liste \xFC" "berschreitet das Maximum (" + std::to_string(index) + ")");
}

Error folderCannotBeOpened(std::string_view folder, int errorNumber) {
  return Error("Ordner " + std::string(folder) + " kann nicht ge\xF6" "ffnet werden: " + reasonOf(errorNumber));
}

Error rebuildNeedsCompleteLoad() {
  return Error("OPS-Match nicht m\xF6glich: Der Katalog wurde nicht vollst\xE4ndig geladen.");
}

Error rebuildRunningElsewhere(std::string_view lockFile, const std::optional<LockHolder>& holder) {
  std::string where = concat({"Sperrdatei ", lockFile});
  if (holder) where += concat({", gehalten von Benutzer ", holder->user, ", Prozess ", std::to_string(holder->process)});
  return Error(concat({"OPS-Match l\xE4uft bereits in einem anderen Programm f\xFCr diesen Ordner (", where,
                       "); es wurde nichts geschrieben"}));
}

std::string outOfMemoryText() { return "Nicht gen\xFCgend Arbeitsspeicher; der Vorgang wurde abgebrochen"; }

std::string unknownErrorText() { return "Unbekannter Fehler"; }

std::string reasonOf(int errorNumber) {
  switch (errorNumber) {
    case EACCES: return "Keine Berechtigung";
    case EPERM: return "Die Operation ist nicht erlaubt";
    case ENOENT: return "Datei oder Verzeichnis nicht gefunden";
    case ENOTDIR: return "Ist kein Verzeichnis";
    case EISDIR: return "Ist ein Verzeichnis";
    case EEXIST: return "Die Datei existiert bereits";
    case ENOSPC: return "Auf dem Ger\xE4t ist kein Speicherplatz mehr verf\xFC" "gbar";
    case EDQUOT: return "Der zugewiesene Plattenplatz (Quota) ist \xFC" "berschritten";
    case EROFS: return "Das Dateisystem ist nur lesbar";
    case EIO: return "Eingabe-/Ausgabefehler";
    case ENAMETOOLONG: return "Der Dateiname ist zu lang";
    case ELOOP: return "Zu viele Ebenen aus symbolischen Verkn\xFCpfungen";
    case EMFILE:
    case ENFILE: return "Zu viele offene Dateien";
    case ENOMEM: return "Nicht gen\xFCgend Hauptspeicher verf\xFC" "gbar";
    case EBUSY: return "Das Ger\xE4t oder die Ressource ist belegt";
    case ETXTBSY: return "Das Programm wird gerade ausgef\xFChrt";
    case EAGAIN: return "Die Ressource ist zur Zeit nicht verf\xFC" "gbar";
    case ENXIO: return "Kein solches Ger\xE4t oder keine solche Adresse";
    case EFBIG: return "Die Datei ist zu gro\xDF";
    case EXDEV: return "Ung\xFCltige Verkn\xFCpfung \xFC" "ber Ger\xE4tegrenzen hinweg";
    default: return "Systemfehler " + std::to_string(errorNumber);
  }
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
