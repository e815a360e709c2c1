#pragma once
// The one place where catalog text (Windows-1252 bytes) meets Qt's Unicode.

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
