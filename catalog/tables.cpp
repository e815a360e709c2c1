#include "catalog/tables.h"

#include "catalog/fields.h"
#include "catalog/file_reading.h"
#include "catalog/lines.h"

namespace catalog {
namespace {

Piece pieceOf(std::string_view whole, std::string_view part) {
  if (part.empty()) return {0, 0};
  return {static_cast<std::uint32_t>(part.data() - whole.data()), static_cast<std::uint32_t>(part.size())};
}

// Cuts every line into a key and a text, both pieces of the file.
template <typename Cut>
void fillKeyed(Column& keys, Column& texts, const LoadedFile& file, Cut cut,
               const std::function<void()>& progress = {}) {
  const std::string_view whole = *file.text;
  std::vector<Piece> keyPieces, textPieces;
  keyPieces.reserve(file.lines.size());
  textPieces.reserve(file.lines.size());
  for (const Piece& line : file.lines) {
    if (progress && keyPieces.size() % (std::size_t{1} << 18) == 0) progress();
    const KeyedView fields = cut(whole.substr(line.offset, line.length));
    keyPieces.push_back(pieceOf(whole, fields.key));
    textPieces.push_back(pieceOf(whole, fields.text));
  }
  keys.assign(file.text, std::move(keyPieces));
  texts.assign(file.text, std::move(textPieces));
}

}  // namespace

FileText readCatalogFile(const std::string& name, const std::function<void()>& progress) {
  if (name == kFootnoteFile) return readWholeFile(name, {"Fu\xC3\x9Fnoten.txt", name}, progress);
  return readWholeFile(name, {name}, progress);
}

LoadedFile loadCatalogFile(const std::string& name, const std::function<void()>& progress) {
  auto text = std::make_shared<const FileText>(readCatalogFile(name, progress));
  std::vector<Piece> lines = linePieces(*text, progress);
  if (progress) progress();
  return {std::move(text), std::move(lines)};
}

void fillCatalogLines(CatalogTable& table, LoadedFile file) {
  table.CatalogLines.assign(std::move(file.text), std::move(file.lines));
}

namespace {

// Cuts count lines, each a view into text, into the six field columns.
template <typename LineAt>
void splitInto(CatalogTable& table, const std::shared_ptr<const FileText>& text, std::size_t count, LineAt lineAt) {
  const std::string_view whole = *text;
  std::vector<Piece> pieces[6];
  for (auto& column : pieces) column.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    const CatalogFieldViews fields = catalogFieldsOf(lineAt(i));
    const std::string_view views[6] = {fields.groupKey, fields.zeCode,  fields.description,
                                       fields.amount,   fields.opsList, fields.footnoteRefs};
    for (int c = 0; c < 6; ++c) pieces[c].push_back(pieceOf(whole, views[c]));
  }
  Column* columns[6] = {&table.GroupKeys, &table.ZeCodes,  &table.Descriptions,
                        &table.Amounts,   &table.OpsLists, &table.FootnoteRefs};
  for (int c = 0; c < 6; ++c) columns[c]->assign(text, std::move(pieces[c]));
}

}  // namespace

void splitCatalog(CatalogTable& table, const std::shared_ptr<const FileText>& text) {
  const Column& lines = table.CatalogLines;
  splitInto(table, text, static_cast<std::size_t>(lines.count()),
            [&lines](std::size_t i) { return lines.get(static_cast<int>(i)); });
}

void splitCatalog(CatalogTable& table) {
  // The lines may have been appended one by one: gather them first.
  std::string text;
  std::vector<Piece> lines;
  for (int i = 0; i < table.CatalogLines.count(); ++i) {
    const std::string_view line = table.CatalogLines.get(i);
    lines.push_back({static_cast<std::uint32_t>(text.size()), static_cast<std::uint32_t>(line.size())});
    text += line;
  }
  const auto gathered = std::make_shared<const FileText>(std::string_view(text));
  const std::string_view whole = *gathered;
  splitInto(table, gathered, lines.size(),
            [&](std::size_t i) { return whole.substr(lines[i].offset, lines[i].length); });
}

void fillFootnotes(FootnoteTable& table, const LoadedFile& file) {
  fillKeyed(table.FootnoteKeys, table.FootnoteTexts, file, footnoteFieldsOf);
}

void fillOpsTexts(OpsTextTable& table, const LoadedFile& file, const std::function<void()>& progress) {
  fillKeyed(table.OpsKeys, table.OpsTexts, file, opsFieldsOf, progress);
}

void fillAssignments(AssignmentTable& table, const LoadedFile& file, const std::function<void()>& progress) {
  fillKeyed(table.AssignmentKeys, table.AssignmentTargets, file, assignmentFieldsOf, progress);
}

}  // namespace catalog
