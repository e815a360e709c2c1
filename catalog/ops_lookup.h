#pragma once
// Which ZE an OPS code triggers, for one year or all. For a code and year
// the rows are: first every line the OPS field's search tries, in its order
// (kind BE before KH, its three keys in order, file order within a key);
// then every other line of the year whose code covers the code by the
// wildcard rule, BE before KH, in file order; then, marked "Unterkode", the
// lines of longer codes that begin with the code. Each line once. The first
// row of a code and year is the ZE that typing the code into the OPS field
// selects.

#include <optional>
#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "catalog/ops_code.h"

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
  std::string foundIn;  // "Unterkode" for a longer code's line
};

// The OPS field's eight-character text for a code in any spelling.
inline std::string opsFieldText(std::string_view code) { return ops_code::fieldText(code); }

class OpsLookup {
 public:
  // The catalog must outlive this.
  explicit OpsLookup(const Catalog& catalog);

  // Rows for each code, in the order given; a code without any row in the
  // scope gets one row saying so. year: nullopt for all years, newest first.
  std::vector<LookupRow> lookup(const std::vector<ops_code::CodeInText>& codes,
                                const std::optional<std::string>& year) const;
  std::vector<LookupRow> lookup(const std::vector<std::string>& codes, const std::optional<std::string>& year) const;

 private:
  std::vector<LookupRow> rowsFor(const ops_code::CodeInText& code, const std::string& year) const;
  LookupRow rowOf(const ops_code::CodeInText& code, const std::string& year, int line) const;
  void describe(LookupRow& row) const;

  const Catalog& catalog_;
  std::vector<std::string> years_;
};

// The tab-separated header and rows, as the lookup command prints them.
std::string lookupHeader();
std::string lookupLine(const LookupRow& row);

}  // namespace catalog
