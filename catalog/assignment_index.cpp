#include "catalog/assignment_index.h"

#include <algorithm>

#include "catalog/cp1252.h"
#include "catalog/keys.h"
#include "catalog/ops_code.h"

namespace catalog {
namespace {

}  // namespace

AssignmentIndex::Entry AssignmentIndex::entry(std::uint32_t line) const {
  const AssignmentKey key = splitAssignmentKey(keys_.get(static_cast<int>(line)));
  return {key.code, key.year, key.kind};
}

bool AssignmentIndex::inScope(const Entry& e, std::string_view year) const {
  return cp1252::equalsIgnoringCase(e.year, year);
}

void AssignmentIndex::build() const {
  wildcards_.clear();
  linesByCode_.clear();
  sortedCodes_.clear();
  std::string folded;
  for (std::uint32_t line = 0; line < static_cast<std::uint32_t>(keys_.count()); ++line) {
    const std::string_view code = entry(line).code;
    if (ops_code::isWildcard(code)) wildcards_.push_back(line);
    folded.assign(code);
    for (char& c : folded) c = static_cast<char>(cp1252::foldCase(static_cast<unsigned char>(c)));
    linesByCode_[folded].push_back(line);
  }
  sortedCodes_.reserve(linesByCode_.size());
  for (const auto& [code, lines] : linesByCode_) sortedCodes_.push_back(&code);
  std::sort(sortedCodes_.begin(), sortedCodes_.end(), [](const std::string* a, const std::string* b) { return *a < *b; });
  builtRevision_ = keys_.revision();
}

void AssignmentIndex::ensureBuilt() const {
  if (builtRevision_ != keys_.revision()) build();
}

template <typename Visit>
void AssignmentIndex::forCodesBeginningWith(std::string_view prefix, Visit visit) const {
  ensureBuilt();
  const std::string folded = cp1252::folded(prefix);
  auto it = std::partition_point(sortedCodes_.begin(), sortedCodes_.end(),
                                 [&](const std::string* code) { return *code < folded; });
  for (; it != sortedCodes_.end() && (*it)->starts_with(folded); ++it)
    if (!visit(**it, linesByCode_.find(**it)->second)) return;
}

std::vector<int> AssignmentIndex::linesWithCode(std::string_view code, std::string_view year, Kind kind) const {
  ensureBuilt();
  std::vector<int> lines;
  const auto found = linesByCode_.find(cp1252::folded(code));
  if (found == linesByCode_.end()) return lines;
  for (const std::uint32_t line : found->second) {
    const Entry e = entry(line);
    if (inScope(e, year) && cp1252::equalsIgnoringCase(e.kind, kindCodeOf(kind))) lines.push_back(static_cast<int>(line));
  }
  return lines;
}

std::vector<int> AssignmentIndex::wildcardLinesCovering(std::string_view code, std::string_view year,
                                                        Kind kind) const {
  ensureBuilt();
  std::vector<int> lines;
  for (const std::uint32_t line : wildcards_) {
    const Entry e = entry(line);
    if (inScope(e, year) && cp1252::equalsIgnoringCase(e.kind, kindCodeOf(kind)) && ops_code::covers(e.code, code))
      lines.push_back(static_cast<int>(line));
  }
  return lines;
}

std::vector<int> AssignmentIndex::linesWithLongerCodes(std::string_view prefix, std::string_view year) const {
  std::vector<int> lines;
  forCodesBeginningWith(prefix, [&](const std::string& code, const Lines& ofCode) {
    if (code.size() > prefix.size())
      for (const std::uint32_t line : ofCode)
        if (inScope(entry(line), year)) lines.push_back(static_cast<int>(line));
    return true;
  });
  std::sort(lines.begin(), lines.end());
  return lines;
}

bool AssignmentIndex::someLineCouldCoverLonger(std::string_view prefix, std::string_view year) const {
  // Lines without "*" must begin with the prefix itself.
  bool found = false;
  forCodesBeginningWith(prefix, [&](const std::string& code, const Lines& ofCode) {
    if (code.size() > prefix.size())
      found = std::any_of(ofCode.begin(), ofCode.end(), [&](std::uint32_t line) { return inScope(entry(line), year); });
    return !found;
  });
  if (found) return true;
  return std::any_of(wildcards_.begin(), wildcards_.end(), [&](std::uint32_t line) {
    const Entry e = entry(line);
    return inScope(e, year) && ops_code::couldCoverLonger(e.code, prefix);
  });
}

}  // namespace catalog
