#include "catalog/ops_lookup.h"

#include <set>
#include <utility>

#include "catalog/cp1252.h"
#include "catalog/keys.h"

namespace catalog {

OpsLookup::OpsLookup(const Catalog& catalog) : catalog_(catalog), years_(catalog.yearsLastFirst()) {}

SearchResult OpsLookup::search(std::vector<ops_code::CodeInText> codes, const std::optional<std::string>& year) const {
  SearchResult result;
  result.codes = std::move(codes);
  result.year = year;
  for (int code = 0; code < static_cast<int>(result.codes.size()); ++code) {
    const std::size_t before = result.rows.size();
    for (const std::string& y : year ? std::vector<std::string>{*year} : years_) addRows(result, code, y);
    if (result.rows.size() == before) result.rows.push_back({FoundIn::NoZe, code, -1, -1, -1, false});
  }
  return result;
}

std::vector<LookupRow> OpsLookup::lookup(const std::vector<ops_code::CodeInText>& codes,
                                         const std::optional<std::string>& year) const {
  const SearchResult result = search(codes, year);
  std::vector<LookupRow> rows;
  rows.reserve(result.rows.size());
  for (const SearchRow& row : result.rows) rows.push_back(describeRow(catalog_, result, row));
  return rows;
}

std::vector<LookupRow> OpsLookup::lookup(const std::vector<std::string>& codes,
                                         const std::optional<std::string>& year) const {
  std::vector<ops_code::CodeInText> asWritten;
  for (const std::string& code : codes) asWritten.push_back({code, code});
  return lookup(asWritten, year);
}

namespace {

// The code without its empty positions at the end, when it is a whole
// category or more ("8-854"), for the lines of its longer codes.
std::optional<std::string> categoryPrefix(std::string code) {
  while (!code.empty() && code.back() == ' ') code.pop_back();
  if (code.size() < 5 || code.find(' ') != std::string::npos) return std::nullopt;
  return code;
}

}  // namespace

void OpsLookup::addRows(SearchResult& result, int codeIndex, const std::string& year) const {
  const std::string code = ops_code::searchCode(ops_code::fieldText(result.codes[static_cast<std::size_t>(codeIndex)].code));
  const AssignmentIndex& index = catalog_.assignments();
  std::set<int> taken;
  const auto add = [&](int line, FoundIn foundIn) {
    if (!taken.insert(line).second) return;
    const AssignmentKey key = splitAssignmentKey(catalog_.assignmentTable().AssignmentKeys.get(line));
    const AssignmentTarget target = splitTarget(catalog_.assignmentTable().AssignmentTargets.get(line));
    const int zeLine = zeLineOf(catalog_, year, kindCodeOf(kindOfCode(key.kind)), target.group, target.ze);
    result.rows.push_back({foundIn, codeIndex, line, zeLine, -1, false});
  };
  for (const Kind kind : kKindsInSearchOrder)
    for (const std::string& keyCode : searchKeyCodes(code))
      for (const int line : index.linesWithCode(keyCode, year, kind)) add(line, FoundIn::Code);
  for (const Kind kind : kKindsInSearchOrder)
    for (const int line : index.wildcardLinesCovering(code, year, kind)) add(line, FoundIn::Code);
  if (const auto prefix = categoryPrefix(code)) {
    const std::vector<int> longer = index.linesWithLongerCodes(*prefix, year);
    const auto& keys = catalog_.assignmentTable().AssignmentKeys;
    for (const Kind kind : kKindsInSearchOrder)
      for (const int line : longer)
        if (cp1252::equalsIgnoringCase(splitAssignmentKey(keys.get(line)).kind, kindCodeOf(kind)))
          add(line, FoundIn::Subcode);
  }
}

std::string lookupHeader() { return "Eingabe\tZuordnung\tJahr\tArt\tGruppe\tZE\tBezeichnung\tBetrag\tFundstelle"; }

std::vector<std::string_view> lookupFields(const LookupRow& row) {
  return {row.entered, row.matchedCode, row.year,   row.kind,   row.group,
          row.ze,      row.description, row.amount, row.foundIn};
}

std::string lookupLine(const LookupRow& row) {
  std::string line;
  bool first = true;
  for (const std::string_view field : lookupFields(row)) {
    if (!std::exchange(first, false)) line += '\t';
    line += field;
  }
  return line;
}

}  // namespace catalog
