#pragma once
// The errors the program can meet. Their texts are Windows-1252, like all
// catalog text, and are shown to the user as they stand.

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/lock_holder.h"

namespace catalog {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& text) : std::runtime_error(text) {}
};

// A file's errors name the file, the folder it was looked for in (the
// current directory for a bare name) and the system's reason.
Error cannotOpen(std::string_view fileName, int errorNumber);
Error notARegularFile(std::string_view fileName);
Error cannotCreate(std::string_view fileName, int errorNumber);
// The backup "name~" of the file a save would replace cannot be made.
Error cannotKeepBackup(std::string_view backupName, int errorNumber);
Error cannotRead(std::string_view fileName, int errorNumber);
Error tooLarge(std::string_view fileName);
// A file that is a symbolic link, which a save would replace by a file.
Error isSymbolicLink(std::string_view fileName);
// What a rebuild that drops most of the file asks first.
std::string rebuildWouldDrop(std::size_t dropped, std::size_t total);
// The new file's name no longer named it when it was to be renamed.
Error replacedWhileSaving(std::string_view fileName);
Error indexOutOfRange(long long index);
Error folderCannotBeOpened(std::string_view folder, int errorNumber);
Error rebuildNeedsCompleteLoad();
// lockFile is the lock's name in the folder; the holder when known.
Error rebuildRunningElsewhere(std::string_view lockFile, const std::optional<LockHolder>& holder);
// The text shown when memory ran out, and for an error of unknown kind.
std::string outOfMemoryText();
std::string unknownErrorText();

// The system's reason for a failed call, in German ("Keine Berechtigung").
std::string reasonOf(int errorNumber);

// What a search says beside its rows.
std::string ignoredNote(const std::vector<std::string>& ignored);     // "ignoriert: 03.01.2012, 1."
std::string yearMissingNote(std::string_view missing, std::string_view searched);
std::string searchedYearNote(std::string_view year);                  // "gesucht in 2012"
std::string incompleteCatalogNote();  // instead of rows, when the last load failed

}  // namespace catalog
