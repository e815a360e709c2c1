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
  std::vector<std::string> footnotes;  // the group's, then the ZE's, each text as a box shows it
  std::vector<std::string> opsCodes;   // the group's, then the ZE's: "code - text"
};

ZeDetails zeDetails(const Catalog& catalog, std::string_view year, std::string_view kind, std::string_view group,
                    std::string_view ze);

// The OPS text of a code in a year, or empty.
std::string_view opsTextOf(const Catalog& catalog, std::string_view year, std::string_view code);

}  // namespace catalog
