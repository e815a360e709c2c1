#pragma once
// Where the window starts when no folder was named: the current directory
// when it holds any of the four files (a catalog folder, maybe with a
// fault), else the folder shown last, else the one the user picks, the
// installed sample offered. The folders shown are remembered per user.
// Folders are the file system's bytes, so that a name that is no UTF-8 (a
// share copied from Windows) is found again.

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

namespace app {

// The current directory as the file system names it.
QByteArray currentFolder();
bool holdsCatalogFiles(const QByteArray& folder);
// The folder to change into, or nullopt to stay (and load as always).
std::optional<QByteArray> startFolder(const QByteArray& current);

// Asks for a catalog folder, the given one preselected; an empty answer is
// a cancel. Tests replace it.
extern std::function<QString(const QString& preselected)> askForStartFolder;

// The sample catalog installed beside the program, or empty.
QString installedSample();

// The folders shown, newest first, at most five.
QList<QByteArray> recentFolders();
void rememberFolder(const QByteArray& folder);

}  // namespace app
