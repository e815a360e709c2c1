#include "catalog/search.h"

#include <algorithm>
#include <cstring>

#include "catalog/cp1252.h"
#include "catalog/keys.h"

namespace catalog {

namespace {

// glibc's memmem is far quicker than a plain find on long texts.
bool contains(std::string_view text, const std::string& word) {
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

std::uint32_t CatalogSearch::textId(std::string_view text, std::unordered_map<std::string, std::uint32_t>& ids) {
  const auto [it, added] = ids.try_emplace(searchFolded(text), static_cast<std::uint32_t>(textBegin_.size()));
  if (added) {
    textBegin_.push_back(static_cast<std::uint32_t>(corpus_.size()));
    corpus_ += it->first;
    corpus_ += '\n';
  }
  return it->second;
}

CatalogSearch::CatalogSearch(const Catalog& catalog) : catalog_(catalog), lookup_(catalog) {
  const auto& table = catalog.catalogTable();
  const auto& opsKeys = catalog.opsTextTable().OpsKeys;
  const auto lines = static_cast<std::size_t>(table.GroupKeys.count());
  std::unordered_map<std::string, std::uint32_t> ids;
  std::unordered_map<int, std::uint32_t> idOfOpsLine;
  std::unordered_map<std::string_view, std::uint32_t> yearIds;
  descriptionOf_.reserve(lines);
  codeTextsBegin_.reserve(lines + 1);
  yearOf_.reserve(lines);
  for (int i = 0; i < table.GroupKeys.count(); ++i) {
    descriptionOf_.push_back(textId(table.Descriptions.get(i), ids));
    codeTextsBegin_.push_back(static_cast<std::uint32_t>(codeTexts_.size()));
    const std::string_view year = groupKeyFields(table.GroupKeys.get(i)).year;
    const auto [yearId, newYear] = yearIds.try_emplace(year, static_cast<std::uint32_t>(years_.size()));
    if (newYear) years_.emplace_back(year);
    yearOf_.push_back(yearId->second);
    const std::vector<std::string> codes = splitOpsList(table.OpsLists.get(i));
    for (std::size_t c = 0; c < codes.size(); ++c) {
      const int found = opsKeys.find(joinKey({year, codes[c]}));
      if (found == -1) continue;
      const auto known = idOfOpsLine.find(found);
      const std::uint32_t text = known != idOfOpsLine.end()
                                     ? known->second
                                     : idOfOpsLine.emplace(found, textId(catalog.opsTextTable().OpsTexts.get(found), ids))
                                           .first->second;
      codeTexts_.push_back({text, static_cast<std::uint32_t>(c)});
    }
  }
  codeTextsBegin_.push_back(static_cast<std::uint32_t>(codeTexts_.size()));
  textBegin_.push_back(static_cast<std::uint32_t>(corpus_.size()));
}

SearchResult CatalogSearch::search(std::string_view input, const std::optional<std::string>& year) const {
  ops_code::CodesInText codes = ops_code::codesInText(input);
  if (codes.codes.empty()) return searchWords(input, year);
  SearchResult result = lookup_.search(std::move(codes.codes), year);
  result.ignored = std::move(codes.ignored);
  return result;
}

SearchResult CatalogSearch::searchWords(std::string_view input, const std::optional<std::string>& year) const {
  SearchResult result;
  result.year = year;
  std::vector<std::string> words = ops_code::splitTokens(input);
  for (std::string& word : words) word = searchFolded(word);
  if (words.empty()) return result;
  result.words = words;

  // Which words each distinct text holds, one bit a word (the rest of a
  // longer query must hold as well: the bits are only a first sieve).
  const std::size_t sieved = std::min<std::size_t>(words.size(), 64);
  const std::uint64_t all = sieved == 64 ? ~0ULL : (1ULL << sieved) - 1;
  std::vector<std::uint64_t> held(textBegin_.size() - 1, 0);
  for (std::size_t w = 0; w < sieved; ++w) {
    // Hits come in order, so the text of each is found by walking on.
    std::size_t from = 0, text = 0;
    while (const void* hit = ::memmem(corpus_.data() + from, corpus_.size() - from, words[w].data(), words[w].size())) {
      const auto offset = static_cast<std::uint32_t>(static_cast<const char*>(hit) - corpus_.data());
      while (textBegin_[text + 1] <= offset) ++text;
      held[text] |= 1ULL << w;
      from = textBegin_[text + 1];
    }
  }
  const auto holdsTheRest = [&](std::size_t line) {
    for (std::size_t w = sieved; w < words.size(); ++w) {
      bool found = contains(text(descriptionOf_[line]), words[w]);
      for (std::uint32_t k = codeTextsBegin_[line]; !found && k < codeTextsBegin_[line + 1]; ++k)
        found = contains(text(codeTexts_[k].text), words[w]);
      if (!found) return false;
    }
    return true;
  };

  std::optional<std::uint32_t> yearId;
  if (year) {
    const auto it = std::find(years_.begin(), years_.end(), *year);
    if (it == years_.end()) return result;
    yearId = static_cast<std::uint32_t>(it - years_.begin());
  }
  const auto& table = catalog_.catalogTable();
  std::vector<bool> zeRow(descriptionOf_.size(), false);
  bool groupRows = false;
  for (std::size_t i = 0; i < descriptionOf_.size(); ++i) {
    if (yearId && yearOf_[i] != *yearId) continue;
    const std::uint64_t inDescription = held[descriptionOf_[i]];
    std::uint64_t anywhere = inDescription;
    for (std::uint32_t k = codeTextsBegin_[i]; k < codeTextsBegin_[i + 1]; ++k) anywhere |= held[codeTexts_[k].text];
    if (anywhere != all || !holdsTheRest(i)) continue;
    const int line = static_cast<int>(i);
    const bool groupLine = table.ZeCodes.get(line).empty();
    const bool description = inDescription == all && (words.size() <= sieved || holdsTheRest(i));
    // A group's row stands for what its own description says, not its codes.
    if (groupLine && !description) continue;
    zeRow[i] = !groupLine;
    groupRows = groupRows || groupLine;
    if (description) {
      result.rows.push_back({FoundIn::Description, -1, -1, line, -1, false});
      continue;
    }
    int code = -1;
    for (std::uint32_t k = codeTextsBegin_[i]; code == -1 && k < codeTextsBegin_[i + 1]; ++k)
      if (held[codeTexts_[k].text] != 0) code = static_cast<int>(codeTexts_[k].code);
    result.rows.push_back({FoundIn::OpsText, -1, -1, line, code, inDescription != 0});
  }
  // A group keeps its row only when none of its ZEs has one.
  if (groupRows) std::erase_if(result.rows, [&](const SearchRow& row) {
      if (!table.ZeCodes.get(row.zeLine).empty()) return false;
      const auto lines = catalog_.linesWithGroupKey(table.GroupKeys.get(row.zeLine));
      return std::any_of(lines.begin(), lines.end(), [&](std::uint32_t k) { return zeRow[k]; });
    });
  return result;
}

}  // namespace catalog
