#pragma once
// A catalog file with one year's lines replaced: the new lines stand where
// the year's first line stood (at the end when it had none), every other
// line stays byte for byte with its own line end.

#include <string>
#include <string_view>
#include <vector>

namespace annex {

struct Replacement {
  std::string text;
  std::size_t removed = 0;  // lines of the year that were there
};

// A line belongs to the year when its first field is the year.
Replacement replaceYearLines(std::string_view old, std::string_view year, const std::vector<std::string>& lines);

}  // namespace annex
