#pragma once
// What the rebuild's walk collects: assignment lines in the order first
// met, each once, letter case ignored (the form met first stays).

#include <string>
#include <string_view>
#include <vector>

#include "catalog/column.h"

namespace catalog {

class AssignmentCollector {
 public:
  void add(std::string_view line) {
    if (lines_.find(line) == -1) lines_.append(line);
  }
  void clear() { lines_.clear(); }
  std::vector<std::string> lines() const { return lines_.entries(); }

 private:
  Column lines_;
};

}  // namespace catalog
