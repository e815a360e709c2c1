#pragma once
// The one place where catalog text meets Qt's Unicode. The rule at the
// edges: inside, catalog text and the catalog's messages are Windows-1252
// bytes in std::string (catalog/errors.cpp writes them with \x escapes);
// outside, text is a QString (the window's own words are QStringLiteral
// with \u escapes) or, on a terminal, the locale's encoding (app/console).
// Nothing else converts.

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace app {

QString toQString(std::string_view cp1252);
// Characters the code page cannot hold become "?".
std::string toCp1252(const QString& text);
// One character; nothing when the code page cannot hold it.
std::optional<unsigned char> toCp1252Char(QChar c);

}  // namespace app
