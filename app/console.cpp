#include "app/console.h"

#include <cstdio>

#include "app/text_codec.h"

namespace app {

QString printable(std::string_view cp1252) {
  const QString text = toQString(cp1252);
  QString shown;
  shown.reserve(text.size());
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u < 0x20 || u == 0x7F || (u >= 0x80 && u < 0xA0)) {
      shown += QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0')).toUpper().replace(QStringLiteral("\\X"), QStringLiteral("\\x"));
    } else {
      shown += c;
    }
  }
  return shown;
}

void printLine(const QString& text) {
  const QByteArray bytes = (text + QLatin1Char('\n')).toLocal8Bit();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

void printError(const QString& message) {
  std::fflush(stdout);
  const QByteArray bytes = (QStringLiteral("tarvelo: ") + message + QLatin1Char('\n')).toLocal8Bit();
  std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
  std::fflush(stderr);
}

}  // namespace app
