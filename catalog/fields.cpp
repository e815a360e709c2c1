#include "catalog/fields.h"

#include <algorithm>

namespace catalog {
namespace {

std::string_view head(std::string_view s, std::size_t n) { return s.substr(0, std::min(n, s.size())); }
// Empty tails still point into the line.
std::string_view tail(std::string_view s, std::size_t from) { return s.substr(std::min(from, s.size())); }

// The text before the next ";", which is removed with it. Without a ";" the
// field is empty and the rest stays as it is.
// Catalog fields are mostly a few characters long, where a loop finds the
// separator sooner than a call of memchr; a long field goes to memchr.
std::size_t nextSemicolon(std::string_view text) {
  const std::size_t shortScan = std::min<std::size_t>(text.size(), 32);
  for (std::size_t i = 0; i < shortScan; ++i)
    if (text[i] == ';') return i;
  if (shortScan == text.size()) return std::string_view::npos;
  return text.find(';', shortScan);
}

std::string_view takeField(std::string_view& rest) {
  const auto semicolon = nextSemicolon(rest);
  if (semicolon == std::string_view::npos) return rest.substr(0, 0);
  const std::string_view field = rest.substr(0, semicolon);
  rest.remove_prefix(semicolon + 1);
  return field;
}

// The text up to and including the next ";", removed; empty without one.
std::size_t takeWithSeparator(std::string_view& rest) {
  const auto semicolon = nextSemicolon(rest);
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

namespace {

// Field number field of a catalog line (0: the group key), with the fields
// before it cut as catalogFieldsOf cuts them.
std::string_view catalogField(std::string_view line, int field) {
  std::string_view rest = tail(line, 8);
  const std::string_view groupKey = joined(line, head(line, 8), takeField(rest));
  if (field == 0) return groupKey;
  for (int skipped = 1; skipped < field; ++skipped) takeField(rest);
  return takeField(rest);
}

}  // namespace

std::string_view catalogGroupKeyOf(std::string_view line) { return catalogField(line, 0); }
std::string_view catalogZeCodeOf(std::string_view line) { return catalogField(line, 1); }
std::string_view catalogDescriptionOf(std::string_view line) { return catalogField(line, 2); }
std::string_view catalogAmountOf(std::string_view line) { return catalogField(line, 3); }
std::string_view catalogOpsListOf(std::string_view line) { return catalogField(line, 4); }
std::string_view catalogFootnoteRefsOf(std::string_view line) { return catalogField(line, 5); }

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
