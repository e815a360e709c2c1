#pragma once
// Exact (case-sensitive) lookups on the group key column, for the handlers'
// own comparisons. Each gives the matching indexes in table order, exactly
// what a walk over the whole column would meet, and rebuilds itself whenever
// the column has changed.

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalog/column.h"

namespace catalog {

class ExactKeyIndex {
 public:
  // keyLength: how many leading characters of an entry form its key
  // (std::string::npos for the whole entry).
  explicit ExactKeyIndex(const Column& column, std::size_t keyLength = std::string::npos)
      : column_(column), keyLength_(keyLength) {}

  const std::vector<int>& indexesOf(std::string_view key) const;

 private:
  const Column& column_;
  std::size_t keyLength_;
  mutable unsigned long builtRevision_ = ~0UL;
  mutable std::unordered_map<std::string, std::vector<int>> index_;
};

}  // namespace catalog
