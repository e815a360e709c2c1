#include "catalog/assignment_index.h"

#include <algorithm>
#include <numeric>

#include "catalog/cp1252.h"
#include "catalog/keys.h"
#include "catalog/ops_code.h"

namespace catalog {
namespace {

// Compares folded texts, so that codes differing in letter case sort together.
int compareFolded(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const unsigned char x = cp1252::foldCase(static_cast<unsigned char>(a[i]));
    const unsigned char y = cp1252::foldCase(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool beginsWithFolded(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && cp1252::equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

std::string_view kindCodeOf(Kind kind) { return kind == Kind::Federal ? "BE" : "KH"; }

AssignmentIndex::Entry AssignmentIndex::entry(std::uint32_t line) const {
  const AssignmentKey key = splitAssignmentKey(keys_.get(static_cast<int>(line)));
  return {key.code, key.year, key.kind};
}

bool AssignmentIndex::inScope(const Entry& e, std::string_view year) const {
  return cp1252::equalsIgnoringCase(e.year, year);
}

void AssignmentIndex::build() const {
  wildcards_.clear();
  byCode_.resize(static_cast<std::size_t>(keys_.count()));
  std::iota(byCode_.begin(), byCode_.end(), 0u);
  for (std::uint32_t line = 0; line < byCode_.size(); ++line)
    if (entry(line).code.find('*') != std::string_view::npos) wildcards_.push_back(line);
  const auto byCode = [this](std::uint32_t a, std::uint32_t b) {
    const int order = compareFolded(entry(a).code, entry(b).code);
    return order != 0 ? order < 0 : a < b;
  };
  // The rebuild writes codes grouped by ZE, not sorted; but a sorted file
  // needs no sort.
  if (!std::is_sorted(byCode_.begin(), byCode_.end(), byCode)) std::sort(byCode_.begin(), byCode_.end(), byCode);
  builtRevision_ = keys_.revision();
}

void AssignmentIndex::ensureBuilt() const {
  if (builtRevision_ != keys_.revision()) build();
}

std::pair<std::vector<std::uint32_t>::const_iterator, std::vector<std::uint32_t>::const_iterator>
AssignmentIndex::withPrefix(std::string_view prefix) const {
  ensureBuilt();
  const auto first = std::partition_point(byCode_.begin(), byCode_.end(), [&](std::uint32_t line) {
    return compareFolded(entry(line).code, prefix) < 0;
  });
  const auto last = std::partition_point(first, byCode_.end(), [&](std::uint32_t line) {
    return beginsWithFolded(entry(line).code, prefix);
  });
  return {first, last};
}

std::vector<int> AssignmentIndex::linesWithCode(std::string_view code, std::string_view year, Kind kind) const {
  std::vector<int> lines;
  const auto [first, last] = withPrefix(code);
  for (auto it = first; it != last; ++it) {
    const Entry e = entry(*it);
    if (e.code.size() == code.size() && inScope(e, year) && cp1252::equalsIgnoringCase(e.kind, kindCodeOf(kind)))
      lines.push_back(static_cast<int>(*it));
  }
  return lines;
}

std::vector<int> AssignmentIndex::wildcardLinesCovering(std::string_view code, std::string_view year,
                                                        Kind kind) const {
  ensureBuilt();
  std::vector<int> lines;
  for (const std::uint32_t line : wildcards_) {
    const Entry e = entry(line);
    if (inScope(e, year) && cp1252::equalsIgnoringCase(e.kind, kindCodeOf(kind)) && ops_code::covers(e.code, code))
      lines.push_back(static_cast<int>(line));
  }
  return lines;
}

std::vector<int> AssignmentIndex::linesWithLongerCodes(std::string_view prefix, std::string_view year) const {
  std::vector<int> lines;
  const auto [first, last] = withPrefix(prefix);
  for (auto it = first; it != last; ++it) {
    const Entry e = entry(*it);
    if (e.code.size() > prefix.size() && inScope(e, year)) lines.push_back(static_cast<int>(*it));
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

bool AssignmentIndex::someLineCouldCoverLonger(std::string_view prefix, std::string_view year) const {
  // Lines without "*" must begin with the prefix itself.
  const auto [first, last] = withPrefix(prefix);
  for (auto it = first; it != last; ++it) {
    const Entry e = entry(*it);
    if (e.code.size() > prefix.size() && inScope(e, year)) return true;
  }
  for (const std::uint32_t line : wildcards_) {
    const Entry e = entry(line);
    if (inScope(e, year) && ops_code::couldCoverLonger(e.code, prefix)) return true;
  }
  return false;
}

}  // namespace catalog
