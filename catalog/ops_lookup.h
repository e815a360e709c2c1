#pragma once
// Which ZE an OPS code triggers, for one year or all: every assignment line
// the OPS search would try, in the order it tries them (kind BE before KH,
// its three keys in order, file order within a key), each line once. The
// first row of a code and year is the ZE that typing the code into the OPS
// field selects.

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "catalog/catalog.h"

namespace catalog {

struct LookupRow {
  std::string entered;      // the code as the user wrote it
  std::string matchedCode;  // the assignment line's code, e.g. a "*" form
  std::string year;
  std::string kind;
  std::string group;
  std::string ze;
  std::string description;  // the ZE's, or "kein Zusatzentgelt"
  std::string amount;
  bool found = true;
};

// The OPS field's eight-character text for a code in any spelling: with or
// without "-" and ".", blanks removed ("891801" and "8-918.01" alike).
std::string opsFieldText(std::string_view code);

// Splits a pasted list of codes (or the words of a search) at blanks, tabs,
// commas, semicolons and line ends.
std::vector<std::string> splitCodeList(std::string_view text);

class OpsLookup {
 public:
  // Indexes the catalog's assignment lines; the catalog must outlive this.
  explicit OpsLookup(const Catalog& catalog);

  // Rows for each code, in the order given; a code without any row in the
  // scope gets one row saying so. year: nullopt for all years, newest first.
  std::vector<LookupRow> lookup(const std::vector<std::string>& codes, const std::optional<std::string>& year) const;

 private:
  std::vector<LookupRow> rowsFor(const std::string& entered, const std::string& year) const;
  void describe(LookupRow& row) const;

  const Catalog& catalog_;
  std::unordered_map<std::string, std::vector<int>> byFoldedKey_;
  std::vector<std::string> years_;
};

// The tab-separated header and rows, as the lookup command prints them.
std::string lookupHeader();
std::string lookupLine(const LookupRow& row);

}  // namespace catalog
