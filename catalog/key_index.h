#pragma once
// Exact (case-sensitive) lookups on a column, for the handlers' own
// comparisons. Each gives the matching indexes in table order, exactly what a
// walk over the whole column would meet. The index is one sorted array of
// entry numbers; it rebuilds itself whenever the column has changed.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "catalog/column.h"

namespace catalog {

class ExactKeyIndex {
 public:
  // keyLength: how many leading characters of an entry form its key
  // (std::string::npos for the whole entry).
  explicit ExactKeyIndex(const Column& column, std::size_t keyLength = std::string::npos)
      : column_(column), keyLength_(keyLength) {}

  std::span<const std::uint32_t> indexesOf(std::string_view key) const;
  // Builds the index now, so that no later lookup pays for it.
  void build() const;

 private:
  std::string_view keyOf(std::uint32_t index) const {
    return column_.get(static_cast<int>(index)).substr(0, keyLength_);
  }

  const Column& column_;
  std::size_t keyLength_;
  mutable unsigned long builtRevision_ = ~0UL;
  // Entry numbers sorted by key, equal keys in table order.
  mutable std::vector<std::uint32_t> sorted_;
};

// The same for a key of two columns (a line's group key and its ZE code):
// the entries whose first and second column both equal the key's parts.
class ExactPairIndex {
 public:
  ExactPairIndex(const Column& first, const Column& second) : first_(first), second_(second) {}

  std::span<const std::uint32_t> indexesOf(std::string_view first, std::string_view second) const;
  void build() const;

 private:
  using Key = std::pair<std::string_view, std::string_view>;
  Key keyOf(std::uint32_t index) const {
    return {first_.get(static_cast<int>(index)), second_.get(static_cast<int>(index))};
  }
  bool stale() const {
    return builtRevisions_ != std::pair(first_.revision(), second_.revision());
  }

  const Column& first_;
  const Column& second_;
  mutable std::pair<unsigned long, unsigned long> builtRevisions_{~0UL, ~0UL};
  mutable std::vector<std::uint32_t> sorted_;
};

}  // namespace catalog
