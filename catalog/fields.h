#pragma once
// Positional cutting of the lines of each catalog file. Nothing is
// validated: a malformed line yields shifted or empty fields. Every field is
// a piece of its line, so the tables keep them as pieces of the file.

#include <string>
#include <string_view>

namespace catalog {

// The year field: characters 1-4 (fewer if the line is shorter).
std::string_view yearOf(std::string_view catalogLine);

template <typename Text>
struct CatalogFieldsOf {
  Text groupKey;  // characters 1-8 followed by the group: yyyy;KK;group
  Text zeCode;
  Text description;
  Text amount;
  Text opsList;
  Text footnoteRefs;
};
using CatalogFieldViews = CatalogFieldsOf<std::string_view>;
using CatalogFields = CatalogFieldsOf<std::string>;

template <typename Text>
struct KeyedTextOf {
  Text key;
  Text text;
};
using KeyedView = KeyedTextOf<std::string_view>;
using KeyedText = KeyedTextOf<std::string>;

// The views point into the line.
CatalogFieldViews catalogFieldsOf(std::string_view line);
// Each field of catalogFieldsOf alone, the line cut no further than that
// field: the catalog's field columns read their entries so.
std::string_view catalogGroupKeyOf(std::string_view line);
std::string_view catalogZeCodeOf(std::string_view line);
std::string_view catalogDescriptionOf(std::string_view line);
std::string_view catalogAmountOf(std::string_view line);
std::string_view catalogOpsListOf(std::string_view line);
std::string_view catalogFootnoteRefsOf(std::string_view line);
KeyedView footnoteFieldsOf(std::string_view line);    // yyyy;KK;m and the text
KeyedView opsFieldsOf(std::string_view line);         // yyyy;code and the description
KeyedView assignmentFieldsOf(std::string_view line);  // code;yyyy;KK and group;ZE

// The same as strings.
CatalogFields cutCatalogLine(std::string_view line);
KeyedText cutFootnoteLine(std::string_view line);
KeyedText cutOpsLine(std::string_view line);
KeyedText cutAssignmentLine(std::string_view line);

}  // namespace catalog
