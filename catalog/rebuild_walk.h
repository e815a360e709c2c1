#pragma once
// The assignment rebuild without a window: the walk the window's handlers
// make over every year, kind, group and ZE, on the choice alone (year text,
// kind, the group and ZE boxes' lists and texts), collecting the OPS codes
// the detail boxes would show for each ZE.
//
// The order of the lines is the order in which the window's walk meets
// them, quirks included: a box keeps a remembered text when its new list
// holds it (letter case ignored, the text kept as it was), a group or ZE
// text beginning with "ZE200" or "ZE201" follows the year, a change of kind
// runs the cascade before the walk's own, and the collection keeps the
// first form of lines that differ in letter case only. A walk starts from
// the choice a start-up in the current year leaves.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/assignment_collector.h"
#include "catalog/catalog.h"

namespace catalog {

// The lines, code;yyyy;KK;group;ZE, of a catalog whose load completed.
std::vector<std::string> rebuiltAssignments(const Catalog& catalog, std::string_view currentYear);
// The same lines where the walk collected them, without a copy of each:
// views() gives them, valid while the collector lives.
std::unique_ptr<AssignmentCollector> collectRebuiltAssignments(const Catalog& catalog, std::string_view currentYear);
// How many of the assignment file's lines (as it is now) the rebuilt lines
// keep. A rebuild that would drop most of them is asked about first: a
// catalog that loads but holds nothing usable would empty the file.
struct LinesKept {
  std::size_t kept = 0, before = 0;
  bool dropsMost() const { return kept * 2 < before; }
};
LinesKept linesKeptOfAssignmentFile(const std::vector<std::string_view>& rebuilt);

// Whether the assignment file holds, byte for byte, what a rebuild would
// write now.
bool assignmentFileIsAsRebuilt(const Catalog& catalog, std::string_view currentYear);

}  // namespace catalog
