#pragma once
// Everything about keys and lists inside catalog fields: joining fields into
// keys, and cutting the "/" and "," lists of a catalog line.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace catalog {

// The two kinds of fee, in the order the OPS search tries them, and their
// codes in the files: "BE" federal, "KH" hospital-specific.
enum class Kind { Federal, Hospital };
inline constexpr Kind kKindsInSearchOrder[] = {Kind::Federal, Kind::Hospital};
std::string_view kindCodeOf(Kind kind);
// A kind code as a file writes it: "BE" in any letter case is federal,
// anything else hospital-specific.
Kind kindOfCode(std::string_view code);
// Whether a text is one of the two kind codes, exactly.
bool isKindCode(std::string_view text);
// The kind selector's items: 0 federal, any other hospital-specific.
Kind kindOfItem(int itemIndex);
int itemOf(Kind kind);
// The kind code of the kind selector's item.
std::string_view kindCode(int itemIndex);

// A group key is yyyy;KK;group: its first seven characters (yyyy;KK) are what
// the group list compares, the name starts at its ninth. Catalog and
// footnote lines begin the same way, so the same cut gives their year and
// kind.
inline constexpr std::size_t kGroupPrefixLength = 7;
std::string_view groupNameOf(std::string_view groupKey);
struct GroupKeyFields {
  std::string_view year;
  std::string_view kind;
  std::string_view group;
};
GroupKeyFields groupKeyFields(std::string_view groupKey);
// Whether a line begins with four characters and ";" (yyyy;), and with
// yyyy;KK; as footnote lines do.
bool hasYearPrefix(std::string_view line);
bool hasYearKindPrefix(std::string_view line);

// An assignment line, code;yyyy;KK;group;ZE, as the rebuild writes it.
std::string assignmentLine(std::string_view code, std::string_view year, std::string_view kind,
                           std::string_view group, std::string_view ze);
// An assignment's target, group;ZE: the group before the first ";", the ZE
// after it (which may hold further ";"); a target without ";" is all group.
struct AssignmentTarget {
  std::string_view group;
  std::string_view ze;
  bool hasZe;
};
AssignmentTarget splitTarget(std::string_view target);
// An assignment key, code;yyyy;KK, cut into its fields (a missing field is
// empty).
struct AssignmentKey {
  std::string_view code;
  std::string_view year;
  std::string_view kind;
};
AssignmentKey splitAssignmentKey(std::string_view key);
// A whole assignment line, code;yyyy;KK;group;ZE; complete when it has all
// five fields.
struct AssignmentLineFields {
  AssignmentKey key;
  AssignmentTarget target;
  bool complete;
};
AssignmentLineFields assignmentLineFields(std::string_view line);

// A group or ZE text beginning exactly with "ZE200" or "ZE201" follows the
// year: "ZE", the year text and the text from its seventh character on.
std::string carryOverYear(const std::string& text, std::string_view yearText);

// Texts concatenated, and fields joined by ";" as in every catalog key.
std::string concat(std::initializer_list<std::string_view> parts);
std::string joinKey(std::initializer_list<std::string_view> fields);

// The OPS codes of a "/"-separated list, one line each, untrimmed; an empty
// element stands as an empty line except at the end.
std::vector<std::string> splitOpsList(std::string_view list);

// The footnote marks of a ","-separated list, in order; empty for an empty
// list or one of exactly one blank.
std::vector<std::string> footnoteMarks(std::string_view list);

// The codes of the three search keys: the code, its first seven characters
// and "*", its first six, "*" and its eighth.
std::array<std::string, 3> searchKeyCodes(std::string_view code);
// The three assignment keys tried for one kind, in order: the code, its first
// seven characters and "*", its first six, "*" and its eighth.
std::array<std::string, 3> searchKeys(std::string_view code, std::string_view year, std::string_view kind);

}  // namespace catalog
