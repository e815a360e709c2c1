#include "catalog/key_index.h"

#include <algorithm>
#include <numeric>
#include <ranges>

namespace catalog {

namespace {

// Whether entries 0..count-1 are in key order already, asked without an
// array of their numbers.
template <typename Less>
bool inKeyOrder(std::size_t count, Less less) {
  return std::ranges::is_sorted(std::views::iota(std::uint32_t{0}, static_cast<std::uint32_t>(count)), less);
}

// Entry numbers in key order, equal keys in table order.
template <typename Less>
std::vector<std::uint32_t> sortedNumbers(std::size_t count, Less less) {
  std::vector<std::uint32_t> sorted(count);
  std::iota(sorted.begin(), sorted.end(), 0u);
  std::stable_sort(sorted.begin(), sorted.end(), less);
  return sorted;
}

// The entries whose keys equal key: their places in key order, found by
// halving over the places, as entry numbers.
template <typename KeyAt, typename Key>
EntryNumbers matching(const std::vector<std::uint32_t>& sorted, bool inOrder, std::size_t count, KeyAt keyAt,
                      const Key& key) {
  const auto places = std::views::iota(std::size_t{0}, count);
  const auto found = std::ranges::equal_range(places, key, std::ranges::less{}, keyAt);
  const auto first = static_cast<std::size_t>(found.begin() - places.begin());
  const auto last = static_cast<std::size_t>(found.end() - places.begin());
  if (inOrder) return EntryNumbers::run(static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(last));
  return std::span<const std::uint32_t>(sorted).subspan(first, last - first);
}

}  // namespace

void ExactKeyIndex::build() const {
  const auto byKey = [this](std::uint32_t a, std::uint32_t b) { return keyOf(a) < keyOf(b); };
  count_ = static_cast<std::size_t>(column_.count());
  // Catalogs come grouped by year, kind and group: often there is nothing
  // to sort, and a walk over the lines tells.
  inOrder_ = inKeyOrder(count_, byKey);
  sorted_ = inOrder_ ? std::vector<std::uint32_t>{} : sortedNumbers(count_, byKey);
  builtRevision_ = column_.revision();
}

EntryNumbers ExactKeyIndex::indexesOf(std::string_view key) const {
  if (builtRevision_ != column_.revision()) build();
  return matching(sorted_, inOrder_, count_, [this](std::size_t place) { return keyOf(numberAt(place)); }, key);
}

void ExactPairIndex::build() const {
  const auto byKey = [this](std::uint32_t a, std::uint32_t b) { return keyOf(a) < keyOf(b); };
  count_ = static_cast<std::size_t>(std::min(first_.count(), second_.count()));
  inOrder_ = inKeyOrder(count_, byKey);
  sorted_ = inOrder_ ? std::vector<std::uint32_t>{} : sortedNumbers(count_, byKey);
  builtRevisions_ = {first_.revision(), second_.revision()};
}

EntryNumbers ExactPairIndex::indexesOf(std::string_view first, std::string_view second) const {
  if (stale()) build();
  return matching(sorted_, inOrder_, count_, [this](std::size_t place) { return keyOf(numberAt(place)); },
                  Key{first, second});
}

}  // namespace catalog
