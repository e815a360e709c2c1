#pragma once
// Text for the terminal. Inside, catalog text is Windows-1252 bytes and the
// program's own texts are QStrings; what reaches a terminal goes through
// here once, encoded for the locale, with control characters of catalog
// text shown escaped ("\x1B"), so that no catalog line can steer the
// terminal.

#include <QString>
#include <string_view>

namespace app {

// Catalog text as it may be printed.
QString printable(std::string_view cp1252);

void printLine(const QString& text);
// printLine(printable(cp1252)), without the detour through a QString for
// plain ASCII, which is the same bytes in every locale's encoding: a check
// can print millions of lines.
void printCatalogLine(std::string_view cp1252);
// "tarvelo: " and the message, on standard error.
void printError(const QString& message);

}  // namespace app
