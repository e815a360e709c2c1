#include "catalog/fields.h"

#include <algorithm>

namespace catalog {
namespace {

std::string_view head(std::string_view s, std::size_t n) { return s.substr(0, std::min(n, s.size())); }
// Empty tails still point into the line.
std::string_view tail(std::string_view s, std::size_t from) { return s.substr(std::min(from, s.size())); }

// The text before the next ";", which is removed with it. Without a ";" the
// field is empty and the rest stays as it is.
std::string_view takeField(std::string_view& rest) {
  const auto semicolon = rest.find(';');
  if (semicolon == std::string_view::npos) return rest.substr(0, 0);
  const std::string_view field = rest.substr(0, semicolon);
  rest.remove_prefix(semicolon + 1);
  return field;
}

// The text up to and including the next ";", removed; empty without one.
std::size_t takeWithSeparator(std::string_view& rest) {
  const auto semicolon = rest.find(';');
  if (semicolon == std::string_view::npos) return 0;
  rest.remove_prefix(semicolon + 1);
  return semicolon + 1;
}

// A key made of the line's start and a field right behind it is one piece.
std::string_view joined(std::string_view line, std::string_view start, std::string_view field) {
  return line.substr(0, start.size() + field.size());
}

}  // namespace

std::string_view yearOf(std::string_view catalogLine) { return head(catalogLine, 4); }

CatalogFieldViews catalogFieldsOf(std::string_view line) {
  CatalogFieldViews fields;
  std::string_view rest = tail(line, 8);
  fields.groupKey = joined(line, head(line, 8), takeField(rest));
  fields.zeCode = takeField(rest);
  fields.description = takeField(rest);
  fields.amount = takeField(rest);
  fields.opsList = takeField(rest);
  fields.footnoteRefs = takeField(rest);
  return fields;
}

KeyedView footnoteFieldsOf(std::string_view line) { return {head(line, 9), tail(line, 10)}; }

KeyedView opsFieldsOf(std::string_view line) {
  std::string_view rest = tail(line, 5);
  const std::string_view key = joined(line, head(line, 5), takeField(rest));
  return {key, rest};
}

KeyedView assignmentFieldsOf(std::string_view line) {
  std::string_view rest = line;
  std::size_t keyLength = takeWithSeparator(rest);
  keyLength += takeWithSeparator(rest);
  keyLength += takeField(rest).size();
  // The third field's ";" is removed but not part of the key.
  return {line.substr(0, keyLength), rest};
}

CatalogFields cutCatalogLine(std::string_view line) {
  const CatalogFieldViews v = catalogFieldsOf(line);
  return {std::string(v.groupKey), std::string(v.zeCode),  std::string(v.description),
          std::string(v.amount),   std::string(v.opsList), std::string(v.footnoteRefs)};
}

KeyedText cutFootnoteLine(std::string_view line) {
  const KeyedView v = footnoteFieldsOf(line);
  return {std::string(v.key), std::string(v.text)};
}

KeyedText cutOpsLine(std::string_view line) {
  const KeyedView v = opsFieldsOf(line);
  return {std::string(v.key), std::string(v.text)};
}

KeyedText cutAssignmentLine(std::string_view line) {
  const KeyedView v = assignmentFieldsOf(line);
  return {std::string(v.key), std::string(v.text)};
}

}  // namespace catalog
