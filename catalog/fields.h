#pragma once
// Positional cutting of the lines of each catalog file. Nothing is
// validated: a malformed line yields shifted or empty fields.

#include <string>
#include <string_view>

namespace catalog {

// The year field: characters 1-4 (fewer if the line is shorter).
std::string yearOf(std::string_view catalogLine);

struct CatalogFields {
  std::string groupKey;  // characters 1-8 followed by the group: yyyy;KK;group
  std::string zeCode;
  std::string description;
  std::string amount;
  std::string opsList;
  std::string footnoteRefs;
};
CatalogFields cutCatalogLine(std::string_view line);

struct KeyedText {
  std::string key;
  std::string text;
};
KeyedText cutFootnoteLine(std::string_view line);    // yyyy;KK;m and the text
KeyedText cutOpsLine(std::string_view line);         // yyyy;code and the description
KeyedText cutAssignmentLine(std::string_view line);  // code;yyyy;KK and group;ZE

}  // namespace catalog
