#pragma once
// Numbers as German text shows them.

#include <string>

namespace catalog {

// Digits with a point before every group of three from the right:
// "9999999" gives "9.999.999".
std::string withThousandPoints(std::string digits);

}  // namespace catalog
