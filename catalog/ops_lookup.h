#pragma once
// Which ZE an OPS code triggers, for one year or all. For a code and year
// the rows are: first every line the OPS field's search tries, in its order
// (federal kind first, its three keys in order, file order within a key);
// then every other line of the year whose code covers the code by the
// wildcard rule, federal first, in file order; then, marked "Unterkode", the
// lines of longer codes that begin with the code. Each line once. The first
// row of a code and year is the ZE that typing the code into the OPS field
// selects.

#include <optional>
#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "catalog/ops_code.h"
#include "catalog/search_result.h"

namespace catalog {

// The OPS field's eight-character text for a code in any spelling.
inline std::string opsFieldText(std::string_view code) { return ops_code::fieldText(code); }

class OpsLookup {
 public:
  // The catalog must outlive this.
  explicit OpsLookup(const Catalog& catalog);

  // Rows for each code, in the order given; a code without any row in the
  // scope gets one row saying so. year: nullopt for all years, newest first.
  SearchResult search(std::vector<ops_code::CodeInText> codes, const std::optional<std::string>& year) const;

  // The same rows with their texts.
  std::vector<LookupRow> lookup(const std::vector<ops_code::CodeInText>& codes,
                                const std::optional<std::string>& year) const;
  std::vector<LookupRow> lookup(const std::vector<std::string>& codes, const std::optional<std::string>& year) const;

 private:
  void addRows(SearchResult& result, int code, const std::string& year) const;

  const Catalog& catalog_;
  std::vector<std::string> years_;
};

// The tab-separated header and rows, as the lookup command prints them.
std::string lookupHeader();
std::string lookupLine(const LookupRow& row);
// The row's fields in the order of the header.
std::vector<std::string_view> lookupFields(const LookupRow& row);

}  // namespace catalog
