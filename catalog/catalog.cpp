#include "catalog/catalog.h"

#include <algorithm>
#include <future>

#include "catalog/fields.h"
#include "catalog/keys.h"
#include "catalog/lines.h"

namespace catalog {

// Group keys begin with yyyy;KK, the characters the group list compares.
Catalog::Catalog()
    : groupsByPrefix_(catalogTable_.GroupKeys, kGroupPrefixLength),
      linesByGroupKey_(catalogTable_.GroupKeys),
      linesByGroupAndZe_(linesByGroupKey_, catalogTable_.ZeCodes),
      assignmentIndex_(assignmentTable_.AssignmentKeys) {}

void Catalog::clear() {
  complete_ = false;
  for (Column* column :
       {&catalogTable_.CatalogLines, &catalogTable_.GroupKeys, &catalogTable_.ZeCodes, &catalogTable_.Descriptions,
        &catalogTable_.Amounts, &catalogTable_.OpsLists, &catalogTable_.FootnoteRefs, &assignmentTable_.AssignmentKeys,
        &assignmentTable_.AssignmentTargets, &footnoteTable_.FootnoteKeys, &footnoteTable_.FootnoteTexts,
        &opsTextTable_.OpsKeys, &opsTextTable_.OpsTexts})
    column->clear();
}

void Catalog::loadCatalogLines() {
  fillCatalogLines(catalogTable_, loadCatalogFile(kCatalogFile));
}

void Catalog::loadFootnotes() {
  progress();
  fillFootnotes(footnoteTable_, loadCatalogFile(kFootnoteFile));
}

void Catalog::loadOpsTexts() {
  progress();
  const std::function<void()> keepPainting = [this] { progress(); };
  const LoadedFile file = loadCatalogFile(kOpsTextFile, keepPainting);
  fillOpsTexts(opsTextTable_, file, keepPainting);
  progress();
  // The largest index: the second core builds it while this one goes on.
  opsTextTable_.OpsKeys.buildIndexInBackground();
}

void Catalog::loadAssignments() {
  progress();
  const std::function<void()> keepPainting = [this] { progress(); };
  fillAssignments(assignmentTable_, loadCatalogFile(kAssignmentFile, keepPainting), keepPainting);
  progress();
}

void Catalog::splitCatalog() {
  progress();
  catalog::splitCatalog(catalogTable_);
  buildIndexes();
  complete_ = true;
}

void Catalog::buildIndexes() const {
  // On another core, so that the caller's progress calls go on meanwhile:
  // the indexes of hundreds of thousands of assignments take a while.
  auto building = std::async(std::launch::async, [this] {
    for (const Column* column : {&catalogTable_.GroupKeys, &footnoteTable_.FootnoteKeys, &assignmentTable_.AssignmentKeys})
      column->buildIndex();
    groupsByPrefix_.build();
    linesByGroupKey_.build();
    linesByGroupAndZe_.build();
    assignmentIndex_.build();
  });
  while (building.wait_for(std::chrono::milliseconds(15)) != std::future_status::ready) progress();
  building.get();
  while (!opsTextTable_.OpsKeys.indexReady(std::chrono::milliseconds(15))) progress();
  opsTextTable_.OpsKeys.buildIndex();
}

void Catalog::load() {
  clear();
  loadCatalogLines();
  loadFootnotes();
  loadOpsTexts();
  loadAssignments();
  splitCatalog();
}

std::vector<std::string> Catalog::yearsLastFirst() const {
  Column years;
  for (int i = catalogTable_.CatalogLines.count() - 1; i >= 0; --i) {
    const std::string_view year = yearOf(catalogTable_.CatalogLines.get(i));
    if (years.find(year) == -1) years.append(year);
  }
  return years.entries();
}

EntryNumbers Catalog::linesWithGroupKey(std::string_view key) const {
  return linesByGroupKey_.indexesOf(key);
}

}  // namespace catalog

namespace catalog {

std::string Catalog::defaultYear(std::string_view currentYear) const {
  const std::vector<std::string> years = yearsLastFirst();
  if (years.empty() || std::find(years.begin(), years.end(), currentYear) != years.end()) return std::string(currentYear);
  std::optional<std::string> newestBefore;
  for (const std::string& year : years)
    if (year < currentYear && (!newestBefore || *newestBefore < year)) newestBefore = year;
  if (newestBefore) return *newestBefore;
  return *std::min_element(years.begin(), years.end());
}

std::optional<Catalog::AssignmentHit> Catalog::fieldSearch(std::string_view code, std::string_view year) const {
  const Column& keys = assignmentTable_.AssignmentKeys;
  for (const Kind kind : kKindsInSearchOrder)
    for (const std::string& key : searchKeys(code, year, kindCodeOf(kind)))
      if (const int line = keys.find(key); line != -1) return AssignmentHit{line, kind};
  for (const Kind kind : kKindsInSearchOrder)
    if (const auto lines = assignmentIndex_.wildcardLinesCovering(code, year, kind); !lines.empty())
      return AssignmentHit{lines.front(), kind};
  return std::nullopt;
}

}  // namespace catalog

namespace catalog {

void Catalog::loadTexts(const std::array<std::string_view, 4>& files) {
  clear();
  const auto loaded = [](std::string_view text) {
    auto buffer = std::make_shared<const FileText>(text);
    std::vector<Piece> lines = linePieces(*buffer);
    return LoadedFile{std::move(buffer), std::move(lines)};
  };
  fillCatalogLines(catalogTable_, loaded(files[0]));
  fillFootnotes(footnoteTable_, loaded(files[1]));
  fillOpsTexts(opsTextTable_, loaded(files[2]));
  fillAssignments(assignmentTable_, loaded(files[3]));
  splitCatalog();
}

// The field columns are cut from the lines (splitCatalog): one cut gives
// all five.
Catalog::LineView Catalog::lineView(int line) const {
  const CatalogFieldViews fields = catalogFieldsOf(catalogTable_.CatalogLines.get(line));
  return {fields.zeCode, fields.description, fields.amount, fields.opsList, fields.footnoteRefs};
}

std::string_view Catalog::readGroupName(const Catalog& catalog, int line) {
  return groupNameOf(catalog.catalogTable_.GroupKeys.get(line));
}

Catalog::LinesAs<std::string_view> Catalog::groupNames(std::string_view year, Kind kind) const {
  return {this, readGroupName, groupsByPrefix_.indexesOf(joinKey({year, kindCodeOf(kind)}))};
}

EntryNumbers Catalog::linesOfYearAndKind(std::string_view year, Kind kind) const {
  return groupsByPrefix_.indexesOf(joinKey({year, kindCodeOf(kind)}));
}

std::optional<Catalog::LineView> Catalog::firstLineOfGroup(std::string_view year, Kind kind,
                                                           std::string_view group) const {
  const int line = catalogTable_.GroupKeys.find(joinKey({year, kindCodeOf(kind), group}));
  if (line == -1) return std::nullopt;
  return lineView(line);
}

Catalog::Lines Catalog::linesOfGroup(std::string_view year, Kind kind, std::string_view group) const {
  return {this, readLine, linesWithGroupKey(joinKey({year, kindCodeOf(kind), group}))};
}

Catalog::Lines Catalog::linesOfZe(std::string_view year, Kind kind, std::string_view group,
                                  std::string_view ze) const {
  return {this, readLine, linesByGroupAndZe_.indexesOf(joinKey({year, kindCodeOf(kind), group}), ze)};
}

std::optional<std::string_view> Catalog::footnoteText(std::string_view year, Kind kind, std::string_view mark) const {
  const int footnote = footnoteTable_.FootnoteKeys.find(joinKey({year, kindCodeOf(kind), mark}));
  if (footnote == -1) return std::nullopt;
  return footnoteTable_.FootnoteTexts.get(footnote);
}

std::optional<std::string_view> Catalog::opsText(std::string_view year, std::string_view code) const {
  const int found = opsTextTable_.OpsKeys.find(joinKey({year, code}));
  if (found == -1) return std::nullopt;
  return opsTextTable_.OpsTexts.get(found);
}

AssignmentTarget Catalog::assignmentTarget(int line) const {
  return splitTarget(assignmentTable_.AssignmentTargets.get(line));
}

std::string_view Catalog::assignmentCode(int line) const {
  return splitAssignmentKey(assignmentTable_.AssignmentKeys.get(line)).code;
}

unsigned long Catalog::revision() const {
  unsigned long sum = 0;
  for (const Column* column :
       {&catalogTable_.CatalogLines, &catalogTable_.GroupKeys, &catalogTable_.ZeCodes, &catalogTable_.Descriptions,
        &catalogTable_.Amounts, &catalogTable_.OpsLists, &catalogTable_.FootnoteRefs, &footnoteTable_.FootnoteKeys,
        &footnoteTable_.FootnoteTexts, &opsTextTable_.OpsKeys, &opsTextTable_.OpsTexts, &assignmentTable_.AssignmentKeys,
        &assignmentTable_.AssignmentTargets})
    sum += column->revision();
  return sum;
}

}  // namespace catalog
