#include "catalog/search.h"

#include <algorithm>
#include <cstring>
#include <future>
#include <unordered_map>

#include "catalog/cp1252.h"
#include "catalog/keys.h"

namespace catalog {

namespace {

// glibc's memmem is far quicker than a plain find on long texts.
bool contains(std::string_view text, const std::string& word) {
  return ::memmem(text.data(), text.size(), word.data(), word.size()) != nullptr;
}

}  // namespace

namespace {

// Writes into room made beforehand: folding millions of OPS texts one
// append at a time cost more than finding them.
void appendFolded(std::string& to, std::string_view text) {
  const std::size_t start = to.size();
  to.resize(start + 2 * text.size());  // an umlaut takes two letters
  char* out = to.data() + start;
  for (const char c : text) {
    const unsigned char folded = cp1252::foldCase(static_cast<unsigned char>(c));
    const char* spelled = folded == 0xE4 ? "ae" : folded == 0xF6 ? "oe" : folded == 0xFC ? "ue" : folded == 0xDF ? "ss" : nullptr;
    if (spelled) {
      *out++ = spelled[0];
      *out++ = spelled[1];
    } else {
      *out++ = static_cast<char>(folded);
    }
  }
  to.resize(static_cast<std::size_t>(out - to.data()));
}

}  // namespace

std::string searchFolded(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  appendFolded(result, text);
  return result;
}

// Each text is folded straight onto the end of the corpus; when the table
// already holds it, the corpus is cut back. No text is kept twice.
class CatalogSearch::TextIds {
 public:
  explicit TextIds(CatalogSearch& search) : search_(search), slots_(1024, 0) {}

  std::uint32_t idOf(std::string_view text) {
    std::string& corpus = search_.corpus_;
    const std::size_t start = corpus.size();
    appendFolded(corpus, text);
    const std::string_view folded = std::string_view(corpus).substr(start);
    const std::uint64_t hash = std::hash<std::string_view>{}(folded);
    std::size_t slot = hash & (slots_.size() - 1);
    for (; slots_[slot] != 0; slot = (slot + 1) & (slots_.size() - 1)) {
      if ((slots_[slot] >> 32) != (hash >> 32)) continue;
      const std::uint32_t id = idIn(slots_[slot]);
      if (committed(id) == folded) {
        corpus.resize(start);
        return id;
      }
    }
    const auto id = static_cast<std::uint32_t>(search_.textBegin_.size());
    search_.textBegin_.push_back(static_cast<std::uint32_t>(start));
    corpus += '\n';
    committedSize_ = corpus.size();
    slots_[slot] = (hash & ~0xFFFFFFFFull) | (id + 1u);
    if (search_.textBegin_.size() * 2 > slots_.size()) grow();
    return id;
  }

 private:
  static std::uint32_t idIn(std::uint64_t slot) { return static_cast<std::uint32_t>(slot & 0xFFFFFFFFu) - 1; }

  // A text already in the corpus, without the line break that follows it.
  std::string_view committed(std::uint32_t id) const {
    const auto& begins = search_.textBegin_;
    const std::size_t end = id + 1 < begins.size() ? begins[id + 1] : committedSize_;
    return std::string_view(search_.corpus_).substr(begins[id], end - 1 - begins[id]);
  }

  void grow() {
    std::vector<std::uint64_t> slots(slots_.size() * 2, 0);
    for (const std::uint64_t value : slots_) {
      if (value == 0) continue;
      std::size_t slot = std::hash<std::string_view>{}(committed(idIn(value))) & (slots.size() - 1);
      while (slots[slot] != 0) slot = (slot + 1) & (slots.size() - 1);
      slots[slot] = value;
    }
    slots_ = std::move(slots);
  }

  CatalogSearch& search_;
  std::size_t committedSize_ = 0;  // the corpus up to the last text's line break
  // Open addressing: 0 is empty, else the upper half of the text's hash and
  // its id + 1.
  std::vector<std::uint64_t> slots_;
};

CatalogSearch::CatalogSearch(const Catalog& catalog) : catalog_(catalog), lookup_(catalog) {
  const auto& table = catalog.catalogTable();
  const auto& opsKeys = catalog.opsTextTable().OpsKeys;
  const auto lines = static_cast<std::size_t>(table.GroupKeys.count());
  TextIds ids(*this);
  // An OPS text line's text id, once it has been asked for.
  constexpr std::uint32_t kNotYet = ~0u;
  std::vector<std::uint32_t> idOfOpsLine(static_cast<std::size_t>(opsKeys.count()), kNotYet);
  std::unordered_map<std::string_view, std::uint32_t> yearIds;
  descriptionOf_.reserve(lines);
  codeTextsBegin_.reserve(lines + 1);
  yearOf_.reserve(lines);
  for (int i = 0; i < table.GroupKeys.count(); ++i) {
    descriptionOf_.push_back(ids.idOf(table.Descriptions.get(i)));
    codeTextsBegin_.push_back(static_cast<std::uint32_t>(codeTexts_.size()));
    const std::string_view year = groupKeyFields(table.GroupKeys.get(i)).year;
    const auto [yearId, newYear] = yearIds.try_emplace(year, static_cast<std::uint32_t>(years_.size()));
    if (newYear) years_.emplace_back(year);
    yearOf_.push_back(yearId->second);
    const std::vector<std::string> codes = splitOpsList(table.OpsLists.get(i));
    for (std::size_t c = 0; c < codes.size(); ++c) {
      const int found = opsKeys.find(joinKey({year, codes[c]}));
      if (found == -1) continue;
      std::uint32_t& text = idOfOpsLine[static_cast<std::size_t>(found)];
      if (text == kNotYet) text = ids.idOf(catalog.opsTextTable().OpsTexts.get(found));
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

std::vector<std::uint32_t> CatalogSearch::textsHolding(const std::string& word) const {
  // A word of the query before, unchanged, holds in the same texts. Every
  // text holding the word holds each piece of it too: a remembered piece
  // held by few texts narrows where to look (typing makes each query such
  // a longer word).
  const HoldingTexts* narrowest = nullptr;
  for (const HoldingTexts& before : remembered_) {
    if (before.word == word) return before.texts;
    if (word.find(before.word) != std::string::npos && (!narrowest || before.texts.size() < narrowest->texts.size()))
      narrowest = &before;
  }
  std::vector<std::uint32_t> texts;
  if (narrowest && narrowest->texts.size() * 4 <= textBegin_.size()) {
    for (const std::uint32_t t : narrowest->texts)
      if (contains(text(t), word)) texts.push_back(t);
    return texts;
  }
  // Else one pass over all texts, its second half on a second core.
  const std::uint32_t textCount = static_cast<std::uint32_t>(textBegin_.size() - 1);
  const std::uint32_t half = textCount / 2;
  if (corpus_.size() < (std::size_t{1} << 20) || half == 0) return textsHolding(word, 0, textCount);
  auto secondHalf = std::async(std::launch::async, [&] { return textsHolding(word, half, textCount); });
  texts = textsHolding(word, 0, half);
  const std::vector<std::uint32_t> rest = secondHalf.get();
  texts.insert(texts.end(), rest.begin(), rest.end());
  return texts;
}

std::vector<std::uint32_t> CatalogSearch::textsHolding(const std::string& word, std::uint32_t first,
                                                       std::uint32_t last) const {
  // Hits come in order, so the text of each is found by walking on.
  std::vector<std::uint32_t> texts;
  std::size_t from = textBegin_[first], t = first;
  const std::size_t end = textBegin_[last];
  while (const void* hit = ::memmem(corpus_.data() + from, end - from, word.data(), word.size())) {
    const auto offset = static_cast<std::uint32_t>(static_cast<const char*>(hit) - corpus_.data());
    while (textBegin_[t + 1] <= offset) ++t;
    texts.push_back(static_cast<std::uint32_t>(t));
    from = textBegin_[t + 1];
  }
  return texts;
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
  std::vector<HoldingTexts> remembered;
  for (std::size_t w = 0; w < sieved; ++w) {
    std::vector<std::uint32_t> texts = textsHolding(words[w]);
    for (const std::uint32_t t : texts) held[t] |= 1ULL << w;
    if (remembered.size() < kRememberedWords) remembered.push_back({words[w], std::move(texts)});
  }
  remembered_ = std::move(remembered);
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
