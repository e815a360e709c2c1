#include "catalog/ops_lookup.h"

#include <set>

#include "catalog/cp1252.h"
#include "catalog/keys.h"

namespace catalog {

std::string opsFieldText(std::string_view code) {
  std::string bare;
  for (char c : code)
    if (c != '-' && c != '.' && c != ' ' && c != '\t') bare += c;
  std::string text = " -   .  ";
  constexpr int kPositions[] = {0, 2, 3, 4, 6, 7};
  for (std::size_t i = 0; i < bare.size() && i < 6; ++i) text[static_cast<std::size_t>(kPositions[i])] = bare[i];
  return text;
}

std::vector<std::string> splitCodeList(std::string_view text) {
  std::vector<std::string> codes;
  std::string current;
  for (char c : text) {
    if (c == ' ' || c == ',' || c == ';' || c == '\n' || c == '\r' || c == '\t') {
      if (!current.empty()) codes.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) codes.push_back(std::move(current));
  return codes;
}

OpsLookup::OpsLookup(const Catalog& catalog) : catalog_(catalog), years_(catalog.yearsLastFirst()) {
  const Column& keys = catalog.AssignmentTable.AssignmentKeys;
  for (int i = 0; i < keys.count(); ++i) byFoldedKey_[cp1252::folded(keys.get(i))].push_back(i);
}

std::vector<LookupRow> OpsLookup::lookup(const std::vector<std::string>& codes,
                                         const std::optional<std::string>& year) const {
  std::vector<LookupRow> rows;
  for (const std::string& entered : codes) {
    std::size_t before = rows.size();
    for (const std::string& y : year ? std::vector<std::string>{*year} : years_) {
      std::vector<LookupRow> found = rowsFor(entered, y);
      rows.insert(rows.end(), found.begin(), found.end());
    }
    if (rows.size() == before) {
      LookupRow none{entered, "", year.value_or(""), "", "", "", "kein Zusatzentgelt", "", false};
      rows.push_back(std::move(none));
    }
  }
  return rows;
}

std::vector<LookupRow> OpsLookup::rowsFor(const std::string& entered, const std::string& year) const {
  const std::string code = searchCode(opsFieldText(entered));
  const auto& keys = catalog_.AssignmentTable.AssignmentKeys;
  const auto& targets = catalog_.AssignmentTable.AssignmentTargets;
  std::vector<LookupRow> rows;
  std::set<int> taken;
  for (const char* kind : {"BE", "KH"}) {
    for (const std::string& key : searchKeys(code, year, kind)) {
      const auto it = byFoldedKey_.find(cp1252::folded(key));
      if (it == byFoldedKey_.end()) continue;
      for (int i : it->second) {
        if (!taken.insert(i).second) continue;
        const std::string_view key = keys.get(i);
        const AssignmentTarget target = splitTarget(targets.get(i));
        LookupRow row{entered, std::string(key.substr(0, key.find(';'))), year, kind, std::string(target.group),
                      std::string(target.ze), "", "", true};
        describe(row);
        rows.push_back(std::move(row));
      }
    }
  }
  return rows;
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

std::string lookupHeader() { return "Eingabe\tOPS-Kode\tJahr\tArt\tGruppe\tZE\tBezeichnung\tBetrag"; }

std::string lookupLine(const LookupRow& row) {
  return concat({row.entered, "\t", row.matchedCode, "\t", row.year, "\t", row.kind, "\t", row.group, "\t", row.ze,
                 "\t", row.description, "\t", row.amount});
}

}  // namespace catalog
