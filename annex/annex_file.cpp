#include "annex/annex_file.h"

#include <algorithm>

#include "annex/csv_table.h"
#include "annex/definitions.h"
#include "annex/messages.h"
#include "annex/pdf_table.h"
#include "annex/xlsx_table.h"
#include "catalog/cp1252.h"
#include "catalog/file_reading.h"

namespace annex {
namespace {

bool startsWith(const std::string& data, std::string_view prefix) { return data.compare(0, prefix.size(), prefix) == 0; }

// A text file has no NUL byte and few control characters.
bool looksLikeText(const std::string& data) {
  const std::size_t checked = std::min<std::size_t>(data.size(), 65536);
  std::size_t controls = 0;
  for (std::size_t i = 0; i < checked; ++i) {
    const auto c = static_cast<unsigned char>(data[i]);
    if (c == 0) return false;
    if (c < 0x20 && c != '\t' && c != '\r' && c != '\n') ++controls;
  }
  return controls * 100 <= checked;
}

// Of a workbook's sheets, the first whose header row has the annex's columns.
Table tableOfSheets(const std::vector<Grid>& sheets, int annex, std::string_view file) {
  std::optional<Table> fallback;
  for (const Grid& sheet : sheets) {
    std::optional<Table> table = tableOfGrid(sheet);
    if (!table) continue;
    if (annexOfColumns(*table) == annex) return std::move(*table);
    if (!fallback) fallback = std::move(table);
  }
  if (fallback) return std::move(*fallback);  // refused with the reason when read as the annex
  throw noTable(file, annex, "Kopfzeile mit ZE und Bezeichnung");
}

}  // namespace

Table readAnnexTable(const std::string& path, int annex) {
  const std::string shownName = catalog::cp1252::fromUtf8(path);
  const catalog::FileText text = catalog::readWholeFile(shownName, {path});
  return annexTableOf(std::string(static_cast<std::string_view>(text)), shownName, annex);
}

Table annexTableOf(const std::string& data, const std::string& shownName, int annex) {
  if (startsWith(data, "%PDF-")) return readPdfTable(data, shownName);
  if (startsWith(data, "PK\x03\x04")) return tableOfSheets(readXlsxSheets(data, shownName), annex, shownName);
  if (data.empty() || !looksLikeText(data)) throw unknownFileKind(shownName);
  return tableOfSheets({readCsvGrid(data)}, annex, shownName);
}

}  // namespace annex
