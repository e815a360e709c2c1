#pragma once
// Text rules of the selection cascade and the OPS search that need no window.

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/keys.h"
#include "catalog/ops_code.h"

namespace app {

using catalog::concat;
using catalog::footnoteMarks;
using catalog::joinKey;
using catalog::ops_code::onlyFirstPositionFilled;
using catalog::ops_code::searchCode;
using catalog::searchKeys;
using catalog::splitOpsList;

// A group or ZE text beginning exactly with "ZE200" or "ZE201" follows the
// year: "ZE", the year text and the text from its seventh character on.
std::string carryOverYear(const std::string& text, std::string_view yearText);


}  // namespace app
