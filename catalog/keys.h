#pragma once
// Everything about keys and lists inside catalog fields: joining fields into
// keys, and cutting the "/" and "," lists of a catalog line.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace catalog {

// Texts concatenated, and fields joined by ";" as in every catalog key.
std::string concat(std::initializer_list<std::string_view> parts);
std::string joinKey(std::initializer_list<std::string_view> fields);

// The OPS codes of a "/"-separated list, one line each, untrimmed; an empty
// element stands as an empty line except at the end.
std::vector<std::string> splitOpsList(std::string_view list);

// The footnote marks of a ","-separated list, in order; empty for an empty
// list or one of exactly one blank.
std::vector<std::string> footnoteMarks(std::string_view list);

// The OPS search's code, from the OPS field's eight-character text: the
// first 5 characters when positions 7 and 8 are empty, 7 when only 8 is,
// else all 8.
std::string searchCode(std::string_view fieldText);
// The three assignment keys tried for one kind, in order: the code, its first
// seven characters and "*", its first six, "*" and its eighth.
std::array<std::string, 3> searchKeys(std::string_view code, std::string_view year, std::string_view kind);

}  // namespace catalog
