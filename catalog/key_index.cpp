#include "catalog/key_index.h"

#include <algorithm>
#include <numeric>

namespace catalog {

void ExactKeyIndex::build() const {
  sorted_.resize(static_cast<std::size_t>(column_.count()));
  std::iota(sorted_.begin(), sorted_.end(), 0u);
  const auto byKey = [this](std::uint32_t a, std::uint32_t b) { return keyOf(a) < keyOf(b); };
  // Catalogs come grouped by year, kind and group: often there is nothing
  // to sort, and a walk over the lines tells.
  if (!std::is_sorted(sorted_.begin(), sorted_.end(), byKey))
    std::stable_sort(sorted_.begin(), sorted_.end(), byKey);
  builtRevision_ = column_.revision();
}

std::span<const std::uint32_t> ExactKeyIndex::indexesOf(std::string_view key) const {
  if (builtRevision_ != column_.revision()) build();
  struct ByKey {
    const ExactKeyIndex* index;
    bool operator()(std::uint32_t entry, std::string_view k) const { return index->keyOf(entry) < k; }
    bool operator()(std::string_view k, std::uint32_t entry) const { return k < index->keyOf(entry); }
  };
  const auto [first, last] = std::equal_range(sorted_.begin(), sorted_.end(), key, ByKey{this});
  return {first, last};
}

void ExactPairIndex::build() const {
  sorted_.resize(static_cast<std::size_t>(std::min(first_.count(), second_.count())));
  std::iota(sorted_.begin(), sorted_.end(), 0u);
  const auto byKey = [this](std::uint32_t a, std::uint32_t b) { return keyOf(a) < keyOf(b); };
  if (!std::is_sorted(sorted_.begin(), sorted_.end(), byKey))
    std::stable_sort(sorted_.begin(), sorted_.end(), byKey);
  builtRevisions_ = {first_.revision(), second_.revision()};
}

std::span<const std::uint32_t> ExactPairIndex::indexesOf(std::string_view first, std::string_view second) const {
  if (stale()) build();
  struct ByKey {
    const ExactPairIndex* index;
    bool operator()(std::uint32_t entry, const Key& k) const { return index->keyOf(entry) < k; }
    bool operator()(const Key& k, std::uint32_t entry) const { return k < index->keyOf(entry); }
  };
  const auto [from, to] = std::equal_range(sorted_.begin(), sorted_.end(), Key{first, second}, ByKey{this});
  return {from, to};
}

}  // namespace catalog
