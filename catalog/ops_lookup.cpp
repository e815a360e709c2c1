#include "catalog/ops_lookup.h"

#include <algorithm>
#include <set>

#include "catalog/cp1252.h"
#include "catalog/keys.h"

namespace catalog {

OpsLookup::OpsLookup(const Catalog& catalog) : catalog_(catalog), years_(catalog.yearsLastFirst()) {}

std::vector<LookupRow> OpsLookup::lookup(const std::vector<std::string>& codes,
                                         const std::optional<std::string>& year) const {
  std::vector<ops_code::CodeInText> asWritten;
  for (const std::string& code : codes) asWritten.push_back({code, code});
  return lookup(asWritten, year);
}

std::vector<LookupRow> OpsLookup::lookup(const std::vector<ops_code::CodeInText>& codes,
                                         const std::optional<std::string>& year) const {
  std::vector<LookupRow> rows;
  for (const ops_code::CodeInText& code : codes) {
    const std::size_t before = rows.size();
    for (const std::string& y : year ? std::vector<std::string>{*year} : years_) {
      std::vector<LookupRow> found = rowsFor(code, y);
      rows.insert(rows.end(), std::make_move_iterator(found.begin()), std::make_move_iterator(found.end()));
    }
    if (rows.size() == before) {
      LookupRow none{code.entered, "", year.value_or(""), "", "", "", "kein Zusatzentgelt", "", false, ""};
      rows.push_back(std::move(none));
    }
  }
  return rows;
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

std::vector<LookupRow> OpsLookup::rowsFor(const ops_code::CodeInText& entered, const std::string& year) const {
  const std::string code = ops_code::searchCode(ops_code::fieldText(entered.code));
  const AssignmentIndex& index = catalog_.assignments();
  std::vector<LookupRow> rows;
  std::set<int> taken;
  const auto add = [&](int line, const char* foundIn) {
    if (!taken.insert(line).second) return;
    rows.push_back(rowOf(entered, year, line));
    rows.back().foundIn = foundIn;
  };
  for (const Kind kind : kKindsInSearchOrder)
    for (const std::string& keyCode : searchKeyCodes(code))
      for (const int line : index.linesWithCode(keyCode, year, kind)) add(line, "");
  for (const Kind kind : kKindsInSearchOrder)
    for (const int line : index.wildcardLinesCovering(code, year, kind)) add(line, "");
  if (const auto prefix = categoryPrefix(code)) {
    const std::vector<int> longer = index.linesWithLongerCodes(*prefix, year);
    for (const Kind kind : kKindsInSearchOrder)
      for (const int line : longer)
        if (cp1252::equalsIgnoringCase(splitAssignmentKey(catalog_.AssignmentTable.AssignmentKeys.get(line)).kind,
                                       kindCodeOf(kind)))
          add(line, "Unterkode");
  }
  return rows;
}

LookupRow OpsLookup::rowOf(const ops_code::CodeInText& entered, const std::string& year, int line) const {
  const AssignmentKey key = splitAssignmentKey(catalog_.AssignmentTable.AssignmentKeys.get(line));
  const AssignmentTarget target = splitTarget(catalog_.AssignmentTable.AssignmentTargets.get(line));
  const Kind kind = cp1252::equalsIgnoringCase(key.kind, "BE") ? Kind::Federal : Kind::Hospital;
  LookupRow row{entered.entered,         std::string(key.code), year, std::string(kindCodeOf(kind)),
                std::string(target.group), std::string(target.ze), "",   "",
                true,                    ""};
  describe(row);
  return row;
}

// The description and amount the window shows for the row's ZE: the last
// catalog line of the group key and ZE code, compared exactly.
void OpsLookup::describe(LookupRow& row) const {
  const auto& table = catalog_.CatalogTable;
  const std::string groupKey = joinKey({row.year, row.kind, row.group});
  for (const int k : catalog_.linesWithGroupKey(groupKey)) {
    if (table.ZeCodes.get(k) != row.ze) continue;
    row.description = table.Descriptions.get(k);
    row.amount = table.Amounts.get(k);
  }
}

std::string lookupHeader() { return "Eingabe\tOPS-Kode\tJahr\tArt\tGruppe\tZE\tBezeichnung\tBetrag\tFundstelle"; }

std::string lookupLine(const LookupRow& row) {
  return concat({row.entered, "\t", row.matchedCode, "\t", row.year, "\t", row.kind, "\t", row.group, "\t", row.ze,
                 "\t", row.description, "\t", row.amount, "\t", row.foundIn});
}

}  // namespace catalog
