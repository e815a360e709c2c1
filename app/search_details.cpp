#include "app/search_details.h"

#include <QStringList>
#include <algorithm>

#include "app/search_results_model.h"
#include "app/text_codec.h"
#include "catalog/keys.h"
#include "catalog/search.h"
#include "catalog/ze_details.h"

namespace app {
namespace {

QString kindName(const std::string& kind) {
  return catalog::kindOfCode(kind) == catalog::Kind::Federal ? QStringLiteral("bundeseinheitlich")
                                                             : QStringLiteral("krankenhausindividuell");
}

void addSection(QStringList& lines, const QString& title, const std::vector<std::string>& entries) {
  if (entries.empty()) return;
  lines << QString() << title;
  for (const std::string& entry : entries) lines << QStringLiteral("  ") + toQString(entry);
}

// The OPS text of the code that found the row: the code as entered, else
// the line's own (a wildcard line has none).
QString matchedCodeLine(const catalog::Catalog& catalog, const catalog::LookupRow& row, const std::string& code) {
  std::string_view text = catalog::opsTextOf(catalog, row.year, code);
  if (text.empty()) text = catalog::opsTextOf(catalog, row.year, row.matchedCode);
  QString line = QStringLiteral("OPS-Kode %1").arg(toQString(code));
  if (row.matchedCode != code) line += QStringLiteral(" (Zuordnung %1)").arg(toQString(row.matchedCode));
  return line + QStringLiteral(": ") + (text.empty() ? QStringLiteral("kein OPS-Text") : toQString(text));
}

// The ZE's codes whose text holds one of the words searched for.
std::vector<std::string> codesWithWords(const std::vector<std::string>& codes, const std::vector<std::string>& words) {
  std::vector<std::string> matching;
  for (const std::string& code : codes) {
    const std::string folded = catalog::searchFolded(code);
    if (std::any_of(words.begin(), words.end(), [&](const std::string& w) { return folded.find(w) != std::string::npos; }))
      matching.push_back(code);
  }
  return matching;
}

// The ZE's partners in the other years of the catalog, each year paired
// with the next as the year comparison pairs them.
QStringList otherYearsSection(catalog::YearComparisons& comparisons, const catalog::LookupRow& row) {
  QStringList lines{QString(), QStringLiteral("In anderen Jahren:")};
  for (const auto& entry : comparisons.amountsThroughYears(row.year, catalog::kindOfCode(row.kind), row.group, row.ze)) {
    if (entry.year == row.year) continue;
    lines << QStringLiteral("  %1 %2: %3")
                 .arg(toQString(entry.year), toQString(entry.code),
                      toQString(catalog::amountShown(row.kind, entry.amount)));
  }
  if (lines.size() == 2) lines << QStringLiteral("  keine Entsprechung");
  return lines;
}

}  // namespace

QString detailsText(const SearchResultsModel& model, int index, catalog::YearComparisons* comparisons) {
  const catalog::Catalog* catalog = model.catalog();
  if (!catalog) return {};
  const catalog::SearchResult& result = model.result();
  const catalog::SearchRow& source = result.rows.at(static_cast<std::size_t>(index));
  const catalog::LookupRow row = model.row(index);
  if (!row.found) return QStringLiteral("%1: kein Zusatzentgelt").arg(toQString(row.entered));

  const catalog::ZeDetails details = catalog::zeDetails(*catalog, row.year, row.kind, row.group, row.ze);
  QStringList lines;
  lines << (row.ze.empty() ? QStringLiteral("Gruppe %1").arg(toQString(row.group)) : toQString(row.ze)) +
               QStringLiteral(" \u2013 ") + toQString(row.description);
  if (!row.ze.empty())
    lines << QStringLiteral("Gruppe %1 \u2013 %2").arg(toQString(row.group), toQString(details.groupDescription));
  lines << QStringLiteral("%1, %2").arg(toQString(row.year), kindName(row.kind));
  if (!row.ze.empty()) lines << QStringLiteral("Betrag: ") + toQString(row.amount);
  if (source.code >= 0) {
    const std::string code = catalog::ops_code::searchCode(
        catalog::ops_code::fieldText(result.codes.at(static_cast<std::size_t>(source.code)).code));
    lines << matchedCodeLine(*catalog, row, code);
    if (!row.foundIn.empty()) lines << QStringLiteral("Gefunden als ") + toQString(row.foundIn);
  } else {
    lines << QStringLiteral("Gefunden in: ") + toQString(row.foundIn);
    std::vector<std::string> codes = details.groupCodes;
    codes.insert(codes.end(), details.zeCodes.begin(), details.zeCodes.end());
    addSection(lines, QStringLiteral("Passende OPS-Kodes:"), codesWithWords(codes, result.words));
  }
  addSection(lines, QStringLiteral("Fu\u00DFnoten der Gruppe:"), details.groupFootnotes);
  addSection(lines, QStringLiteral("Fu\u00DFnoten der ZE:"), details.zeFootnotes);
  addSection(lines, QStringLiteral("OPS-Kodes der Gruppe:"), details.groupCodes);
  addSection(lines, QStringLiteral("OPS-Kodes der ZE:"), details.zeCodes);
  if (comparisons && !row.ze.empty()) lines << otherYearsSection(*comparisons, row);
  return lines.join(QLatin1Char('\n'));
}

}  // namespace app
