#include "catalog/tables.h"

#include "catalog/fields.h"
#include "catalog/file_reading.h"
#include "catalog/lines.h"

namespace catalog {

std::string readCatalogFile(const std::string& name) {
  if (name == kFootnoteFile) return readWholeFile(name, {"Fu\xC3\x9Fnoten.txt", name});
  return readWholeFile(name, {name});
}

std::vector<std::string> loadCatalogFile(const std::string& name) { return splitLines(readCatalogFile(name)); }

void splitCatalog(CatalogTable& table) {
  for (const std::string& line : table.CatalogLines.entries()) {
    CatalogFields fields = cutCatalogLine(line);
    table.GroupKeys.append(std::move(fields.groupKey));
    table.ZeCodes.append(std::move(fields.zeCode));
    table.Descriptions.append(std::move(fields.description));
    table.Amounts.append(std::move(fields.amount));
    table.OpsLists.append(std::move(fields.opsList));
    table.FootnoteRefs.append(std::move(fields.footnoteRefs));
  }
}

namespace {

void fillKeyed(Column& keys, Column& texts, const std::vector<std::string>& lines,
               KeyedText (*cut)(std::string_view)) {
  for (const std::string& line : lines) {
    KeyedText cutLine = cut(line);
    keys.append(std::move(cutLine.key));
    texts.append(std::move(cutLine.text));
  }
}

}  // namespace

void fillFootnotes(FootnoteTable& table, const std::vector<std::string>& lines) {
  fillKeyed(table.FootnoteKeys, table.FootnoteTexts, lines, cutFootnoteLine);
}

void fillOpsTexts(OpsTextTable& table, const std::vector<std::string>& lines) {
  fillKeyed(table.OpsKeys, table.OpsTexts, lines, cutOpsLine);
}

void fillAssignments(AssignmentTable& table, const std::vector<std::string>& lines) {
  fillKeyed(table.AssignmentKeys, table.AssignmentTargets, lines, cutAssignmentLine);
}

}  // namespace catalog
