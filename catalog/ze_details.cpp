#include "catalog/ze_details.h"

#include "catalog/keys.h"
#include "catalog/search_result.h"

namespace catalog {
namespace {

void addCodes(const Catalog& catalog, std::string_view year, std::string_view list, std::vector<std::string>& codes) {
  for (const std::string& code : splitOpsList(list)) codes.push_back(decoratedOpsCode(catalog, year, code));
}

void addFootnotes(const Catalog& catalog, std::string_view year, Kind kind, std::string_view marks,
                  std::vector<std::string>& texts) {
  for (const std::string_view text : footnoteTexts(catalog, year, kind, marks)) texts.emplace_back(text);
}

}  // namespace

std::string decoratedOpsCode(const Catalog& catalog, std::string_view year, const std::string& code) {
  if (const auto text = catalog.opsText(year, code)) return concat({code, " - ", *text});
  return code;
}

std::vector<std::string_view> footnoteTexts(const Catalog& catalog, std::string_view year, Kind kind,
                                            std::string_view marks) {
  std::vector<std::string_view> texts;
  for (const std::string& mark : footnoteMarks(marks)) {
    const auto text = catalog.footnoteText(year, kind, mark);
    if (text && !text->empty()) texts.push_back(*text);
  }
  return texts;
}

std::string_view opsTextOf(const Catalog& catalog, std::string_view year, std::string_view code) {
  return catalog.opsText(year, code).value_or(std::string_view());
}

ZeDetails zeDetails(const Catalog& catalog, std::string_view year, std::string_view kind, std::string_view group,
                    std::string_view ze) {
  const Kind kindOfRow = kindOfCode(kind);
  ZeDetails details;
  if (const auto groupLine = catalog.firstLineOfGroup(year, kindOfRow, group)) {
    details.groupDescription = groupLine->description;
    addFootnotes(catalog, year, kindOfRow, groupLine->footnoteRefs, details.groupFootnotes);
    addCodes(catalog, year, groupLine->opsList, details.groupCodes);
  }
  // The row's kind as its line writes it: a search row may come from a
  // line whose kind is written in other letter case.
  if (const int zeLine = ze.empty() ? -1 : zeLineOf(catalog, year, kind, group, ze); zeLine != -1) {
    const auto& table = catalog.catalogTable();
    addFootnotes(catalog, year, kindOfRow, table.FootnoteRefs.get(zeLine), details.zeFootnotes);
    addCodes(catalog, year, table.OpsLists.get(zeLine), details.zeCodes);
  }
  return details;
}

}  // namespace catalog
