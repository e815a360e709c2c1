#pragma once
// The assignment lines by their OPS code, for the questions the key column's
// hash cannot answer: which lines cover a code by the wildcard rule, and
// which lines have longer codes that begin with a code. Built from the
// key column on first use and again whenever the column has changed.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalog/column.h"
#include "catalog/keys.h"

namespace catalog {


class AssignmentIndex {
 public:
  explicit AssignmentIndex(const Column& keys) : keys_(keys) {}

  // Lines of the year and kind whose code equals code (letter case
  // ignored), in file order.
  std::vector<int> linesWithCode(std::string_view code, std::string_view year, Kind kind) const;
  // Lines of the year and kind whose code contains "*" and covers code, in
  // file order.
  std::vector<int> wildcardLinesCovering(std::string_view code, std::string_view year, Kind kind) const;
  // Lines of the year (both kinds) whose code is longer than prefix and
  // begins with it, letter case ignored, in file order.
  std::vector<int> linesWithLongerCodes(std::string_view prefix, std::string_view year) const;
  // Whether some line of the year could still cover a longer code that
  // begins with prefix.
  bool someLineCouldCoverLonger(std::string_view prefix, std::string_view year) const;

  void build() const;

 private:
  struct Entry {
    std::string_view code, year, kind;
  };
  Entry entry(std::uint32_t line) const;
  bool inScope(const Entry& e, std::string_view year) const;
  void ensureBuilt() const;
  using Lines = std::vector<std::uint32_t>;
  // The lines of each distinct code whose folded form begins with prefix.
  template <typename Visit>
  void forCodesBeginningWith(std::string_view prefix, Visit visit) const;

  const Column& keys_;
  mutable unsigned long builtRevision_ = ~0UL;
  mutable Lines wildcards_;  // file order
  // Folded code to its lines in file order; the distinct codes sorted, for
  // questions about beginnings. Codes repeat over years and ZEs, so there
  // are far fewer of them than lines.
  mutable std::unordered_map<std::string, Lines> linesByCode_;
  mutable std::vector<const std::string*> sortedCodes_;
};

}  // namespace catalog
