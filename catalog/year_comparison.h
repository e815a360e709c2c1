#pragma once
// Two catalog years side by side, kind by kind: which ZE of the older year
// became which of the newer, and what changed on the way.
//
// A ZE of a year is the run of catalog lines of one group and ZE code (a
// group line has no ZE code and takes no part): its description is the
// first line's, its amount the last line's (as the window shows it), its
// OPS codes those of all its lines, in order, without repeats.
//
// Pairing, each rule over what the rules before left:
//   1. the same ZE code, except codes that carry a year ("ZE2025-41": the
//      hospital-specific numbering changes every year);
//   2. the same description, letter case and repeated blanks ignored; of
//      several, the first in file order;
//   3. the OPS code sets (letter case ignored): repeatedly the pair with the
//      largest |A∩B| / |A∪B|, when at least 0.5; ties go to the earlier old
//      ZE, then to the earlier new one;
//   4. the rest are dropped (old year only) or new (new year only).

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog.h"
#include "catalog/keys.h"

namespace catalog {

// One ZE of one year and kind; the views live as long as the catalog's load.
struct YearZe {
  int line = -1;  // its first catalog line
  std::string_view group, code, description, amount;
  std::vector<std::string> opsCodes;
};

// The ZEs of a year and kind, by their first line.
std::vector<YearZe> zesOfYear(const Catalog& catalog, std::string_view year, Kind kind);

enum class PairedBy { Code, Description, OpsCodes };

// An amount in German notation ("2968,59", "1.234,5", "12 €") as a whole
// number of units of 10^-scale; nothing when the text is no amount.
struct Amount {
  long long units = 0;
  int scale = 0;
};
std::optional<Amount> parseAmount(std::string_view text);
// The same amount with scale decimals (scale at least the amount's), and
// after minus before at the larger of their scales.
Amount atScale(Amount amount, int scale);
Amount difference(Amount after, Amount before);
// In German notation with scale decimals (at least two), no thousands
// points; withSign puts "+" before a positive amount.
std::string formatAmount(Amount amount, bool withSign);

struct ComparisonRow {
  Kind kind = Kind::Federal;
  std::optional<YearZe> before, after;  // both when paired
  PairedBy pairedBy = PairedBy::Code;   // when paired
  bool descriptionChanged = false, amountChanged = false, opsChanged = false;
  // Codes of the new ZE the old lacks, and the other way round (letter case
  // ignored), each in its ZE's order.
  std::vector<std::string> opsAdded, opsDropped;
  // New minus old, when both amounts are numbers.
  std::optional<Amount> difference;

  bool paired() const { return before && after; }
  bool changed() const { return !paired() || descriptionChanged || amountChanged || opsChanged; }
  // The ZE the row stands for: the new year's, the old one's when dropped.
  const YearZe& shown() const { return after ? *after : *before; }
};

// The rows of both kinds (or of one), BE before KH; within a kind the new
// year's ZEs in file order, then the dropped ones in the old year's order.
std::vector<ComparisonRow> compareYears(const Catalog& catalog, std::string_view before, std::string_view after,
                                        std::optional<Kind> onlyKind = std::nullopt);

// The table's columns, as the command line prints them and the window and
// the workbook show them.
inline constexpr std::size_t kComparisonColumns = 12;
enum ComparisonColumn : std::size_t {
  kColumnKind,
  kColumnZeBefore,
  kColumnZeAfter,
  kColumnDescription,
  kColumnAmountBefore,
  kColumnAmountAfter,
  kColumnDifference,
  kColumnPercent,
  kColumnChange,
  kColumnOpsAdded,
  kColumnOpsDropped,
  kColumnPairedBy,
};
const std::array<std::string_view, kComparisonColumns>& comparisonHeader();
std::array<std::string, kComparisonColumns> comparisonFields(const ComparisonRow& row);
// "neu", "entfallen", "unverändert" or the changes ("Betrag, OPS").
std::string changeText(const ComparisonRow& row);

// What the rows add up to.
struct ComparisonSummary {
  int unchanged = 0, changed = 0, added = 0, dropped = 0;
  int descriptionChanges = 0, amountChanges = 0, opsChanges = 0;
  int amountsUp = 0, amountsDown = 0;
  // The amounts of the paired federal ZEs whose both amounts are numbers.
  Amount federalBefore{0, 2}, federalAfter{0, 2};
};
ComparisonSummary summarize(const std::vector<ComparisonRow>& rows);

// The comparisons of a catalog's years, each made once while the catalog
// stays as it is.
class YearComparisons {
 public:
  explicit YearComparisons(const Catalog& catalog) : catalog_(catalog) {}
  const std::vector<ComparisonRow>& rows(std::string_view before, std::string_view after, Kind kind);

  // One ZE's amount in every year of the catalog that a chain of
  // consecutive years' pairings reaches from it, oldest year first, its own
  // year included.
  struct YearAmount {
    std::string year;
    std::string_view code, amount;
  };
  std::vector<YearAmount> amountsThroughYears(std::string_view year, Kind kind, std::string_view group,
                                              std::string_view ze);

 private:
  struct Made {
    std::string before, after;
    Kind kind;
    std::vector<ComparisonRow> rows;
  };
  const Catalog& catalog_;
  unsigned long revision_ = 0;
  std::vector<Made> made_;
};

}  // namespace catalog
