#pragma once
// Exact (case-sensitive) lookups on a column, for the handlers' own
// comparisons. Each gives the matching indexes in table order, exactly what a
// walk over the whole column would meet. The index is one sorted array of
// entry numbers; it rebuilds itself whenever the column has changed.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
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

}  // namespace catalog
