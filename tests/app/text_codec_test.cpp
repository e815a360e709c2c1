#include "app/text_codec.h"

#include <gtest/gtest.h>

#include "temporary_folder.h"

#include "app/error_display.h"
#include "catalog/cp1252.h"

namespace {

TEST(TextCodec, EveryByteRoundTripsThroughQString) {
  std::string all;
  for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
  all += '\0';
  EXPECT_EQ(app::toCp1252(app::toQString(all)), all);
  EXPECT_EQ(app::toQString("\x80\xC4\xDF"), QString::fromUtf8("\u20AC\u00C4\u00DF"));
}

TEST(TextCodec, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  EXPECT_EQ(app::toCp1252(QString::fromUtf8("a\u4E2Db\U0001F600c")), "a?b?c");
  EXPECT_EQ(app::toCp1252Char(QChar(0x4E2D)), std::nullopt);
  EXPECT_EQ(app::toCp1252Char(QChar(0x20AC)), 0x80);
}

// The OPS field takes at position 5 what Qt calls a letter.
TEST(TextCodec, CodePageLettersAreQtLetters) {
  for (int byte = 0; byte < 256; ++byte) {
    const auto c = static_cast<unsigned char>(byte);
    const QChar unicode(static_cast<char16_t>(catalog::cp1252::toUnicode(c)));
    EXPECT_EQ(catalog::cp1252::isLetter(c), unicode.isLetter()) << byte;
  }
}

struct MessageCase {
  std::string error;
  const char* shownUtf8;
};
class ErrorMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(ErrorMessageTest, AddsAFullStopAfterCharactersSortingAfterIt) {
  EXPECT_EQ(app::errorMessageText(GetParam().error), QString::fromUtf8(GetParam().shownUtf8));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ErrorMessageTest,
    ::testing::Values(MessageCase{"Datei x kann nicht erstellt werden", "Datei x kann nicht erstellt werden."},
                      MessageCase{"Maximum (3)", "Maximum (3)"}, MessageCase{"Ende.", "Ende."},
                      MessageCase{"Strich-", "Strich-"}, MessageCase{"Pfad/", "Pfad/."}, MessageCase{"7", "7."},
                      MessageCase{"gr\xF6\xDF", "gr\u00F6\u00DF."}, MessageCase{"", ""}),
    [](const auto& info) { return testing_support::caseName(info.index, info.param.error); });

}  // namespace
