#pragma once
// The search window's core: one input line that holds OPS codes (any
// spelling, in a pasted case list too) or, when it holds no code at all,
// words (every word must occur in a group's or ZE's description or in the
// OPS texts of its codes; letter case ignored, "ae", "oe", "ue", "ss"
// matching "ä", "ö", "ü", "ß").

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/ops_lookup.h"
#include "catalog/search_result.h"

namespace catalog {

// Text folded for the word search: small letters, umlauts and "ß" spelled
// out ("Hämodialyse" -> "haemodialyse").
std::string searchFolded(std::string_view text);

class CatalogSearch {
 public:
  // Prepares the catalog's texts once; the catalog must outlive this.
  explicit CatalogSearch(const Catalog& catalog);

  // For codes, the rows of the OPS lookup; for words, one row per matching
  // ZE in catalog order, and a row for a group only when its own
  // description matched and none of its ZEs did. year: nullopt for all years.
  SearchResult search(std::string_view input, const std::optional<std::string>& year) const;

  const Catalog& catalog() const { return catalog_; }

 private:
  SearchResult searchWords(std::string_view input, const std::optional<std::string>& year) const;
  class TextIds;
  // The distinct texts holding word, in order; of the texts first to last.
  std::vector<std::uint32_t> textsHolding(const std::string& word) const;
  std::vector<std::uint32_t> textsHolding(const std::string& word, std::uint32_t first, std::uint32_t last) const;

  const Catalog& catalog_;
  OpsLookup lookup_;
  // Descriptions and OPS texts repeat over years and ZEs: each distinct
  // folded text is kept and searched once, and a line names its texts.
  // All distinct texts in one buffer, each followed by a line break (which
  // no word holds), so that a word is looked for in one pass over them.
  std::string corpus_;
  std::vector<std::uint32_t> textBegin_;  // per text, and one past the last
  std::string_view text(std::uint32_t id) const {
    return std::string_view(corpus_).substr(textBegin_[id], textBegin_[id + 1] - textBegin_[id] - 1);
  }
  struct CodeText {
    std::uint32_t text;
    std::uint32_t code;  // its place in the line's OPS list
  };
  std::vector<std::uint32_t> descriptionOf_;    // per line
  std::vector<std::uint32_t> codeTextsBegin_;   // per line, and one past the last
  std::vector<CodeText> codeTexts_;
  std::vector<std::uint32_t> yearOf_;           // per line, an index into years_
  std::vector<std::string> years_;
  // The words of the query before and the texts holding each (the first
  // few words).
  struct HoldingTexts {
    std::string word;
    std::vector<std::uint32_t> texts;
  };
  static constexpr std::size_t kRememberedWords = 8;
  mutable std::vector<HoldingTexts> remembered_;
};

}  // namespace catalog
