#pragma once
// What a search found, as references into the catalog: each row names an
// assignment line or a catalog line and, for a code, which of the entered
// codes it came from. Nothing of the catalog or of the input is copied per
// row, so a broad search or a long pasted list costs a few bytes a row. The
// texts of a row are read when they are shown; a result is only valid while
// the catalog it came from stays loaded.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalog/catalog.h"
#include "catalog/ops_code.h"

namespace catalog {

// Where a row was found.
enum class FoundIn : std::uint8_t {
  Code,         // the line the field's search tries, or one covering the code
  Subcode,      // a longer code that begins with the entered one
  NoZe,         // no line at all: "kein Zusatzentgelt"
  Description,  // words: the group's or ZE's own description
  OpsText,      // words: the OPS text of one of its codes (and maybe the description)
};

struct SearchRow {
  FoundIn foundIn;
  std::int32_t code;        // index into SearchResult::codes; -1 for words
  std::int32_t assignment;  // the assignment line; -1 for words and NoZe
  std::int32_t zeLine;      // the catalog line that describes the ZE or group; -1 when there is none
  std::int32_t opsCode;     // OpsText: which code of the line's OPS list; else -1
  bool descriptionToo;      // OpsText: some word is also in the description
};

struct SearchResult {
  std::vector<ops_code::CodeInText> codes;  // as entered
  std::vector<SearchRow> rows;
  std::vector<std::string> ignored;         // parts of a code list that are no code
  std::optional<std::string> year;          // the year searched; nullopt for all years
  std::vector<std::string> words;           // a word search's words, folded
};

// A row's texts, as the search window and the lookup command show them.
struct LookupRow {
  std::string entered;      // the code as the user wrote it; empty for words
  std::string matchedCode;  // the assignment line's code, e.g. a "*" form
  std::string year;
  std::string kind;
  std::string group;
  std::string ze;
  std::string description;  // the ZE's, or "kein Zusatzentgelt"
  std::string amount;       // as shown: "krankenhausindividuell" for a hospital-specific ZE without one
  bool found = true;
  std::string foundIn;  // "Unterkode", "Gruppe", "ZE", "OPS-Text 8-854.2"
};

LookupRow describeRow(const Catalog& catalog, const SearchResult& result, const SearchRow& row);

// The amount as shown: a hospital-specific ZE has none in the catalog.
std::string amountShown(std::string_view kind, std::string_view amount);

// The catalog line that describes a ZE as the window shows it: the last line
// of the group key whose ZE code is ze, compared exactly; -1 when none.
int zeLineOf(const Catalog& catalog, std::string_view year, std::string_view kind, std::string_view group,
             std::string_view ze);

}  // namespace catalog
