#include "app/text_codec.h"

#include "catalog/cp1252.h"

namespace app {

QString toQString(std::string_view cp1252) {
  // One character per byte, written in place: appending one at a time cost
  // more than anything else when millions of lines are printed.
  QString result(static_cast<qsizetype>(cp1252.size()), Qt::Uninitialized);
  QChar* out = result.data();
  for (const char c : cp1252)
    *out++ = QChar(static_cast<char16_t>(catalog::cp1252::toUnicode(static_cast<unsigned char>(c))));
  return result;
}

std::optional<unsigned char> toCp1252Char(QChar c) {
  if (c.isSurrogate()) return std::nullopt;
  return catalog::cp1252::fromUnicode(c.unicode());
}

std::string toCp1252(const QString& text) {
  std::string result;
  result.reserve(static_cast<std::size_t>(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
    result.push_back(static_cast<char>(toCp1252Char(c).value_or('?')));
  }
  return result;
}

}  // namespace app
