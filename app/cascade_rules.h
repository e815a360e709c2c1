#pragma once
// Text rules of the selection cascade and the OPS search that need no window.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Texts concatenated, and fields joined by ";" as in every catalog key.
std::string concat(std::initializer_list<std::string_view> parts);
std::string joinKey(std::initializer_list<std::string_view> fields);

// A group or ZE text beginning exactly with "ZE200" or "ZE201" follows the
// year: "ZE", the year text and the text from its seventh character on.
std::string carryOverYear(const std::string& text, std::string_view yearText);

// The OPS codes of a "/"-separated list, one line each, untrimmed; an empty
// element stands as an empty line except at the end.
std::vector<std::string> splitOpsList(std::string_view list);

// The footnote marks of a ","-separated list, in order; empty for an empty
// list or one of exactly one blank.
std::vector<std::string> footnoteMarks(std::string_view list);

// Whether the OPS field's text has its first position filled and no other.
bool onlyFirstPositionFilled(std::string_view fieldText);

// The search code of the OPS field's text: 5, 7 or 8 characters.
std::string searchCode(std::string_view fieldText);
// The three assignment keys tried for one kind, in order.
std::array<std::string, 3> searchKeys(std::string_view code, std::string_view year, std::string_view kind);

}  // namespace app
