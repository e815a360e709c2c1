#pragma once
// The search window's core: one input line that holds either OPS codes (any
// spelling, any separators between them) or words (every word must occur in
// a group's or ZE's description or in the OPS texts of its codes; letter
// case ignored, "ae", "oe", "ue", "ss" matching "ä", "ö", "ü", "ß").

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/ops_lookup.h"

namespace catalog {

// Text folded for the word search: small letters, umlauts and "ß" spelled
// out ("Hämodialyse" -> "haemodialyse").
std::string searchFolded(std::string_view text);

// What a search found: its rows, and the parts of a code list that are no
// code (dates, numbering, words), which the search ignored.
struct SearchResult {
  std::vector<LookupRow> rows;
  std::vector<std::string> ignored;
};

class CatalogSearch {
 public:
  // Prepares the catalog's texts once; the catalog must outlive this.
  explicit CatalogSearch(const Catalog& catalog);

  // When the input holds OPS codes, the rows of the OPS lookup for them;
  // only an input without any code is a word search, giving the matching
  // groups and ZEs in catalog order. year: nullopt for all years.
  SearchResult search(std::string_view input, const std::optional<std::string>& year) const;

 private:
  std::vector<LookupRow> searchWords(std::string_view input, const std::optional<std::string>& year) const;

  const Catalog& catalog_;
  OpsLookup lookup_;
  std::vector<std::string> haystacks_;  // per catalog line, folded
};

}  // namespace catalog
