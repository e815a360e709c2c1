// The detail display: the OPS field reset, the two halves, footnotes, OPS
// codes with their texts, the amount and the collection during a rebuild.

#include "catalog/fields.h"
#include "catalog/ze_details.h"
#include "fixture.h"

namespace {

using testing_support::CatalogFiles;
using testing_support::WindowTest;
using Strings = std::vector<std::string>;

class Details : public WindowTest {
 protected:
  // Shows group and ZE of year 2031, kind BE.
  void show(const std::string& group, const std::string& ze) {
    form->ComboBox2->setText(group);
    form->ComboBox3->setText(ze);
    form->Werte_holen(form.get());
  }
};

struct ResetCase {
  const char* name;
  std::string before;
  std::string after;
  int searches;
};
class OpsFieldResetTest : public Details, public ::testing::WithParamInterface<ResetCase> {};

TEST_P(OpsFieldResetTest, EmptiesTheFieldUnlessOnlyPositionOneIsFilled) {
  openWith(testing_support::smallCatalog());
  form->MaskEdit1->model().setText(GetParam().before);
  form->runs.clear();
  form->Werte_holen(form.get());
  EXPECT_EQ(form->MaskEdit1->opsText(), GetParam().after);
  EXPECT_EQ(form->runs["ZE_suchen"], GetParam().searches);
}

INSTANTIATE_TEST_SUITE_P(Cases, OpsFieldResetTest,
                         ::testing::Values(ResetCase{"OnlyFirst", "5-   .  ", "5-   .  ", 0},
                                           ResetCase{"AlreadyEmpty", " -   .  ", " -   .  ", 0},
                                           ResetCase{"TwoDigits", "59  .  ", " -   .  ", 1},
                                           ResetCase{"Complete", "5-999.1b", " -   .  ", 1},
                                           ResetCase{"OnlyLast", " -   . b", " -   .  ", 1},
                                           ResetCase{"FirstAndLast", "5-   . b", " -   .  ", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Details, GroupAndZeHalves) {
  openWith(testing_support::smallCatalog());
  show("ZE01", "ZE01.02");
  EXPECT_EQ(lines(*form->RichEdit2), Strings{"Gruppe Eins"});
  EXPECT_EQ(lines(*form->RichEdit3), (Strings{"1-100.0 - Gruppenprozedur A", "1-100.1"}));
  EXPECT_EQ(lines(*form->RichEdit5), Strings{"Fu\xDFnote eins"});
  EXPECT_EQ(lines(*form->RichEdit1), Strings{"Eins Stufe 2"});
  EXPECT_EQ(lines(*form->RichEdit4), (Strings{"1-102.0 - Prozedur Stufe 2", "1-102.1"}));
  EXPECT_EQ(lines(*form->RichEdit6), (Strings{"Fu\xDFnote eins", "Fu\xDFnote zwei"}));
  EXPECT_EQ(form->Label5->caption(), "12,00");
}

TEST_F(Details, EmptyZeRepeatsTheGroupLineBelow) {
  openWith(testing_support::smallCatalog());
  show("ZE01", "");
  EXPECT_EQ(lines(*form->RichEdit1), Strings{"Gruppe Eins"});
  EXPECT_EQ(lines(*form->RichEdit4), lines(*form->RichEdit3));
  EXPECT_EQ(lines(*form->RichEdit6), Strings{"Fu\xDFnote eins"});
  EXPECT_EQ(form->Label5->caption(), "10,00");
}

TEST_F(Details, GroupInAnotherCaseFillsOnlyTheUpperHalf) {
  openWith(testing_support::smallCatalog());
  show("ze01", "ZE01.01");
  EXPECT_EQ(lines(*form->RichEdit2), Strings{"Gruppe Eins"});
  EXPECT_TRUE(lines(*form->RichEdit1).empty());
  EXPECT_TRUE(lines(*form->RichEdit4).empty());
  EXPECT_EQ(form->Label5->caption(), "") << "no line of this choice gives an amount";
}

// The amount follows the choice: shown only while a line of it gives one,
// never left from the choice before beside an empty one.
TEST_F(Details, PartlyTypedZeShowsNoAmount) {
  openWith(testing_support::smallCatalog());
  show("ZE01", "ZE01.02");
  ASSERT_EQ(form->Label5->caption(), "12,00");
  show("ZE01", "ZE01.0");
  EXPECT_EQ(lines(*form->RichEdit2), Strings{"Gruppe Eins"});
  EXPECT_TRUE(lines(*form->RichEdit1).empty());
  EXPECT_TRUE(lines(*form->RichEdit6).empty());
  EXPECT_EQ(form->Label5->caption(), "");
}

TEST_F(Details, UnknownGroupLeavesEverythingEmpty) {
  openWith(testing_support::smallCatalog());
  show("ZE01", "ZE01.01");
  show("ZE99", "");
  for (auto* box : {form->RichEdit1, form->RichEdit2, form->RichEdit3, form->RichEdit4, form->RichEdit5, form->RichEdit6})
    EXPECT_TRUE(lines(*box).empty());
  EXPECT_EQ(form->Label5->caption(), "");
}

TEST_F(Details, AYearWithoutLinesShowsNoAmount) {
  openWith(testing_support::smallCatalog());
  show("ZE01", "ZE01.01");
  ASSERT_EQ(form->Label5->caption(), "11,00");
  form->ComboBox1->setText("2013");
  form->ZE_Gruppe_holen(form.get());
  EXPECT_EQ(form->ComboBox2->text(), "");
  EXPECT_EQ(form->ComboBox3->text(), "");
  EXPECT_EQ(form->Label5->caption(), "");
}

TEST_F(Details, TwoLinesOfOneZeShowBothDescriptionsAndTheLastValues) {
  openWith({{"2031;BE;G;;Gruppe;5,00;;;", "2031;BE;G;Z;Erste;1,00;A;1;", "2031;BE;G;z;Klein;7,00;C;;",
             "2031;BE;G;Z;Zweite;2,00;B;2;"},
            {"2031;BE;1;eins", "2031;BE;2;zwei"},
            {},
            {}});
  show("G", "Z");
  EXPECT_EQ(lines(*form->RichEdit1), (Strings{"Erste", "Zweite"}));
  EXPECT_EQ(lines(*form->RichEdit4), Strings{"B"});
  EXPECT_EQ(lines(*form->RichEdit6), Strings{"zwei"});
  EXPECT_EQ(form->Label5->caption(), "2,00");
}

struct FootnoteCase {
  const char* name;
  std::string marks;
  Strings texts;
};
class FootnoteResolutionTest : public Details, public ::testing::WithParamInterface<FootnoteCase> {};

TEST_P(FootnoteResolutionTest, ResolvesEachMarkAsItStands) {
  openWith({{"2031;BE;G;;Gruppe;;;" + GetParam().marks + ";"},
            {"2031;BE;1;eins", "2031;BE;2;zwei", "2031;BE;3;", "2031;BE; ;blank", "2031;BE;;leer", "2031;KH;4;KH",
             "2030;BE;5;alt", "2031;be;6;klein"},
            {},
            {}});
  show("G", "");
  EXPECT_EQ(lines(*form->RichEdit5), GetParam().texts);
  EXPECT_EQ(lines(*form->RichEdit6), GetParam().texts);
}

// "2031;BE;;leer" has the nine-character key "2031;BE;;", which no
// one-character mark builds.
INSTANTIATE_TEST_SUITE_P(
    Cases, FootnoteResolutionTest,
    ::testing::Values(FootnoteCase{"Two", "1,2", {"eins", "zwei"}}, FootnoteCase{"BlankAfterComma", "1, 2", {"eins"}},
                      FootnoteCase{"TrailingComma", "2,", {"zwei"}}, FootnoteCase{"CommaBlank", "2, ", {"zwei"}},
                      FootnoteCase{"OneBlank", " ", {}}, FootnoteCase{"Twice", "1,1", {"eins", "eins"}},
                      FootnoteCase{"EmptyText", "3,1", {"eins"}}, FootnoteCase{"TwoCharacters", "12", {}},
                      FootnoteCase{"OnlySecondFound", "9,2", {"zwei"}}, FootnoteCase{"OtherKind", "4", {}},
                      FootnoteCase{"OtherYear", "5", {}}, FootnoteCase{"KeyCaseIgnored", "6", {"klein"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Details, OpsCodesAreSplitAndDecoratedOnce) {
  const std::string longText(300, 'x');
  openWith({{"2031;BE;G;;Gruppe;;/A//a/B/ /A;;", "2031;BE;G;Z;ZE;;A;;"},
            {},
            {"2031;A;Text A " + longText, "2031;B;Text; B", "2030;C;alt", "2031;A;zweiter Eintrag"},
            {}});
  show("G", "Z");
  EXPECT_EQ(lines(*form->RichEdit3), (Strings{"", "A - Text A " + longText, "", "a - Text A " + longText,
                                              "B - Text; B", " ", "A - Text A " + longText}));
  EXPECT_EQ(lines(*form->RichEdit4), Strings{"A - Text A " + longText});
}

TEST_F(Details, EmptyLineIsDecoratedWhenTheYearHasAnEmptyCode) {
  openWith({{"2031;BE;G;;Gruppe;;/A;;"}, {}, {"2031;;leerer Kode", "2031;A;Text A"}, {}});
  show("G", "");
  EXPECT_EQ(lines(*form->RichEdit3), (Strings{" - leerer Kode", "A - Text A"}));
}

TEST_F(Details, CodesShownBareBesideTheRebuildsLinesAndDecoratedInTheBoxes) {
  openWith({{"2031;BE;G;;Gruppe;;A/b;;", "2031;BE;G;Z1;eins;;B/C//;;", "2031;BE;G;Z2;zwei;;A;;"},
            {},
            {"2031;A;Text A"},
            {"alt;2031;BE;G;Z"}});
  show("G", "Z1");
  EXPECT_EQ(form->assignmentsAsRebuilt(form.get()),
            (Strings{"A;2031;BE;G;Z1", "b;2031;BE;G;Z1", "C;2031;BE;G;Z1", ";2031;BE;G;Z1", "A;2031;BE;G;Z2",
                     "b;2031;BE;G;Z2"}))
      << "B is written as b, already present in another letter case; the empty element stays";
  EXPECT_EQ(form->Data.assignmentTable().AssignmentKeys.entries(), Strings{"alt;2031;BE"}) << "the table stays";
  EXPECT_EQ(lines(*form->RichEdit3), (Strings{"A - Text A", "b"}));
  EXPECT_EQ(lines(*form->RichEdit4), (Strings{"B", "C", ""}));
}

// The search window's pane and the main window read a ZE's details by the
// same rules: every ZE of a catalog whose group lines stand anywhere, in
// other letter case or not at all, with footnotes and OPS texts missing or
// empty.
TEST_F(Details, SearchPaneAndWindowShowTheSameForEveryZe) {
  const std::vector<std::string> catalogLines = {
      "2031;BE;ZE01;ZE01.01;Erste Zeile vor der Gruppe;1,00;1-1;1;", "2031;BE;ZE01;;Gruppe;;1-9;2;",
      "2031;BE;ze01;ZE01.02;Zweite;2,00;1-2/1-3;1,3;",            "2031;BE;ZE01;ZE01.02;Zweite b;2,50;1-4;;",
      "2031;KH;ZE40;;KH Gruppe;;;x;",                             "2031;KH;ZE40;ZE40.01;KH eins;;5-1/;;",
      "2031;KH;ZE41;ZE41.01;Ohne Gruppenzeile;;5-2;x;"};
  openWith({catalogLines,
            {"2031;BE;1;Eins", "2031;BE;2;", "2031;KH;x;Ix"},
            {"2031;1-1;Text 1", "2031;1-2;", "2031;5-1;F\xFCnf", "2031;;leer"},
            {}});
  for (const std::string& line : catalogLines) {
    const auto fields = catalog::catalogFieldsOf(line);
    const auto key = catalog::groupKeyFields(fields.groupKey);
    if (fields.zeCode.empty()) continue;  // a group's line, no ZE
    SCOPED_TRACE(line);
    form->RadioGroup1->setItemIndex(catalog::itemOf(catalog::kindOfCode(key.kind)));
    form->ComboBox2->setText(std::string(key.group));
    form->ZEs_holen(form.get());
    form->ComboBox3->setText(std::string(fields.zeCode));
    form->Werte_holen(form.get());
    const catalog::ZeDetails details = catalog::zeDetails(form->Data, "2031", key.kind, key.group, fields.zeCode);
    const Strings groupDescription = lines(*form->RichEdit2);
    EXPECT_EQ(groupDescription.empty() ? std::string() : groupDescription.front(), details.groupDescription);
    EXPECT_EQ(lines(*form->RichEdit5), details.groupFootnotes);
    EXPECT_EQ(lines(*form->RichEdit3), details.groupCodes);
    EXPECT_EQ(lines(*form->RichEdit6), details.zeFootnotes);
    EXPECT_EQ(lines(*form->RichEdit4), details.zeCodes);
  }
}

}  // namespace
