#include "app/console.h"

#include <algorithm>
#include <cstdio>

#include "app/text_codec.h"

namespace app {

QString printable(std::string_view cp1252) {
  const QString text = toQString(cp1252);
  // Nearly every line holds no control character: a check of a huge file
  // prints millions of them.
  const auto isControl = [](char16_t u) { return u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0); };
  if (std::none_of(text.begin(), text.end(), [&](QChar c) { return isControl(c.unicode()); })) return text;
  QString shown;
  shown.reserve(text.size());
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (isControl(u)) {
      shown += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0')).toUpper().replace(QStringLiteral("\\X"), QStringLiteral("\\x"));
    } else {
      shown += c;
    }
  }
  return shown;
}

void printLine(const QString& text) {
  QByteArray bytes = text.toLocal8Bit();
  bytes.append('\n');
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

void printCatalogLine(std::string_view cp1252) {
  if (!std::all_of(cp1252.begin(), cp1252.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
    return printLine(printable(cp1252));
  std::fwrite(cp1252.data(), 1, cp1252.size(), stdout);
  std::fputc('\n', stdout);
}

void printError(const QString& message) {
  std::fflush(stdout);
  const QByteArray bytes = (QStringLiteral("tarvelo: ") + message + QLatin1Char('\n')).toLocal8Bit();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
  std::fflush(stderr);
}

}  // namespace app
