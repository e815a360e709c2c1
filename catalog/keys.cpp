#include "catalog/keys.h"

#include <algorithm>

#include "catalog/cp1252.h"

namespace catalog {

std::string_view kindCodeOf(Kind kind) { return kind == Kind::Federal ? "BE" : "KH"; }

Kind kindOfCode(std::string_view code) {
  return cp1252::equalsIgnoringCase(code, kindCodeOf(Kind::Federal)) ? Kind::Federal : Kind::Hospital;
}

bool isKindCode(std::string_view text) {
  return text == kindCodeOf(Kind::Federal) || text == kindCodeOf(Kind::Hospital);
}

Kind kindOfItem(int itemIndex) { return itemIndex == 0 ? Kind::Federal : Kind::Hospital; }

int itemOf(Kind kind) { return kind == Kind::Federal ? 0 : 1; }

std::string_view kindCode(int itemIndex) { return kindCodeOf(kindOfItem(itemIndex)); }

std::string_view groupNameOf(std::string_view groupKey) {
  return groupKey.size() > kGroupPrefixLength + 1 ? groupKey.substr(kGroupPrefixLength + 1) : std::string_view();
}

bool hasYearPrefix(std::string_view line) { return line.size() > 5 && line[4] == ';'; }

bool hasYearKindPrefix(std::string_view line) { return hasYearPrefix(line) && line.size() > 8 && line[7] == ';'; }

GroupKeyFields groupKeyFields(std::string_view groupKey) {
  const auto piece = [&](std::size_t from, std::size_t length) {
    return from < groupKey.size() ? groupKey.substr(from, length) : std::string_view();
  };
  return {piece(0, 4), piece(5, 2), groupNameOf(groupKey)};
}

std::string assignmentLine(std::string_view code, std::string_view year, std::string_view kind,
                           std::string_view group, std::string_view ze) {
  return joinKey({code, year, kind, group, ze});
}

AssignmentTarget splitTarget(std::string_view target) {
  const auto semicolon = target.find(';');
  if (semicolon == std::string_view::npos) return {target, {}, false};
  return {target.substr(0, semicolon), target.substr(semicolon + 1), true};
}

AssignmentKey splitAssignmentKey(std::string_view key) {
  const auto first = key.find(';');
  if (first == std::string_view::npos) return {key, {}, {}};
  const std::string_view rest = key.substr(first + 1);
  const auto second = rest.find(';');
  if (second == std::string_view::npos) return {key.substr(0, first), rest, {}};
  return {key.substr(0, first), rest.substr(0, second), rest.substr(second + 1)};
}

AssignmentLineFields assignmentLineFields(std::string_view line) {
  std::size_t separator = std::string_view::npos;
  for (int field = 0; field < 3; ++field) {
    separator = line.find(';', separator + 1);
    if (separator == std::string_view::npos) return {splitAssignmentKey(line), {}, false};
  }
  const std::string_view target = line.substr(separator + 1);
  return {splitAssignmentKey(line.substr(0, separator)), splitTarget(target), target.find(';') != std::string_view::npos};
}

std::string carryOverYear(const std::string& text, std::string_view yearText) {
  const std::string_view start = std::string_view(text).substr(0, 5);
  if (start != "ZE200" && start != "ZE201") return text;
  return concat({"ZE", yearText, text.size() > 6 ? std::string_view(text).substr(6) : std::string_view()});
}

std::string concat(std::initializer_list<std::string_view> parts) {
  std::string result;
  for (std::string_view part : parts) result.append(part);
  return result;
}

std::string joinKey(std::initializer_list<std::string_view> fields) {
  std::string key;
  bool first = true;
  for (std::string_view field : fields) {
    if (!first) key += ';';
    key.append(field);
    first = false;
  }
  return key;
}

namespace {

// Walks a list element by element until the rest is exactly one blank; an
// element before a separator is taken even when empty, the last one as the
// caller says.
std::vector<std::string> splitUntilBlank(std::string_view list, char separator, bool keepEmptyLast) {
  std::vector<std::string> elements;
  std::string_view rest = list;
  while (!list.empty() && rest != " ") {
    const auto found = rest.find(separator);
    if (found == std::string_view::npos) {
      if (keepEmptyLast || !rest.empty()) elements.emplace_back(rest);
      break;
    }
    elements.emplace_back(rest.substr(0, found));
    rest.remove_prefix(found + 1);
  }
  return elements;
}

}  // namespace

std::vector<std::string> splitOpsList(std::string_view list) { return splitUntilBlank(list, '/', false); }

std::vector<std::string> footnoteMarks(std::string_view list) { return splitUntilBlank(list, ',', true); }

namespace {

std::string_view head(std::string_view s, std::size_t n) { return s.substr(0, std::min(n, s.size())); }

}  // namespace

std::array<std::string, 3> searchKeyCodes(std::string_view code) {
  const std::string_view eighth = code.size() >= 8 ? code.substr(7, 1) : std::string_view();
  return {std::string(code), concat({head(code, 7), "*"}), concat({head(code, 6), "*", eighth})};
}

std::array<std::string, 3> searchKeys(std::string_view code, std::string_view year, std::string_view kind) {
  std::array<std::string, 3> keys = searchKeyCodes(code);
  for (std::string& key : keys) key = joinKey({key, year, kind});
  return keys;
}

}  // namespace catalog
