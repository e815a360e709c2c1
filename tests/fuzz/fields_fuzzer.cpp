// The field cutting of each file on any line: nothing crashes, and every
// field is a piece of its line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "catalog/fields.h"

namespace {

void mustBePartOf(const std::string& field, const std::string& line) {
  if (field.size() > line.size() + 1) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line(reinterpret_cast<const char*>(data), size);
  const catalog::CatalogFields fields = catalog::cutCatalogLine(line);
  for (const std::string* field : {&fields.groupKey, &fields.zeCode, &fields.description, &fields.amount,
                                   &fields.opsList, &fields.footnoteRefs})
    mustBePartOf(*field, line);
  for (auto cut : {catalog::cutFootnoteLine, catalog::cutOpsLine, catalog::cutAssignmentLine}) {
    const catalog::KeyedText keyed = cut(line);
    if (keyed.key.size() + keyed.text.size() > line.size()) std::abort();
  }
  return 0;
}
