#include "app/shown_text.h"

#include <QStringList>

#include "app/text_codec.h"

namespace app {
namespace {
constexpr QChar kEllipsis(0x2026);
}

QString shownText(std::string_view cp1252Line) {
  if (cp1252Line.size() <= static_cast<std::size_t>(kShownCharacters)) return toQString(cp1252Line);
  return toQString(cp1252Line.substr(0, kShownCharacters)) + kEllipsis;
}

QString withLongLinesCut(const QString& text) {
  if (text.size() <= kShownCharacters) return text;
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines)
    if (line.size() > kShownCharacters) line = line.left(kShownCharacters) + kEllipsis;
  return lines.join(QLatin1Char('\n'));
}

}  // namespace app
