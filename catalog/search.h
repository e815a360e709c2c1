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
  // Which OPS code's text of the line holds a word, or -1.
  int opsCodeWithWord(int line, const std::vector<std::string>& words) const;

  const Catalog& catalog_;
  OpsLookup lookup_;
  // Per catalog line, folded: its description, then its OPS texts.
  std::vector<std::string> haystacks_;
  std::vector<std::uint32_t> descriptionLengths_;
};

}  // namespace catalog
