#pragma once
// Where the window starts when no folder was named: the current directory
// when it holds any of the four files (a catalog folder, maybe with a
// fault), else the folder shown last, else the one the user picks, the
// installed sample offered. The folders shown are remembered per user.

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace app {

bool holdsCatalogFiles(const QString& folder);
// The folder to change into, or nullopt to stay (and load as always).
std::optional<QString> startFolder(const QString& current);

// Asks for a catalog folder, the given one preselected; an empty answer is
// a cancel. Tests replace it.
extern std::function<QString(const QString& preselected)> askForStartFolder;

// The sample catalog installed beside the program, or empty.
QString installedSample();

// The folders shown, newest first, at most five.
QStringList recentFolders();
void rememberFolder(const QString& folder);

}  // namespace app
