#pragma once
// The commands that need no display. Each runs in the current directory,
// prints to standard output and errors to standard error, and returns the
// exit status.

#include <QString>
#include <QStringList>
#include <optional>

namespace app {

int runCheck(int argc, char** argv);
int runRebuild(int argc, char** argv);
// year: nullopt for all years.
int runLookup(const QStringList& codes, const std::optional<QString>& year);

}  // namespace app
