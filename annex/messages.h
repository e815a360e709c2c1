#pragma once
// The import's messages, in German and Windows-1252 like every catalog
// text. Each names the file it is about as the user gave it.

#include <string>
#include <string_view>

#include "catalog/errors.h"

namespace annex {

// Which annex a file was given as: 2, 4, 5 or 6.
std::string annexName(int annex);  // "Anlage 5"

catalog::Error unknownFileKind(std::string_view file);
catalog::Error damagedPdf(std::string_view file);
catalog::Error damagedWorkbook(std::string_view file, std::string_view reason);
catalog::Error notText(std::string_view file);
catalog::Error noTable(std::string_view file, int annex, std::string_view missingColumns);
catalog::Error looksLikeOtherAnnex(std::string_view file, int given, int found);
catalog::Error rowWithoutCode(std::string_view file, int annex, std::string_view row);
catalog::Error notAnAmount(std::string_view file, std::string_view amount, std::string_view where);
catalog::Error emptyAnnex(std::string_view file, int annex);
catalog::Error badYear(std::string_view year);

}  // namespace annex
