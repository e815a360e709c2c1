#include "catalog/key_index.h"

#include <algorithm>
#include <numeric>

namespace catalog {

namespace {

// Whether entries 0..count-1 are in key order already, asked without an
// array of their numbers. (Hand-written, as is the halving below: the
// fuzzers' clang cannot use std::ranges over an iota view with this
// standard library.)
template <typename Less>
bool alreadyInKeyOrder(std::size_t count, Less less) {
  for (std::uint32_t i = 1; i < count; ++i)
    if (less(i, i - 1)) return false;
  return true;
}

// Entry numbers in key order, equal keys in table order.
template <typename Less>
std::vector<std::uint32_t> sortedNumbers(std::size_t count, Less less) {
  std::vector<std::uint32_t> sorted(count);
  std::iota(sorted.begin(), sorted.end(), 0u);
  std::stable_sort(sorted.begin(), sorted.end(), less);
  return sorted;
}

// The places from low to high whose keys equal key, as std::equal_range
// finds them: halving until one matches, then the first and one past the
// last match on either side of it.
template <typename KeyAt, typename Key>
std::pair<std::size_t, std::size_t> equalPlaces(std::size_t low, std::size_t high, KeyAt keyAt, const Key& key) {
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    const auto atMiddle = keyAt(middle);
    if (atMiddle < key) {
      low = middle + 1;
    } else if (key < atMiddle) {
      high = middle;
    } else {
      std::size_t first = low, last = middle;
      while (first < last) {
        const std::size_t m = first + (last - first) / 2;
        if (keyAt(m) < key) first = m + 1; else last = m;
      }
      std::size_t end = middle + 1;
      last = high;
      while (end < last) {
        const std::size_t m = end + (last - end) / 2;
        if (key < keyAt(m)) last = m; else end = m + 1;
      }
      return {first, end};
    }
  }
  return {low, low};
}

// The entry numbers at those places.
EntryNumbers numbersAt(const std::vector<std::uint32_t>& sorted, bool inOrder,
                       std::pair<std::size_t, std::size_t> places) {
  const auto [first, last] = places;
  if (inOrder) return EntryNumbers::run(static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(last));
  return EntryNumbers(std::span<const std::uint32_t>(sorted).subspan(first, last - first));
}

}  // namespace

void ExactKeyIndex::build() const {
  const auto byKey = [this](std::uint32_t a, std::uint32_t b) { return keyOf(a) < keyOf(b); };
  count_ = static_cast<std::size_t>(column_.count());
  // Catalogs come grouped by year, kind and group: often there is nothing
  // to sort, and a walk over the lines tells.
  inOrder_ = alreadyInKeyOrder(count_, byKey);
  sorted_ = inOrder_ ? std::vector<std::uint32_t>{} : sortedNumbers(count_, byKey);
  builtRevision_ = column_.revision();
}

EntryNumbers ExactKeyIndex::indexesOf(std::string_view key) const {
  update();
  return numbersAt(sorted_, inOrder_,
                   equalPlaces(0, count_, [this](std::size_t place) { return keyOf(numberAt(place)); }, key));
}

EntryNumbers ExactKeyIndex::inKeyOrder() const {
  update();
  return numbersAt(sorted_, inOrder_, {0, count_});
}

void ExactPairIndex::build() const {
  const EntryNumbers byFirst = byFirst_.inKeyOrder();
  count_ = std::min(byFirst.size(), static_cast<std::size_t>(second_.count()));
  const auto firstOf = [this](std::uint32_t entry) { return first_.get(static_cast<int>(entry)); };
  const auto bySecond = [this](std::uint32_t a, std::uint32_t b) {
    return second_.get(static_cast<int>(a)) < second_.get(static_cast<int>(b));
  };
  // Runs of equal first parts, each in table order: sorted by their second
  // parts, they are in key order. Entries in table order need no array
  // until a run is found out of order.
  std::vector<std::uint32_t> sorted;
  const auto startArray = [&](std::size_t upTo) {
    sorted.reserve(count_);
    for (std::size_t place = 0; place < upTo; ++place) sorted.push_back(byFirst[place]);
  };
  inOrder_ = byFirst.consecutive();
  if (!inOrder_) startArray(0);
  std::vector<std::uint32_t> runStarts;
  for (std::size_t runStart = 0; runStart < count_;) {
    if (runStarts.size() <= count_ / kMostRunsPerEntry) runStarts.push_back(static_cast<std::uint32_t>(runStart));
    const std::string_view first = firstOf(byFirst[runStart]);
    std::size_t runEnd = runStart + 1;
    while (runEnd < count_ && firstOf(byFirst[runEnd]) == first) ++runEnd;
    if (inOrder_ && !alreadyInKeyOrder(runEnd - runStart, [&](std::uint32_t a, std::uint32_t b) {
          return bySecond(byFirst[runStart + a], byFirst[runStart + b]);
        })) {
      inOrder_ = false;
      startArray(runStart);
    }
    if (!inOrder_) {
      for (std::size_t place = runStart; place < runEnd; ++place) sorted.push_back(byFirst[place]);
      std::stable_sort(sorted.begin() + static_cast<std::ptrdiff_t>(runStart), sorted.end(), bySecond);
    }
    runStart = runEnd;
  }
  sorted_ = std::move(sorted);
  // Too many runs to be worth their room: the first parts are searched.
  if (runStarts.size() > count_ / kMostRunsPerEntry) runStarts.clear();
  runStarts.shrink_to_fit();
  runStarts_ = std::move(runStarts);
  builtRevisions_ = {first_.revision(), second_.revision()};
}

std::pair<std::size_t, std::size_t> ExactPairIndex::placesOfFirst(std::string_view first) const {
  const auto firstAt = [this](std::size_t place) { return first_.get(static_cast<int>(numberAt(place))); };
  if (runStarts_.empty()) return equalPlaces(0, count_, firstAt, first);
  // A run is found by its start, and ends where the next one starts.
  const auto run = equalPlaces(0, runStarts_.size(), [&](std::size_t k) { return firstAt(runStarts_[k]); }, first);
  if (run.first == run.second) return {count_, count_};
  const std::size_t end = run.first + 1 < runStarts_.size() ? runStarts_[run.first + 1] : count_;
  return {runStarts_[run.first], end};
}

EntryNumbers ExactPairIndex::indexesOf(std::string_view first, std::string_view second) const {
  if (stale()) build();
  // The places of the first part, then among them those of the second:
  // each probe reads one column.
  const auto secondAt = [this](std::size_t place) { return second_.get(static_cast<int>(numberAt(place))); };
  const auto [low, high] = placesOfFirst(first);
  return numbersAt(sorted_, inOrder_, equalPlaces(low, high, secondAt, second));
}

}  // namespace catalog
