// What an annex prints around its table, as every reader recognises it.

#include <gtest/gtest.h>

#include "annex/header_words.h"

namespace {

using annex::Column;

TEST(HeaderWords, NameTheirColumnWhateverStandsBesideThem) {
  const std::vector<std::pair<std::string, std::optional<Column>>> cases = {
      {"ZE", Column::Ze},           {"ZE 1)", Column::Ze},       {" ZE\n", Column::Ze},
      {"ZED", Column::Zed},         {"ZE D", Column::Zed},       {"Bezeichnung", Column::Description},
      {"OPS-Kode", Column::Code},   {"OPS-Text", Column::Text},  {"Betrag", Column::Amount},
      {"ZE01.01", std::nullopt},    {"Betr\xE4ge", std::nullopt}, {"OPS-Kodes.", std::nullopt},
      {"1)", std::nullopt},         {"", std::nullopt},
  };
  for (const auto& [text, column] : cases) EXPECT_EQ(annex::columnNamed(text), column) << text;
}

TEST(HeaderWords, TellFootersNumbersAndThePrintedYear) {
  EXPECT_TRUE(annex::isPageFooter("Seite 3"));
  EXPECT_TRUE(annex::isPageFooter("  Seite 12 von 26 "));
  EXPECT_FALSE(annex::isPageFooter("Seite"));
  EXPECT_FALSE(annex::isPageFooter("Seite 3 der Anlage"));
  EXPECT_TRUE(annex::isColumnNumber("6"));
  EXPECT_FALSE(annex::isColumnNumber("6)"));
  EXPECT_TRUE(annex::startsFootnotes("Fu\xDFnoten:"));
  EXPECT_EQ(annex::printedYearIn("OPS Version 2012"), "2012");
  EXPECT_EQ(annex::printedYearIn("1) OPS  Version 2013 "), "2013");
  EXPECT_EQ(annex::printedYearIn("OPS Version 12"), std::nullopt);
}

}  // namespace
