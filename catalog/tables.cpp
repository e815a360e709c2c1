#include "catalog/tables.h"

#include "catalog/fields.h"
#include "catalog/file_reading.h"
#include "catalog/lines.h"

#include <sys/stat.h>

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

namespace {
constexpr char kFootnoteFileUtf8[] = "Fu\xC3\x9Fnoten.txt";
}  // namespace

FileText readCatalogFile(const std::string& name, const std::function<void()>& progress) {
  if (name == kFootnoteFile) return readWholeFile(name, {kFootnoteFileUtf8, name}, progress, ReadUpTo::FirstNul);
  return readWholeFile(name, {name}, progress, ReadUpTo::FirstNul);
}

void ensureCatalogFileReadable(const std::string& name) {
  if (name == kFootnoteFile) return ensureReadable(name, {kFootnoteFileUtf8, name});
  ensureReadable(name, {name});
}

std::string catalogFilePath(const std::string& name) {
  if (name != kFootnoteFile) return name;
  struct stat file {};
  if (::lstat(kFootnoteFileUtf8, &file) != 0 && ::lstat(kFootnoteFile, &file) == 0) return name;
  return kFootnoteFileUtf8;
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

void splitCatalog(CatalogTable& table) {
  const Column& lines = table.CatalogLines;
  table.GroupKeys.derive(lines, catalogGroupKeyOf);
  table.ZeCodes.derive(lines, catalogZeCodeOf);
  table.Descriptions.derive(lines, catalogDescriptionOf);
  table.Amounts.derive(lines, catalogAmountOf);
  table.OpsLists.derive(lines, catalogOpsListOf);
  table.FootnoteRefs.derive(lines, catalogFootnoteRefsOf);
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
