#pragma once
// The one mend of the display for lines no one can read: a line longer than
// kShownCharacters is shown cut there, followed by "…", so that laying it
// out costs what a screen can show. Copying, searching and the files use the
// whole line.

#include <QString>
#include <string_view>

namespace app {

constexpr qsizetype kShownCharacters = 65536;

// A Windows-1252 line as shown.
QString shownText(std::string_view cp1252Line);
// Every line of a text as shown.
QString withLongLinesCut(const QString& text);

}  // namespace app
