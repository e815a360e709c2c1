#include "catalog/search.h"

#include <algorithm>
#include <cstring>

#include "catalog/cp1252.h"
#include "catalog/keys.h"

namespace catalog {

namespace {

// glibc's memmem is far quicker than a plain find on long texts.
bool contains(const std::string& text, const std::string& word) {
  return ::memmem(text.data(), text.size(), word.data(), word.size()) != nullptr;
}

}  // namespace

std::string searchFolded(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (char c : text) {
    switch (const unsigned char folded = cp1252::foldCase(static_cast<unsigned char>(c))) {
      case 0xE4: result += "ae"; break;  // ä
      case 0xF6: result += "oe"; break;  // ö
      case 0xFC: result += "ue"; break;  // ü
      case 0xDF: result += "ss"; break;  // ß
      default: result += static_cast<char>(folded);
    }
  }
  return result;
}

CatalogSearch::CatalogSearch(const Catalog& catalog) : catalog_(catalog), lookup_(catalog) {
  const auto& table = catalog.CatalogTable;
  const auto& opsKeys = catalog.OpsTextTable.OpsKeys;
  haystacks_.reserve(static_cast<std::size_t>(table.GroupKeys.count()));
  for (int i = 0; i < table.GroupKeys.count(); ++i) {
    std::string text(table.Descriptions.get(i));
    const std::string_view year = table.CatalogLines.get(i).substr(0, 4);
    for (const std::string& code : splitOpsList(table.OpsLists.get(i))) {
      const int found = opsKeys.find(joinKey({year, code}));
      if (found != -1) text += concat({"\n", catalog.OpsTextTable.OpsTexts.get(found)});
    }
    haystacks_.push_back(searchFolded(text));
  }
}

SearchResult CatalogSearch::search(std::string_view input, const std::optional<std::string>& year) const {
  ops_code::CodesInText codes = ops_code::codesInText(input);
  if (codes.codes.empty()) return {searchWords(input, year), {}};
  return {lookup_.lookup(codes.codes, year), std::move(codes.ignored)};
}

std::vector<LookupRow> CatalogSearch::searchWords(std::string_view input,
                                                  const std::optional<std::string>& year) const {
  std::vector<std::string> words = ops_code::splitTokens(input);
  for (std::string& word : words) word = searchFolded(word);
  std::vector<LookupRow> rows;
  if (words.empty()) return rows;
  const auto& table = catalog_.CatalogTable;
  for (std::size_t i = 0; i < haystacks_.size(); ++i) {
    const std::string_view line = table.CatalogLines.get(static_cast<int>(i));
    if (year && line.compare(0, 4, *year) != 0) continue;
    const std::string& haystack = haystacks_[i];
    if (!std::all_of(words.begin(), words.end(),
                     [&](const std::string& w) { return contains(haystack, w); }))
      continue;
    const int k = static_cast<int>(i);
    LookupRow row{std::string(input),
                  "",
                  std::string(line.substr(0, 4)),
                  std::string(line.substr(5, 2)),
                  std::string(groupNameOf(table.GroupKeys.get(k))),
                  std::string(table.ZeCodes.get(k)),
                  std::string(table.Descriptions.get(k)),
                  std::string(table.Amounts.get(k)),
                  true,
                  ""};
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace catalog
