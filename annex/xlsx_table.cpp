#include "annex/xlsx_table.h"

#include <QBuffer>
#include <QByteArray>
#include <QXmlStreamReader>
#include <cmath>
#include <map>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include "annex/header_words.h"
#include "annex/messages.h"
#include "catalog/cp1252.h"

namespace annex {
namespace {

std::string cp1252Of(const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  return catalog::cp1252::fromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

class Workbook {
 public:
  Workbook(const std::string& data, std::string_view file)
      : bytes_(data.data(), static_cast<qsizetype>(data.size())), buffer_(&bytes_), zip_(&buffer_), file_(file) {
    if (!zip_.open(QuaZip::mdUnzip)) throw damagedWorkbook(file_, "kein ZIP-Archiv");
  }

  QByteArray part(const QString& name, bool required) {
    if (!zip_.setCurrentFile(name)) {
      if (required) throw damagedWorkbook(file_, cp1252Of(name) + " fehlt");
      return {};
    }
    QuaZipFile entry(&zip_);
    if (!entry.open(QIODevice::ReadOnly)) throw damagedWorkbook(file_, cp1252Of(name) + " besch\xE4" "digt");
    QByteArray content = entry.readAll();
    if (entry.getZipError() != 0) throw damagedWorkbook(file_, cp1252Of(name) + " besch\xE4" "digt");
    return content;
  }

  const std::string& file() const { return file_; }

 private:
  QByteArray bytes_;
  QBuffer buffer_;
  QuaZip zip_;
  std::string file_;
};

// The text of an element whose text runs (<t>) may be split into runs (<r>).
QString textRunsUntilEnd(QXmlStreamReader& xml, const QString& endName) {
  QString text;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == u"t") text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
    else if (xml.isStartElement() && (xml.name() == u"rPh" || xml.name() == u"phoneticPr")) xml.skipCurrentElement();
    else if (xml.isEndElement() && xml.name() == endName) break;
  }
  return text;
}

std::vector<std::string> sharedStrings(const QByteArray& xmlText) {
  std::vector<std::string> strings;
  QXmlStreamReader xml(xmlText);
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == u"si") strings.push_back(cp1252Of(textRunsUntilEnd(xml, QStringLiteral("si"))));
  }
  return strings;
}

// "C12" is column 2 (from 0).
std::size_t columnOfReference(QStringView reference) {
  std::size_t column = 0;
  for (const QChar c : reference) {
    if (c < u'A' || c > u'Z') break;
    column = column * 26 + static_cast<std::size_t>(c.unicode() - u'A' + 1);
  }
  return column == 0 ? 0 : column - 1;
}

// A number as the annexes print amounts: 1265.33 gives "1.265,33".
std::string germanNumber(const QString& value) {
  bool ok = false;
  const double number = value.toDouble(&ok);
  if (!ok) return cp1252Of(value);
  if (number == std::floor(number) && std::fabs(number) < 1e15) return std::to_string(static_cast<long long>(number));
  const long long cents = std::llround(number * 100);
  const std::string whole = catalog::withThousandPoints(std::to_string(std::llabs(cents) / 100));
  const long long rest = std::llabs(cents) % 100;
  return (cents < 0 ? "-" : "") + whole + "," + (rest < 10 ? "0" : "") + std::to_string(rest);
}

Grid sheetGrid(const QByteArray& xmlText, const std::vector<std::string>& strings, std::string_view file) {
  Grid rows;
  QXmlStreamReader xml(xmlText);
  std::size_t nextColumn = 0;
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isStartElement() && xml.name() == u"row") {
      rows.emplace_back();
      nextColumn = 0;
    } else if (xml.isStartElement() && xml.name() == u"c" && !rows.empty()) {
      const QXmlStreamAttributes attributes = xml.attributes();
      const QStringView reference = attributes.value(QStringLiteral("r"));
      const std::size_t column = reference.isEmpty() ? nextColumn : columnOfReference(reference);
      const QString type = attributes.value(QStringLiteral("t")).toString();
      std::string value;
      while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"c") break;
        if (xml.isStartElement() && xml.name() == u"v") {
          const QString raw = xml.readElementText();
          if (type == u"s") {
            const std::size_t index = raw.toULongLong();
            if (index >= strings.size()) throw damagedWorkbook(file, "Verweis auf fehlenden Text");
            value = strings[index];
          } else if (type == u"str" || type == u"e") {
            value = cp1252Of(raw);
          } else if (type == u"b") {
            value = raw == u"1" ? "WAHR" : "FALSCH";
          } else {
            value = germanNumber(raw);
          }
        } else if (xml.isStartElement() && xml.name() == u"is") {
          value = cp1252Of(textRunsUntilEnd(xml, QStringLiteral("is")));
        }
      }
      if (column > 16384) throw damagedWorkbook(file, "Spalte au\xDF" "erhalb der Tabelle");
      std::vector<std::string>& row = rows.back();
      if (row.size() <= column) row.resize(column + 1);
      row[column] = std::move(value);
      nextColumn = column + 1;
    }
  }
  if (xml.hasError()) throw damagedWorkbook(file, "XML fehlerhaft");
  return rows;
}

// The sheets' parts in the workbook's order.
std::vector<QString> sheetParts(Workbook& workbook) {
  std::map<QString, QString> targets;
  QXmlStreamReader relations(workbook.part(QStringLiteral("xl/_rels/workbook.xml.rels"), true));
  while (!relations.atEnd()) {
    relations.readNext();
    if (relations.isStartElement() && relations.name() == u"Relationship") {
      QString target = relations.attributes().value(QStringLiteral("Target")).toString();
      target = target.startsWith(u'/') ? target.mid(1) : QStringLiteral("xl/") + target;
      targets[relations.attributes().value(QStringLiteral("Id")).toString()] = target;
    }
  }
  std::vector<QString> parts;
  QXmlStreamReader xml(workbook.part(QStringLiteral("xl/workbook.xml"), true));
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement() || xml.name() != u"sheet") continue;
    for (const QXmlStreamAttribute& attribute : xml.attributes())
      if (attribute.name() == u"id" && targets.count(attribute.value().toString()))
        parts.push_back(targets[attribute.value().toString()]);
  }
  if (xml.hasError() || relations.hasError()) throw damagedWorkbook(workbook.file(), "XML fehlerhaft");
  return parts;
}

}  // namespace

std::vector<Grid> readXlsxSheets(const std::string& data, std::string_view file) {
  Workbook workbook(data, file);
  const std::vector<std::string> strings = sharedStrings(workbook.part(QStringLiteral("xl/sharedStrings.xml"), false));
  std::vector<Grid> sheets;
  for (const QString& part : sheetParts(workbook)) sheets.push_back(sheetGrid(workbook.part(part, true), strings, file));
  if (sheets.empty()) throw damagedWorkbook(file, "keine Tabelle");
  return sheets;
}

}  // namespace annex
