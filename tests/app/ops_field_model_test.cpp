#include "app/controls/ops_field_model.h"

#include <gtest/gtest.h>

#include <functional>

#include "catalog/ops_code.h"

namespace {

using app::OpsFieldModel;

OpsFieldModel::Char ch(char c) { return static_cast<unsigned char>(c); }

void typeAll(OpsFieldModel& field, const std::string& text) {
  for (char c : text) field.type(ch(c));
}

// The caret moved by the arrow keys (a click behind the code would go to
// where typing goes on).
void caretTo(OpsFieldModel& field, int position) {
  field.home(false);
  while (field.caret() < position) field.right(false);
}

std::vector<OpsFieldModel::Char> chars(const std::string& text) {
  std::vector<OpsFieldModel::Char> result;
  for (char c : text) result.push_back(ch(c));
  return result;
}

struct FieldCase {
  const char* name;
  std::string start;  // text set by code first
  std::function<void(OpsFieldModel&)> action;
  std::string shown;
  int caret;
  int notifications;
};

class OpsFieldRulesTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(OpsFieldRulesTest, ActionGivesContentCaretAndNotifications) {
  OpsFieldModel field;
  field.setText(GetParam().start);
  int notifications = 0;
  field.onChange([&] { ++notifications; });
  GetParam().action(field);
  EXPECT_EQ(field.shownForm(), GetParam().shown);
  EXPECT_EQ(field.caret(), GetParam().caret);
  EXPECT_EQ(notifications, GetParam().notifications);
}

const std::string kEmpty = " -   .  ";

INSTANTIATE_TEST_SUITE_P(
    Typing, OpsFieldRulesTest,
    ::testing::Values(
        FieldCase{"WholeCode", kEmpty, [](auto& f) { typeAll(f, "59991b"); }, "5-999.1b", 8, 6},
        // A code typed as printed: each separator confirms the skip over it.
        FieldCase{"CodeTypedAsPrinted", kEmpty, [](auto& f) { typeAll(f, "8-918.01"); }, "8-918.01", 8, 6},
        FieldCase{"ConfirmedHyphenThenDigit", kEmpty, [](auto& f) { typeAll(f, "5-9"); }, "5-9__.__", 3, 2},
        FieldCase{"ConfirmsOnlyOnce", kEmpty, [](auto& f) { typeAll(f, "5--"); }, "5-___.__", 2, 1},
        // "5" then "." still jumps to 7, where a "-" is then entered.
        FieldCase{"DotAfterTheHyphenSkipJumps", kEmpty, [](auto& f) { typeAll(f, "5.-"); }, "5-___.-_", 7, 2},
        // Any other action between the skip and the separator ends the state.
        FieldCase{"ArrowEndsTheConfirmation", kEmpty,
                  [](auto& f) {
                    typeAll(f, "5999");
                    f.left(false);
                    f.right(false);
                    typeAll(f, ".");
                  },
                  "5-999.._", 7, 5},
        FieldCase{"ClickEndsTheConfirmation", kEmpty,
                  [](auto& f) {
                    typeAll(f, "5999");
                    f.clickAt(6);
                    typeAll(f, ".");
                  },
                  "5-999.._", 7, 5},
        FieldCase{"TextSetByCodeEndsTheConfirmation", kEmpty,
                  [](auto& f) {
                    typeAll(f, "5");
                    f.setText("5-   .  ");
                    typeAll(f, "-");
                  },
                  "5-___.__", 2, 1},
        FieldCase{"FocusEndsTheConfirmation", kEmpty,
                  [](auto& f) {
                    typeAll(f, "5");
                    f.focusByMouse();
                    EXPECT_FALSE(f.type(ch('-')));
                  },
                  "5-___.__", 2, 1},
        FieldCase{"DotJumpsToPosition7", kEmpty, [](auto& f) { typeAll(f, "5."); }, "5-___.__", 6, 1},
        FieldCase{"HyphenJumpsToPosition3", kEmpty, [](auto& f) { typeAll(f, "-"); }, "_-___.__", 2, 0},
        FieldCase{"LetterAtPosition1Rejected", kEmpty, [](auto& f) { EXPECT_FALSE(f.type(ch('a'))); }, "_-___.__", 0, 0},
        FieldCase{"BlankAtPosition1Rejected", kEmpty, [](auto& f) { EXPECT_FALSE(f.type(ch(' '))); }, "_-___.__", 0, 0},
        FieldCase{"LetterAtPosition4Rejected", "5-   .  ", [](auto& f) { caretTo(f, 3); EXPECT_FALSE(f.type(ch('x'))); },
                  "5-___.__", 3, 0},
        FieldCase{"BlankAtPosition5Rejected", kEmpty, [](auto& f) { caretTo(f, 4); EXPECT_FALSE(f.type(ch(' '))); },
                  "_-___.__", 4, 0},
        FieldCase{"UmlautAtPosition5", kEmpty, [](auto& f) { caretTo(f, 4); f.type(0xE4); }, "_-__\xE4.__", 6, 1},
        FieldCase{"SharpSAtPosition5", kEmpty, [](auto& f) { caretTo(f, 4); f.type(0xDF); }, "_-__\xDF.__", 6, 1},
        FieldCase{"TimesSignAtPosition5Rejected", kEmpty, [](auto& f) { caretTo(f, 4); EXPECT_FALSE(f.type(0xD7)); },
                  "_-___.__", 4, 0},
        FieldCase{"SuperscriptDigitRejected", kEmpty, [](auto& f) { EXPECT_FALSE(f.type(0xB2)); }, "_-___.__", 0, 0},
        FieldCase{"UnmappableRejectedAtPosition7", kEmpty,
                  [](auto& f) { caretTo(f, 6); EXPECT_FALSE(f.type(std::nullopt)); }, "_-___.__", 6, 0},
        FieldCase{"AnyCharacterAtPosition7", kEmpty, [](auto& f) { caretTo(f, 6); typeAll(f, ".-"); }, "_-___..-", 8, 2},
        FieldCase{"UnderscoreOnEmptyPosition8", kEmpty, [](auto& f) { caretTo(f, 7); f.type(ch('_')); }, "_-___.__", 8, 0},
        FieldCase{"BlankOnEmptyPosition8", kEmpty, [](auto& f) { caretTo(f, 7); f.type(ch(' ')); }, "_-___._ ", 8, 1},
        FieldCase{"SameCharacterRetyped", "5-999.1b", [](auto& f) { f.type(ch('5')); }, "5-999.1b", 2, 0},
        FieldCase{"OnSeparatorDropped", "5-999.1b", [](auto& f) { f.clickAt(5); f.type(ch('7')); }, "5-999.1b", 6, 0},
        FieldCase{"BehindTheEndNothing", "5-999.1b", [](auto& f) { f.end(false); f.type(ch('7')); }, "5-999.1b", 8, 0},
        FieldCase{"OverSelectionTwoEdits", "5-999.1b", [](auto& f) { f.selectAll(); f.type(ch('7')); }, "7-___.__", 2, 2},
        FieldCase{"OverSelectionOfEmptyField", kEmpty, [](auto& f) { f.selectAll(); f.type(ch('7')); }, "7-___.__", 2, 1},
        FieldCase{"OverPartialSelection", "5-999.1b",
                  [](auto& f) { f.clickAt(3); f.right(true); f.right(true); f.type(ch('7')); }, "5-97_.1b", 4, 2}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Editing, OpsFieldRulesTest,
    ::testing::Values(
        FieldCase{"BackspaceSkipsSeparator", "5-999.1b", [](auto& f) { f.clickAt(2); f.backspace(); }, "_-999.1b", 0, 1},
        FieldCase{"BackspaceAtPosition1", "5-999.1b", [](auto& f) { f.backspace(); }, "5-999.1b", 0, 0},
        FieldCase{"BackspaceBehindEnd", "5-999.1b", [](auto& f) { f.end(false); f.backspace(); }, "5-999.1_", 7, 1},
        FieldCase{"BackspaceOnEmptyPosition", kEmpty, [](auto& f) { caretTo(f, 3); f.backspace(); }, "_-___.__", 2, 0},
        FieldCase{"DeleteKeepsCaret", "5-999.1b", [](auto& f) { f.clickAt(3); f.deleteKey(); }, "5-9_9.1b", 3, 1},
        FieldCase{"DeleteOnEmptyPosition", kEmpty, [](auto& f) { f.deleteKey(); }, "_-___.__", 0, 0},
        FieldCase{"DeleteSelection", "5-999.1b", [](auto& f) { f.clickAt(1); f.right(true); f.right(true); f.deleteKey(); },
                  "5-__9.1b", 2, 1},
        FieldCase{"ArrowsSkipSeparators", "5-999.1b", [](auto& f) { f.right(false); }, "5-999.1b", 2, 0},
        FieldCase{"LeftSkipsSeparator", "5-999.1b", [](auto& f) { f.clickAt(6); f.left(false); }, "5-999.1b", 4, 0},
        FieldCase{"EscapeRestores", "5-999.1b", [](auto& f) { f.deleteKey(); f.backspace(); f.escape(); }, "5-999.1b", 0, 2},
        FieldCase{"EscapeWithoutEditNothing", "5-999.1b", [](auto& f) { f.clickAt(3); f.escape(); }, "5-999.1b", 3, 0},
        FieldCase{"EscapeToFocusContent", kEmpty,
                  [](auto& f) { typeAll(f, "5"); f.focusByKeyboard(); typeAll(f, "6"); f.escape(); }, "5-___.__", 0, 4},
        FieldCase{"CodeSetsSameTextSilently", kEmpty, [](auto& f) { f.clickAt(4); f.setText(" -   .  "); }, "_-___.__", 0, 0},
        FieldCase{"CodeSetsNewText", "5-999.1b", [](auto& f) { f.setText(" -   .  "); }, "_-___.__", 0, 1},
        FieldCase{"CutEmptiesSelection", "5-999.1b", [](auto& f) { f.selectAll(); EXPECT_EQ(f.cut(), "5-999.1b"); },
                  "_-___.__", 0, 1}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Pasting, OpsFieldRulesTest,
    ::testing::Values(
        FieldCase{"WithSeparators", kEmpty, [](auto& f) { f.paste(chars("5-999.1b")); }, "5-999.1b", 8, 1},
        FieldCase{"WithoutSeparators", kEmpty, [](auto& f) { f.paste(chars("59991b")); }, "5-999.1b", 8, 1},
        FieldCase{"TooLong", kEmpty, [](auto& f) { f.paste(chars("5-999.1bxyz")); }, "5-999.1b", 8, 1},
        FieldCase{"PartEndsOnSeparator", kEmpty, [](auto& f) { f.paste(chars("5")); }, "5-___.__", 1, 1},
        FieldCase{"RejectedLeavesEmpty", "5-999.1b", [](auto& f) { f.paste(chars("a9")); }, "_-999.1b", 3, 1},
        FieldCase{"UnmappableLeavesEmpty", "5-999.1b",
                  [](auto& f) { f.clickAt(6); f.paste({std::nullopt, ch('c')}); }, "5-999._c", 8, 1},
        FieldCase{"KeepsLaterPositions", "5-999.1b", [](auto& f) { f.clickAt(2); f.paste(chars("12")); }, "5-129.1b", 4, 1},
        FieldCase{"SameContentSilent", "5-999.1b", [](auto& f) { f.paste(chars("5-999")); }, "5-999.1b", 5, 0},
        FieldCase{"OverSelection", "5-999.1b", [](auto& f) { f.selectAll(); f.paste(chars("8")); }, "8-___.__", 1, 2}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Clicking, OpsFieldRulesTest,
    ::testing::Values(
        FieldCase{"IntoTheEmptyFieldGoesToPosition1", kEmpty, [](auto& f) { f.clickAt(4); }, "_-___.__", 0, 0},
        FieldCase{"BehindTheCodeGoesWhereTypingGoesOn", "8-85 .  ", [](auto& f) { f.clickAt(7); }, "8-85_.__", 4, 0},
        FieldCase{"OnTheSeparatorAfterTheCode", "8-   .  ", [](auto& f) { f.clickAt(1); }, "8-___.__", 2, 0},
        FieldCase{"TypedBlankCountsAsEmpty", kEmpty,
                  [](auto& f) {
                    caretTo(f, 7);
                    f.type(ch(' '));
                    f.clickAt(7);
                  },
                  "_-___._ ", 0, 1},
        FieldCase{"BetweenFilledPositionsStays", "8-8 4.  ", [](auto& f) { f.clickAt(3); }, "8-8_4.__", 3, 0},
        FieldCase{"ThenTypingFillsTheCode", kEmpty, [](auto& f) { f.clickAt(6); typeAll(f, "8-854.2"); }, "8-854.2_", 7, 5}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    PastingCopiedText, OpsFieldRulesTest,
    ::testing::Values(
        FieldCase{"BlankBefore", kEmpty, [](auto& f) { f.paste(chars(" 8-810.w2")); }, "8-810.w2", 8, 1},
        FieldCase{"BlanksAndLineEndAround", kEmpty, [](auto& f) { f.paste(chars("\t 8-854.2 \r\n")); }, "8-854.2_", 7, 1},
        FieldCase{"NonBreakingSpaceBefore", kEmpty, [](auto& f) { f.paste({0xA0, ch('8'), ch('8'), ch('5'), ch('4')}); },
                  "8-854.__", 5, 1},
        FieldCase{"FirstCellOfARow", kEmpty, [](auto& f) { f.paste(chars("8-854.2\t5-820.00")); }, "8-854.2_", 7, 1},
        FieldCase{"FirstLineOfSeveral", kEmpty, [](auto& f) { f.paste(chars("\r\n 8-854.2\n5-820")); }, "8-854.2_", 7, 1},
        FieldCase{"OnlyBlanks", "5-999.1b", [](auto& f) { f.paste(chars(" \t\r\n")); }, "5-999.1b", 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The field after a hit, with a made-up catalog in place of the window: a
// code is found when a line equals or covers it; the change handler empties
// the field on a hit and tells the field, as the window does.
class ContinuationTest : public ::testing::Test {
 protected:
  ContinuationTest() {
    field.onChange([this] {
      ++notifications;
      const std::string code = catalog::ops_code::searchCode(field.text());
      if (const int line = find(code); line != -1) {
        log.push_back("hit " + std::to_string(line));
        field.setText(OpsFieldModel::kEmptyText);
        field.rememberHit(code, line);
      }
    });
    field.onContinuation(
        [this](const std::string& code) -> OpsFieldModel::ProbeResult {
          if (const int line = find(code); line != -1) return {OpsFieldModel::Probe::Found, line};
          for (const std::string& line : lines)
            if (catalog::ops_code::couldCoverLonger(line, code)) return {OpsFieldModel::Probe::Open, -1};
          return {OpsFieldModel::Probe::Nothing, -1};
        },
        [this](const std::string& code) { log.push_back("show " + code); });
  }

  int find(const std::string& code) const {
    for (std::size_t i = 0; i < lines.size(); ++i)
      if (catalog::ops_code::covers(lines[i], code)) return static_cast<int>(i);
    return -1;
  }

  const std::vector<std::string> lines = {"8-825.*", "8-854", "8-854.21", "1-100.0", "1-100.1"};
  OpsFieldModel field;
  int notifications = 0;
  std::vector<std::string> log;
};

struct ContinuationCase {
  const char* name;
  std::function<void(OpsFieldModel&)> action;
  std::string shown;
  int notifications;
  std::vector<std::string> log;
};

class ContinuationCases : public ContinuationTest, public ::testing::WithParamInterface<ContinuationCase> {};

TEST_P(ContinuationCases, FullCodeEndsWhereItsSearchEnds) {
  GetParam().action(field);
  EXPECT_EQ(field.shownForm(), GetParam().shown);
  EXPECT_EQ(notifications, GetParam().notifications);
  EXPECT_EQ(log, GetParam().log);
}

INSTANTIATE_TEST_SUITE_P(
    Typing, ContinuationCases,
    ::testing::Values(
        // Found at seven characters; the eighth is taken silently.
        ContinuationCase{"SameLineTakesTheCharacter", [](auto& f) { typeAll(f, "8-825.10"); }, "_-___.__", 6, {"hit 0"}},
        // A code of its own at five characters, a longer line after it; the
        // separator is skipped as in the field.
        ContinuationCase{"LongerCodeShowsItsLine", [](auto& f) { typeAll(f, "885421"); }, "_-___.__", 5,
                         {"hit 1", "show 8-854.21"}},
        ContinuationCase{"LongerCodeTypedWithSeparator", [](auto& f) { typeAll(f, "8-854.21"); }, "_-___.__", 5,
                         {"hit 1", "show 8-854.21"}},
        // Nothing can follow: the character starts the next code.
        ContinuationCase{"NextCodeStartsAfresh", [](auto& f) { typeAll(f, "1-100.01-100.1"); }, "_-___.__", 12,
                         {"hit 3", "hit 4"}},
        ContinuationCase{"ClickEndsIt", [](auto& f) { typeAll(f, "1-100.0"); f.clickAt(3); typeAll(f, "1"); },
                         "1-___.__", 7, {"hit 3"}},
        ContinuationCase{"BackspaceEndsIt", [](auto& f) { typeAll(f, "8-825.1"); f.backspace(); typeAll(f, "0"); },
                         "0-___.__", 7, {"hit 0"}},
        ContinuationCase{"TextSetByCodeEndsIt",
                         [](auto& f) { typeAll(f, "8-825.1"); f.setText(" -   .  "); typeAll(f, "0"); }, "0-___.__", 7,
                         {"hit 0"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ContinuationTest, HitOfATextSetByCodeStartsNothing) {
  field.setText("8-825.1 ");
  EXPECT_EQ(log, (std::vector<std::string>{"hit 0"}));
  EXPECT_FALSE(field.continuing());
  typeAll(field, "0");
  EXPECT_EQ(field.shownForm(), "0-___.__");
}

TEST(OpsFieldModel, TextFormHasBlanksForEmptyPositions) {
  OpsFieldModel field;
  EXPECT_EQ(field.text(), " -   .  ");
  EXPECT_EQ(field.shownForm(), "_-___.__");
  caretTo(field, 6);
  typeAll(field, "_x");
  EXPECT_EQ(field.text(), " -   . x");
}

TEST(OpsFieldModel, SearchThatEmptiesTheFieldLeavesTheCaretOnPosition1) {
  OpsFieldModel field;
  field.onChange([&] {
    if (field.text() == "5-99 .  ") field.setText(" -   .  ");
  });
  typeAll(field, "599");
  EXPECT_EQ(field.shownForm(), "_-___.__");
  EXPECT_EQ(field.caret(), 0);
  EXPECT_FALSE(field.edited());
}

TEST(OpsFieldModel, FocusByKeyboardSelectsEverything) {
  OpsFieldModel field;
  field.setText("5-999.1b");
  field.focusByKeyboard();
  EXPECT_EQ(field.selectionStart(), 0);
  EXPECT_EQ(field.selectionEnd(), 8);
  EXPECT_EQ(field.copy(), "5-999.1b");
}

}  // namespace
