#pragma once
// Exact (case-sensitive) lookups on a column, for the handlers' own
// comparisons. Each gives the matching indexes in table order, exactly what a
// walk over the whole column would meet. The index is one sorted array of
// entry numbers, or none at all when the column is in key order already (a
// catalog comes grouped by year, kind and group); it rebuilds itself
// whenever the column has changed.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalog/column.h"
#include "catalog/indexed_iterator.h"

namespace catalog {

// Entry numbers in table order: a piece of an index's sorted array, or a run
// of consecutive numbers where the column needed no sorting.
class EntryNumbers {
 public:
  using iterator = IndexedIterator<EntryNumbers, std::uint32_t>;

  EntryNumbers() = default;
  EntryNumbers(std::span<const std::uint32_t> numbers)
      : numbers_(numbers.data()), begin_(0), end_(static_cast<std::uint32_t>(numbers.size())) {}
  static EntryNumbers run(std::uint32_t first, std::uint32_t last) { return EntryNumbers(first, last); }

  iterator begin() const { return {this, 0}; }
  iterator end() const { return {this, size()}; }
  std::size_t size() const { return end_ - begin_; }
  bool empty() const { return end_ == begin_; }
  // Whether these are the numbers first to last without a gap, in order.
  bool consecutive() const { return numbers_ == nullptr; }
  std::uint32_t operator[](std::size_t i) const {
    const auto at = static_cast<std::uint32_t>(begin_ + i);
    return numbers_ ? numbers_[at] : at;
  }

 private:
  EntryNumbers(std::uint32_t first, std::uint32_t last) : begin_(first), end_(last) {}
  const std::uint32_t* numbers_ = nullptr;
  std::uint32_t begin_ = 0, end_ = 0;
};

class ExactKeyIndex {
 public:
  // keyLength: how many leading characters of an entry form its key
  // (std::string::npos for the whole entry).
  explicit ExactKeyIndex(const Column& column, std::size_t keyLength = std::string::npos)
      : column_(column), keyLength_(keyLength) {}

  EntryNumbers indexesOf(std::string_view key) const;
  // Builds the index now, so that no later lookup pays for it.
  void build() const;
  // Every entry number in key order, equal keys in table order.
  EntryNumbers inKeyOrder() const;
  const Column& column() const { return column_; }

 private:
  std::uint32_t numberAt(std::size_t place) const {
    return inOrder_ ? static_cast<std::uint32_t>(place) : sorted_[place];
  }
  std::string_view keyOf(std::uint32_t index) const {
    return column_.get(static_cast<int>(index)).substr(0, keyLength_);
  }
  void update() const {
    if (builtRevision_ != column_.revision()) build();
  }

  const Column& column_;
  std::size_t keyLength_;
  mutable unsigned long builtRevision_ = ~0UL;
  // Entry numbers sorted by key, equal keys in table order; empty when the
  // column is in key order.
  mutable std::vector<std::uint32_t> sorted_;
  mutable bool inOrder_ = false;
  mutable std::size_t count_ = 0;
};

// The same for a key of two columns (a line's group key and its ZE code):
// the entries whose first and second column both equal the key's parts. It
// starts from the order of an index over the whole first column and sorts
// only the entries with equal first parts by their second.
class ExactPairIndex {
 public:
  ExactPairIndex(const ExactKeyIndex& byFirst, const Column& second)
      : byFirst_(byFirst), first_(byFirst.column()), second_(second) {}

  EntryNumbers indexesOf(std::string_view first, std::string_view second) const;
  void build() const;

 private:
  std::uint32_t numberAt(std::size_t place) const {
    return inOrder_ ? static_cast<std::uint32_t>(place) : sorted_[place];
  }
  bool stale() const {
    return builtRevisions_ != std::pair(first_.revision(), second_.revision());
  }

  const ExactKeyIndex& byFirst_;
  const Column& first_;
  const Column& second_;
  // The places of the first part in key order.
  std::pair<std::size_t, std::size_t> placesOfFirst(std::string_view first) const;

  // Runs of equal first parts are kept where there are at most one for
  // this many entries.
  static constexpr std::size_t kMostRunsPerEntry = 8;
  mutable std::pair<unsigned long, unsigned long> builtRevisions_{~0UL, ~0UL};
  mutable std::vector<std::uint32_t> sorted_;
  // Where each run of equal first parts starts, in key order; empty when
  // there are too many runs.
  mutable std::vector<std::uint32_t> runStarts_;
  mutable bool inOrder_ = false;
  mutable std::size_t count_ = 0;
};

}  // namespace catalog
