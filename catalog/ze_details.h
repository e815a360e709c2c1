#pragma once
// What the search window's pane shows of a ZE beside its row: the texts the
// main window's boxes would show for it (group description, footnotes with
// their texts, the OPS codes decorated with their texts) and the OPS text of
// the code that found it.

#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog.h"

namespace catalog {

struct ZeDetails {
  std::string groupDescription;
  // Footnote texts and OPS codes ("code - text") as the boxes show them.
  std::vector<std::string> groupFootnotes, zeFootnotes;
  std::vector<std::string> groupCodes, zeCodes;
};

ZeDetails zeDetails(const Catalog& catalog, std::string_view year, std::string_view kind, std::string_view group,
                    std::string_view ze);

// The OPS text of a code in a year, or empty.
std::string_view opsTextOf(const Catalog& catalog, std::string_view year, std::string_view code);

}  // namespace catalog
