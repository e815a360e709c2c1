#include "catalog/search_result.h"

#include "catalog/keys.h"

namespace catalog {

std::string amountShown(std::string_view kind, std::string_view amount) {
  if (amount.empty() && kind == kindCodeOf(Kind::Hospital)) return "krankenhausindividuell";
  return std::string(amount);
}

int zeLineOf(const Catalog& catalog, std::string_view year, std::string_view kind, std::string_view group,
             std::string_view ze) {
  const auto& table = catalog.catalogTable();
  int found = -1;
  for (const int k : catalog.linesWithGroupKey(joinKey({year, kind, group})))
    if (table.ZeCodes.get(k) == ze) found = k;
  return found;
}

namespace {

std::string foundInText(const Catalog& catalog, const SearchRow& row, bool groupRow) {
  const std::string place = groupRow ? "Gruppe" : "ZE";
  switch (row.foundIn) {
    case FoundIn::Subcode: return "Unterkode";
    case FoundIn::Description: return place;
    case FoundIn::OpsText: {
      if (row.opsCode < 0) return place;
      const std::vector<std::string> codes = splitOpsList(catalog.catalogTable().OpsLists.get(row.zeLine));
      const std::string text = "OPS-Text " + codes.at(static_cast<std::size_t>(row.opsCode));
      return row.descriptionToo ? place + ", " + text : text;
    }
    default: return {};
  }
}

}  // namespace

LookupRow describeRow(const Catalog& catalog, const SearchResult& result, const SearchRow& row) {
  LookupRow shown;
  if (row.code >= 0) shown.entered = result.codes.at(static_cast<std::size_t>(row.code)).entered;
  if (row.foundIn == FoundIn::NoZe) {
    shown.year = result.year.value_or("");
    shown.description = "kein Zusatzentgelt";
    shown.found = false;
    return shown;
  }
  const auto& table = catalog.catalogTable();
  if (row.assignment >= 0) {
    const AssignmentKey key = splitAssignmentKey(catalog.assignmentTable().AssignmentKeys.get(row.assignment));
    const AssignmentTarget target = splitTarget(catalog.assignmentTable().AssignmentTargets.get(row.assignment));
    shown.matchedCode = key.code;
    shown.year = key.year;
    shown.kind = kindCodeOf(kindOfCode(key.kind));
    shown.group = target.group;
    shown.ze = target.ze;
  } else {
    const GroupKeyFields fields = groupKeyFields(table.GroupKeys.get(row.zeLine));
    shown.year = fields.year;
    shown.kind = fields.kind;
    shown.group = fields.group;
    shown.ze = table.ZeCodes.get(row.zeLine);
  }
  if (row.zeLine >= 0) {
    shown.description = table.Descriptions.get(row.zeLine);
    shown.amount = table.Amounts.get(row.zeLine);
  }
  // A group has no amount of its own to stand in for.
  const bool groupRow = row.assignment < 0 && shown.ze.empty();
  if (!groupRow) shown.amount = amountShown(shown.kind, shown.amount);
  shown.foundIn = foundInText(catalog, row, groupRow);
  return shown;
}

}  // namespace catalog
