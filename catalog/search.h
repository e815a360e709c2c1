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

// Whether the input is a list of OPS codes rather than words: every part
// begins with a digit and holds only letters, digits, "-", "." and "*".
bool isCodeList(std::string_view input);

class CatalogSearch {
 public:
  // Prepares the catalog's texts once; the catalog must outlive this.
  explicit CatalogSearch(const Catalog& catalog);

  // For codes, the rows of the OPS lookup; for words, the matching groups
  // and ZEs in catalog order. year: nullopt for all years.
  std::vector<LookupRow> search(std::string_view input, const std::optional<std::string>& year) const;

 private:
  std::vector<LookupRow> searchWords(std::string_view input, const std::optional<std::string>& year) const;

  const Catalog& catalog_;
  OpsLookup lookup_;
  std::vector<std::string> haystacks_;  // per catalog line, folded
};

}  // namespace catalog
