#include "catalog/ze_details.h"

#include "catalog/keys.h"
#include "catalog/search_result.h"

namespace catalog {
namespace {

void addFootnotes(const Catalog& catalog, std::string_view year, std::string_view kind, std::string_view marks,
                  std::vector<std::string>& texts) {
  for (const std::string& mark : footnoteMarks(marks)) {
    const auto text = catalog.footnoteText(year, kindOfCode(kind), mark);
    if (text && !text->empty()) texts.emplace_back(*text);
  }
}

void addCodes(const Catalog& catalog, std::string_view year, std::string_view list, std::vector<std::string>& codes) {
  for (const std::string& code : splitOpsList(list)) {
    const std::string_view text = opsTextOf(catalog, year, code);
    codes.push_back(text.empty() ? code : concat({code, " - ", text}));
  }
}

}  // namespace

std::string_view opsTextOf(const Catalog& catalog, std::string_view year, std::string_view code) {
  return catalog.opsText(year, code).value_or(std::string_view());
}

ZeDetails zeDetails(const Catalog& catalog, std::string_view year, std::string_view kind, std::string_view group,
                    std::string_view ze) {
  const auto& table = catalog.catalogTable();
  ZeDetails details;
  int groupLine = -1;
  for (const int k : catalog.linesWithGroupKey(joinKey({year, kind, group})))
    if (table.ZeCodes.get(k).empty()) {
      groupLine = k;
      break;
    }
  const int zeLine = ze.empty() ? -1 : zeLineOf(catalog, year, kind, group, ze);
  if (groupLine != -1) {
    details.groupDescription = table.Descriptions.get(groupLine);
    addFootnotes(catalog, year, kind, table.FootnoteRefs.get(groupLine), details.groupFootnotes);
    addCodes(catalog, year, table.OpsLists.get(groupLine), details.groupCodes);
  }
  if (zeLine != -1) {
    addFootnotes(catalog, year, kind, table.FootnoteRefs.get(zeLine), details.zeFootnotes);
    addCodes(catalog, year, table.OpsLists.get(zeLine), details.zeCodes);
  }
  return details;
}

}  // namespace catalog
