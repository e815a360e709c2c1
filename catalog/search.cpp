#include "catalog/search.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

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
  const auto lines = static_cast<std::size_t>(table.GroupKeys.count());
  haystacks_.reserve(lines);
  descriptionLengths_.reserve(lines);
  for (int i = 0; i < table.GroupKeys.count(); ++i) {
    std::string text = searchFolded(table.Descriptions.get(i));
    descriptionLengths_.push_back(static_cast<std::uint32_t>(text.size()));
    const std::string_view year = groupKeyFields(table.GroupKeys.get(i)).year;
    for (const std::string& code : splitOpsList(table.OpsLists.get(i))) {
      const int found = opsKeys.find(joinKey({year, code}));
      if (found != -1) text += concat({"\n", searchFolded(catalog.OpsTextTable.OpsTexts.get(found))});
    }
    haystacks_.push_back(std::move(text));
  }
}

SearchResult CatalogSearch::search(std::string_view input, const std::optional<std::string>& year) const {
  ops_code::CodesInText codes = ops_code::codesInText(input);
  if (codes.codes.empty()) return searchWords(input, year);
  SearchResult result = lookup_.search(std::move(codes.codes), year);
  result.ignored = std::move(codes.ignored);
  return result;
}

int CatalogSearch::opsCodeWithWord(int line, const std::vector<std::string>& words) const {
  const std::string_view year = groupKeyFields(catalog_.CatalogTable.GroupKeys.get(line)).year;
  const std::vector<std::string> codes = splitOpsList(catalog_.CatalogTable.OpsLists.get(line));
  for (std::size_t c = 0; c < codes.size(); ++c) {
    const int found = catalog_.OpsTextTable.OpsKeys.find(joinKey({year, codes[c]}));
    if (found == -1) continue;
    const std::string text = searchFolded(catalog_.OpsTextTable.OpsTexts.get(found));
    if (std::any_of(words.begin(), words.end(), [&](const std::string& w) { return contains(text, w); }))
      return static_cast<int>(c);
  }
  return -1;
}

SearchResult CatalogSearch::searchWords(std::string_view input, const std::optional<std::string>& year) const {
  SearchResult result;
  result.year = year;
  std::vector<std::string> words = ops_code::splitTokens(input);
  for (std::string& word : words) word = searchFolded(word);
  if (words.empty()) return result;
  result.words = words;
  const auto& table = catalog_.CatalogTable;
  const auto inDescription = [&](std::size_t i, const std::string& w) {
    return ::memmem(haystacks_[i].data(), descriptionLengths_[i], w.data(), w.size()) != nullptr;
  };
  std::unordered_set<std::string_view> groupsWithZe;
  for (std::size_t i = 0; i < haystacks_.size(); ++i) {
    const int line = static_cast<int>(i);
    if (year && groupKeyFields(table.GroupKeys.get(line)).year != *year) continue;
    if (!std::all_of(words.begin(), words.end(), [&](const std::string& w) { return contains(haystacks_[i], w); }))
      continue;
    const bool groupLine = table.ZeCodes.get(line).empty();
    const bool description = std::all_of(words.begin(), words.end(), [&](const std::string& w) { return inDescription(i, w); });
    // A group's row stands for what its own description says, not its codes.
    if (groupLine && !description) continue;
    if (!groupLine) groupsWithZe.insert(table.GroupKeys.get(line));
    if (description) {
      result.rows.push_back({FoundIn::Description, -1, -1, line, -1, false});
    } else {
      const bool some = std::any_of(words.begin(), words.end(), [&](const std::string& w) { return inDescription(i, w); });
      result.rows.push_back({FoundIn::OpsText, -1, -1, line, opsCodeWithWord(line, words), some});
    }
  }
  std::erase_if(result.rows, [&](const SearchRow& row) {
    return table.ZeCodes.get(row.zeLine).empty() && groupsWithZe.contains(table.GroupKeys.get(row.zeLine));
  });
  return result;
}

}  // namespace catalog
