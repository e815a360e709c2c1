#pragma once
// The tests compare what widgets show with UTF-8 literals. The program
// itself converts only through its text codec (no implicit conversion from
// char*); these comparisons say which encoding the literal has.

#include <QString>

inline bool operator==(const QString& shown, const char* utf8) { return shown == QString::fromUtf8(utf8); }
inline bool operator!=(const QString& shown, const char* utf8) { return !(shown == utf8); }
