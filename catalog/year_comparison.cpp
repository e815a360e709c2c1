#include "catalog/year_comparison.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <unordered_map>

#include "catalog/cp1252.h"

namespace catalog {
namespace {

// The ZE code of the hospital-specific numbering: "ZE", four digits, "-".
bool carriesYear(std::string_view code) {
  if (code.size() < 7 || !cp1252::equalsIgnoringCase(code.substr(0, 2), "ZE") || code[6] != '-') return false;
  return std::all_of(code.begin() + 2, code.begin() + 6, [](char c) { return c >= '0' && c <= '9'; });
}

// Letter case and runs of blanks do not make two descriptions differ.
std::string descriptionKey(std::string_view description) {
  std::string key;
  bool blank = false;
  for (const char c : cp1252::folded(description)) {
    if (c == ' ' || c == '\t') {
      blank = true;
      continue;
    }
    if (blank && !key.empty()) key += ' ';
    blank = false;
    key += c;
  }
  return key;
}

std::vector<std::string> foldedSet(const std::vector<std::string>& codes) {
  std::vector<std::string> set;
  set.reserve(codes.size());
  for (const std::string& code : codes) set.push_back(cp1252::folded(code));
  std::sort(set.begin(), set.end());
  set.erase(std::unique(set.begin(), set.end()), set.end());
  return set;
}

// The codes of one list the other lacks, letter case ignored, in order.
std::vector<std::string> codesMissingFrom(const std::vector<std::string>& codes, const std::vector<std::string>& other) {
  const std::vector<std::string> otherSet = foldedSet(other);
  std::vector<std::string> missing;
  for (const std::string& code : codes)
    if (!std::binary_search(otherSet.begin(), otherSet.end(), cp1252::folded(code))) missing.push_back(code);
  return missing;
}

// partnerOfNew[i]: the old ZE paired with new ZE i, or -1.
struct Pairing {
  std::vector<int> partnerOfNew;
  std::vector<bool> oldTaken;
  std::vector<PairedBy> pairedBy;

  Pairing(std::size_t olds, std::size_t news) : partnerOfNew(news, -1), oldTaken(olds, false), pairedBy(news) {}
  void pair(std::size_t oldIndex, std::size_t newIndex, PairedBy by) {
    partnerOfNew[newIndex] = static_cast<int>(oldIndex);
    oldTaken[oldIndex] = true;
    pairedBy[newIndex] = by;
  }
};

// Rules 1 and 2: each new ZE, in file order, takes the first old one left
// with the same key.
template <typename KeyOf>
void pairByKey(const std::vector<YearZe>& olds, const std::vector<YearZe>& news, Pairing& pairing, PairedBy by,
               KeyOf keyOf) {
  std::unordered_map<std::string, std::vector<std::size_t>> oldsByKey;
  for (std::size_t o = 0; o < olds.size(); ++o)
    if (!pairing.oldTaken[o])
      if (const auto key = keyOf(olds[o])) oldsByKey[*key].push_back(o);
  std::unordered_map<std::string, std::size_t> nextOfKey;
  for (std::size_t n = 0; n < news.size(); ++n) {
    if (pairing.partnerOfNew[n] != -1) continue;
    const auto key = keyOf(news[n]);
    if (!key) continue;
    const auto found = oldsByKey.find(*key);
    if (found == oldsByKey.end()) continue;
    std::size_t& next = nextOfKey[*key];
    if (next < found->second.size()) pairing.pair(found->second[next++], n, by);
  }
}

// Rule 3: the candidates are the pairs that share a code; sorted by their
// overlap, largest first, then by the old ZE and the new one, each taken
// while both of its ZEs are still free.
void pairByOpsCodes(const std::vector<YearZe>& olds, const std::vector<YearZe>& news, Pairing& pairing) {
  std::vector<std::vector<std::string>> oldSets(olds.size());
  std::unordered_map<std::string, std::vector<std::size_t>> oldsWithCode;
  for (std::size_t o = 0; o < olds.size(); ++o) {
    if (pairing.oldTaken[o]) continue;
    oldSets[o] = foldedSet(olds[o].opsCodes);
    for (const std::string& code : oldSets[o]) oldsWithCode[code].push_back(o);
  }
  struct Candidate {
    std::size_t shared, joint, oldIndex, newIndex;
  };
  std::vector<Candidate> candidates;
  for (std::size_t n = 0; n < news.size(); ++n) {
    if (pairing.partnerOfNew[n] != -1) continue;
    const std::vector<std::string> set = foldedSet(news[n].opsCodes);
    std::map<std::size_t, std::size_t> sharedWith;
    for (const std::string& code : set)
      if (const auto found = oldsWithCode.find(code); found != oldsWithCode.end())
        for (const std::size_t o : found->second) ++sharedWith[o];
    for (const auto& [o, shared] : sharedWith) {
      const std::size_t joint = oldSets[o].size() + set.size() - shared;
      if (shared * 2 >= joint) candidates.push_back({shared, joint, o, n});
    }
  }
  std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    if (a.shared * b.joint != b.shared * a.joint) return a.shared * b.joint > b.shared * a.joint;
    if (a.oldIndex != b.oldIndex) return a.oldIndex < b.oldIndex;
    return a.newIndex < b.newIndex;
  });
  for (const Candidate& c : candidates)
    if (!pairing.oldTaken[c.oldIndex] && pairing.partnerOfNew[c.newIndex] == -1)
      pairing.pair(c.oldIndex, c.newIndex, PairedBy::OpsCodes);
}

bool amountsDiffer(std::string_view before, std::string_view after, std::optional<Amount>& difference) {
  const auto old = parseAmount(before);
  const auto now = parseAmount(after);
  if (!old || !now) return before != after;
  difference = catalog::difference(*now, *old);
  return difference->units != 0;
}

ComparisonRow pairedRow(Kind kind, const YearZe& before, const YearZe& after, PairedBy by) {
  ComparisonRow row;
  row.kind = kind;
  row.before = before;
  row.after = after;
  row.pairedBy = by;
  row.descriptionChanged = descriptionKey(before.description) != descriptionKey(after.description);
  row.amountChanged = amountsDiffer(before.amount, after.amount, row.difference);
  row.opsAdded = codesMissingFrom(after.opsCodes, before.opsCodes);
  row.opsDropped = codesMissingFrom(before.opsCodes, after.opsCodes);
  row.opsChanged = !row.opsAdded.empty() || !row.opsDropped.empty();
  return row;
}

void compareKind(const Catalog& catalog, std::string_view before, std::string_view after, Kind kind,
                 std::vector<ComparisonRow>& rows) {
  const std::vector<YearZe> olds = zesOfYear(catalog, before, kind);
  const std::vector<YearZe> news = zesOfYear(catalog, after, kind);
  Pairing pairing(olds.size(), news.size());
  pairByKey(olds, news, pairing, PairedBy::Code, [](const YearZe& ze) -> std::optional<std::string> {
    if (carriesYear(ze.code)) return std::nullopt;
    return std::string(ze.code);
  });
  pairByKey(olds, news, pairing, PairedBy::Description,
            [](const YearZe& ze) -> std::optional<std::string> { return descriptionKey(ze.description); });
  pairByOpsCodes(olds, news, pairing);
  for (std::size_t n = 0; n < news.size(); ++n) {
    if (const int o = pairing.partnerOfNew[n]; o != -1) {
      rows.push_back(pairedRow(kind, olds[static_cast<std::size_t>(o)], news[n], pairing.pairedBy[n]));
    } else {
      ComparisonRow row;
      row.kind = kind;
      row.after = news[n];
      rows.push_back(std::move(row));
    }
  }
  for (std::size_t o = 0; o < olds.size(); ++o) {
    if (pairing.oldTaken[o]) continue;
    ComparisonRow row;
    row.kind = kind;
    row.before = olds[o];
    rows.push_back(std::move(row));
  }
}

std::string decimal(long long units, int scale, bool withSign) {
  const bool negative = units < 0;
  const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(units) : static_cast<unsigned long long>(units);
  std::string digits = std::to_string(magnitude);
  if (digits.size() <= static_cast<std::size_t>(scale)) digits.insert(0, static_cast<std::size_t>(scale) + 1 - digits.size(), '0');
  std::string text = digits.substr(0, digits.size() - static_cast<std::size_t>(scale));
  if (scale > 0) text += ',' + digits.substr(digits.size() - static_cast<std::size_t>(scale));
  if (negative) return '-' + text;
  return (withSign && units > 0 ? "+" : "") + text;
}

// The change in percent of the old amount, to one decimal, rounded half
// away from zero; nothing when the old amount is zero.
std::string percentText(const ComparisonRow& row) {
  if (!row.difference) return {};
  const long long oldUnits = atScale(*parseAmount(row.before->amount), row.difference->scale).units;
  if (oldUnits == 0) return {};
  long long numerator = row.difference->units * 1000;
  long long denominator = oldUnits;
  if (denominator < 0) {
    numerator = -numerator;
    denominator = -denominator;
  }
  // Twice the tenths, cut toward zero, then halved away from zero.
  long long tenths = numerator * 2 / denominator;
  tenths = tenths >= 0 ? (tenths + 1) / 2 : (tenths - 1) / 2;
  return decimal(tenths, 1, true);
}

std::string joined(const std::vector<std::string>& codes) {
  std::string text;
  for (const std::string& code : codes) text.append(text.empty() ? "" : ", ").append(code);
  return text;
}

}  // namespace

std::vector<YearZe> zesOfYear(const Catalog& catalog, std::string_view year, Kind kind) {
  const CatalogTable& table = catalog.catalogTable();
  std::vector<YearZe> zes;
  std::unordered_map<std::string, std::size_t> indexOf;  // group;ZE
  for (const std::uint32_t line : catalog.linesOfYearAndKind(year, kind)) {
    const int i = static_cast<int>(line);
    const std::string_view code = table.ZeCodes.get(i);
    if (code.empty()) continue;
    const std::string_view group = groupNameOf(table.GroupKeys.get(i));
    const auto [at, isNew] = indexOf.try_emplace(joinKey({group, code}), zes.size());
    if (isNew) {
      YearZe ze;
      ze.line = i;
      ze.group = group;
      ze.code = code;
      ze.description = table.Descriptions.get(i);
      zes.push_back(std::move(ze));
    }
    YearZe& ze = zes[at->second];
    ze.amount = table.Amounts.get(i);
    for (std::string& ops : splitOpsList(table.OpsLists.get(i)))
      if (!ops.empty() && std::find(ze.opsCodes.begin(), ze.opsCodes.end(), ops) == ze.opsCodes.end())
        ze.opsCodes.push_back(std::move(ops));
  }
  return zes;
}

std::optional<Amount> parseAmount(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  if (text.ends_with("\x80")) text.remove_suffix(1);  // "€" in Windows-1252
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  Amount amount;
  bool digits = false, decimals = false;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      if (amount.units > 1'000'000'000'000LL) return std::nullopt;
      amount.units = amount.units * 10 + (c - '0');
      digits = true;
      if (decimals && ++amount.scale > 6) return std::nullopt;
    } else if (c == ',' && !decimals) {
      decimals = true;
    } else if (c == '.' && !decimals && digits) {
      continue;  // thousands
    } else {
      return std::nullopt;
    }
  }
  if (!digits) return std::nullopt;
  if (negative) amount.units = -amount.units;
  return amount;
}

Amount atScale(Amount amount, int scale) {
  while (amount.scale < scale) {
    amount.units *= 10;
    ++amount.scale;
  }
  return amount;
}

Amount difference(Amount after, Amount before) {
  const int scale = std::max(after.scale, before.scale);
  return {atScale(after, scale).units - atScale(before, scale).units, scale};
}

std::string formatAmount(Amount amount, bool withSign) {
  amount = atScale(amount, 2);
  return decimal(amount.units, amount.scale, withSign);
}

std::vector<ComparisonRow> compareYears(const Catalog& catalog, std::string_view before, std::string_view after,
                                        std::optional<Kind> onlyKind) {
  std::vector<ComparisonRow> rows;
  for (const Kind kind : kKindsInSearchOrder)
    if (!onlyKind || *onlyKind == kind) compareKind(catalog, before, after, kind, rows);
  return rows;
}

const std::array<std::string_view, kComparisonColumns>& comparisonHeader() {
  static const std::array<std::string_view, kComparisonColumns> kHeader = {
      "Art",        "ZE alt",   "ZE neu",    "Bezeichnung",   "Betrag alt",   "Betrag neu",
      "Differenz",  "Prozent",  "\xC4nderung", "OPS hinzu", "OPS entfallen", "verglichen \xFC" "ber"};
  return kHeader;
}

std::string changeText(const ComparisonRow& row) {
  if (!row.before) return "neu";
  if (!row.after) return "entfallen";
  std::string text;
  auto add = [&text](bool changed, std::string_view what) {
    if (changed) text.append(text.empty() ? "" : ", ").append(what);
  };
  add(row.descriptionChanged, "Bezeichnung");
  add(row.amountChanged, "Betrag");
  add(row.opsChanged, "OPS");
  return text.empty() ? "unver\xE4ndert" : text;
}

std::array<std::string, kComparisonColumns> comparisonFields(const ComparisonRow& row) {
  static constexpr std::array<std::string_view, 3> kPairedBy = {"Kode", "Bezeichnung", "OPS-Kodes"};
  std::array<std::string, kComparisonColumns> fields;
  fields[kColumnKind] = kindCodeOf(row.kind);
  if (row.before) fields[kColumnZeBefore] = row.before->code;
  if (row.after) fields[kColumnZeAfter] = row.after->code;
  fields[kColumnDescription] = row.shown().description;
  if (row.before) fields[kColumnAmountBefore] = row.before->amount;
  if (row.after) fields[kColumnAmountAfter] = row.after->amount;
  if (row.difference) {
    fields[kColumnDifference] = formatAmount(*row.difference, true);
    fields[kColumnPercent] = percentText(row);
  }
  fields[kColumnChange] = changeText(row);
  if (row.paired()) {
    fields[kColumnOpsAdded] = joined(row.opsAdded);
    fields[kColumnOpsDropped] = joined(row.opsDropped);
    fields[kColumnPairedBy] = kPairedBy[static_cast<std::size_t>(row.pairedBy)];
  }
  return fields;
}

ComparisonSummary summarize(const std::vector<ComparisonRow>& rows) {
  ComparisonSummary summary;
  auto add = [](Amount& sum, std::string_view text) {
    if (const auto amount = parseAmount(text)) sum = difference(sum, Amount{-amount->units, amount->scale});
  };
  for (const ComparisonRow& row : rows) {
    if (!row.before) {
      ++summary.added;
      continue;
    }
    if (!row.after) {
      ++summary.dropped;
      continue;
    }
    if (row.changed()) {
      ++summary.changed;
    } else {
      ++summary.unchanged;
    }
    summary.descriptionChanges += row.descriptionChanged;
    summary.amountChanges += row.amountChanged;
    summary.opsChanges += row.opsChanged;
    if (row.difference && row.difference->units > 0) ++summary.amountsUp;
    if (row.difference && row.difference->units < 0) ++summary.amountsDown;
    if (row.kind == Kind::Federal && parseAmount(row.before->amount) && parseAmount(row.after->amount)) {
      add(summary.federalBefore, row.before->amount);
      add(summary.federalAfter, row.after->amount);
    }
  }
  return summary;
}

const std::vector<ComparisonRow>& YearComparisons::rows(std::string_view before, std::string_view after, Kind kind) {
  if (catalog_.revision() != revision_) {
    made_.clear();
    revision_ = catalog_.revision();
  }
  for (const Made& made : made_)
    if (made.before == before && made.after == after && made.kind == kind) return made.rows;
  made_.push_back({std::string(before), std::string(after), kind, compareYears(catalog_, before, after, kind)});
  return made_.back().rows;
}

namespace {

// The groups of the ZEs with code in a year and kind, in file order: the
// k-th of them is paired with the other year's k-th by the first rule.
std::vector<std::string_view> groupsWithCode(const Catalog& catalog, std::string_view year, Kind kind,
                                             std::string_view code) {
  const CatalogTable& table = catalog.catalogTable();
  std::vector<std::string_view> groups;
  for (const std::uint32_t line : catalog.linesOfYearAndKind(year, kind)) {
    const int i = static_cast<int>(line);
    if (table.ZeCodes.get(i) != code) continue;
    const std::string_view group = groupNameOf(table.GroupKeys.get(i));
    if (std::find(groups.begin(), groups.end(), group) == groups.end()) groups.push_back(group);
  }
  return groups;
}

}  // namespace

std::vector<YearComparisons::YearAmount> YearComparisons::amountsThroughYears(std::string_view year, Kind kind,
                                                                              std::string_view group,
                                                                              std::string_view ze) {
  std::vector<std::string> years = catalog_.yearsLastFirst();
  std::sort(years.begin(), years.end());
  const auto own = std::find(years.begin(), years.end(), year);
  if (own == years.end() || ze.empty()) return {};
  const auto amountOf = [this, kind](std::string_view inYear, std::string_view ofGroup, std::string_view code) {
    const Catalog::Lines lines = catalog_.linesOfZe(inYear, kind, ofGroup, code);
    return lines.empty() ? std::optional<std::string_view>() : std::optional(lines[lines.size() - 1].amount);
  };
  const auto ownAmount = amountOf(year, group, ze);
  if (!ownAmount) return {};
  std::vector<YearAmount> amounts{{*own, ze, *ownAmount}};
  // The partner of a ZE in the other year. A code without a year is paired
  // by the first rule, which looks only at the ZEs with that code; the
  // others need the whole comparison.
  const auto partnerIn = [&](const std::string& from, const std::string& to, bool forward, std::string_view ofGroup,
                             std::string_view code) -> std::optional<std::pair<std::string_view, std::string_view>> {
    if (!carriesYear(code)) {
      const std::vector<std::string_view> here = groupsWithCode(catalog_, from, kind, code);
      const std::vector<std::string_view> there = groupsWithCode(catalog_, to, kind, code);
      const auto k = static_cast<std::size_t>(std::find(here.begin(), here.end(), ofGroup) - here.begin());
      if (k < there.size()) return std::pair(there[k], code);
    }
    const std::vector<ComparisonRow>& rows = forward ? this->rows(from, to, kind) : this->rows(to, from, kind);
    for (const ComparisonRow& row : rows) {
      if (!row.paired()) continue;
      const YearZe& mine = forward ? *row.before : *row.after;
      const YearZe& theirs = forward ? *row.after : *row.before;
      if (mine.group == ofGroup && mine.code == code) return std::pair(theirs.group, theirs.code);
    }
    return std::nullopt;
  };
  // Follows the partner from one year to the next, in either direction,
  // until a year has none.
  const auto follow = [&](auto from, auto end, bool forward) {
    std::string_view atGroup = group, atCode = ze;
    for (auto at = from, next = std::next(from); next != end; at = next, ++next) {
      const auto partner = partnerIn(*at, *next, forward, atGroup, atCode);
      if (!partner) break;
      std::tie(atGroup, atCode) = *partner;
      const auto amount = amountOf(*next, atGroup, atCode);
      amounts.push_back({*next, atCode, amount.value_or(std::string_view())});
    }
  };
  follow(own, years.end(), true);
  follow(std::make_reverse_iterator(std::next(own)), years.rend(), false);
  std::sort(amounts.begin(), amounts.end(), [](const YearAmount& a, const YearAmount& b) { return a.year < b.year; });
  return amounts;
}

}  // namespace catalog
