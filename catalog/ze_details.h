#pragma once
// One ZE's details as every window shows them: the main window's boxes and
// the search window's pane read the same texts by the same rules. The
// group's line is the first line of the group's key, letter case ignored;
// the ZE's, the last of its lines; footnote marks give their texts, where
// there are any; an OPS code with a text of its year reads "code - text"
// (also for an empty text), one without stays bare.

#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog.h"
#include "catalog/keys.h"

namespace catalog {

struct ZeDetails {
  std::string groupDescription;
  // Footnote texts and OPS codes ("code - text") as the boxes show them.
  std::vector<std::string> groupFootnotes, zeFootnotes;
  std::vector<std::string> groupCodes, zeCodes;
};

ZeDetails zeDetails(const Catalog& catalog, std::string_view year, std::string_view kind, std::string_view group,
                    std::string_view ze);

// The rules the details are made by, for a window that shows them piece by
// piece.
std::string decoratedOpsCode(const Catalog& catalog, std::string_view year, const std::string& code);
std::vector<std::string_view> footnoteTexts(const Catalog& catalog, std::string_view year, Kind kind,
                                            std::string_view marks);

// The OPS text of a code in a year, or empty.
std::string_view opsTextOf(const Catalog& catalog, std::string_view year, std::string_view code);

}  // namespace catalog
