#include "catalog/fields.h"

namespace catalog {
namespace {

std::string_view head(std::string_view s, std::size_t n) { return s.substr(0, std::min(n, s.size())); }
std::string_view tail(std::string_view s, std::size_t from) {
  return from < s.size() ? s.substr(from) : std::string_view();
}

// The text before the next ";", which is removed with it. Without a ";" the
// field is empty and the rest stays as it is.
std::string takeField(std::string_view& rest) {
  const auto semicolon = rest.find(';');
  if (semicolon == std::string_view::npos) return {};
  std::string field(rest.substr(0, semicolon));
  rest.remove_prefix(semicolon + 1);
  return field;
}

// The text up to and including the next ";", removed; empty without one.
std::string takeFieldWithSeparator(std::string_view& rest) {
  const auto semicolon = rest.find(';');
  if (semicolon == std::string_view::npos) return {};
  std::string field(rest.substr(0, semicolon + 1));
  rest.remove_prefix(semicolon + 1);
  return field;
}

}  // namespace

std::string yearOf(std::string_view catalogLine) { return std::string(head(catalogLine, 4)); }

CatalogFields cutCatalogLine(std::string_view line) {
  CatalogFields fields;
  std::string_view rest = tail(line, 8);
  fields.groupKey = std::string(head(line, 8)) + takeField(rest);
  fields.zeCode = takeField(rest);
  fields.description = takeField(rest);
  fields.amount = takeField(rest);
  fields.opsList = takeField(rest);
  fields.footnoteRefs = takeField(rest);
  return fields;
}

KeyedText cutFootnoteLine(std::string_view line) {
  return {std::string(head(line, 9)), std::string(tail(line, 10))};
}

KeyedText cutOpsLine(std::string_view line) {
  std::string_view rest = tail(line, 5);
  std::string key(head(line, 5));
  key += takeField(rest);
  return {std::move(key), std::string(rest)};
}

KeyedText cutAssignmentLine(std::string_view line) {
  std::string_view rest = line;
  std::string key = takeFieldWithSeparator(rest);
  key += takeFieldWithSeparator(rest);
  key += takeField(rest);
  return {std::move(key), std::string(rest)};
}

}  // namespace catalog
