// Codes under wildcard lines of all four shapes, in both kinds, typed into
// the OPS field as coders do: as printed, after a click into the field, and
// pasted with blanks around. Each ends with the ZE of the line that the
// field's search finds for the full code, which is also the lookup's first
// row.

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include "app/search_results_model.h"
#include "app/search_window.h"
#include "catalog/ops_code.h"
#include "catalog/ops_lookup.h"
#include "fixture.h"

namespace {

using testing_support::CatalogFiles;
using testing_support::WindowTest;

CatalogFiles wildcardCatalog() {
  return {
      {"2031;BE;ZE01;;Gruppe 1;;;;", "2031;BE;ZE01;ZE01.01;Eins;1,00;8-825.*;;",
       "2031;BE;ZE01;ZE01.02;Zwei;2,00;5-517.**;;", "2031;BE;ZE02;;Gruppe 2;;;;",
       "2031;BE;ZE02;ZE02.01;Drei;3,00;8-826.*0;;", "2031;BE;ZE02;ZE02.02;Vier;4,00;5-597.0*;;",
       "2031;BE;ZE03;;Gruppe 3;;;;", "2031;BE;ZE03;ZE03.01;F\xFCnf;5,00;8-854;;", "2031;KH;ZE40;;Gruppe 40;;;;",
       "2031;KH;ZE40;ZE40.01;KH Eins;;1-234.*;;", "2031;KH;ZE40;ZE40.02;KH Zwei;;1-235.**;;",
       "2031;KH;ZE41;;Gruppe 41;;;;", "2031;KH;ZE41;ZE41.01;KH Drei;;1-236.*5;;",
       "2031;KH;ZE41;ZE41.02;KH Vier;;1-237.1*;;", "2031;KH;ZE41;ZE41.03;KH F\xFCnf;;8-825.10/8-854.21;;"},
      {},
      {},
      {"8-825.*;2031;BE;ZE01;ZE01.01", "5-517.**;2031;BE;ZE01;ZE01.02", "8-826.*0;2031;BE;ZE02;ZE02.01",
       "5-597.0*;2031;BE;ZE02;ZE02.02", "8-854;2031;BE;ZE03;ZE03.01", "1-234.*;2031;KH;ZE40;ZE40.01",
       "1-235.**;2031;KH;ZE40;ZE40.02", "1-236.*5;2031;KH;ZE41;ZE41.01", "1-237.1*;2031;KH;ZE41;ZE41.02",
       "8-825.10;2031;KH;ZE41;ZE41.03", "8-854.21;2031;KH;ZE41;ZE41.03"},
  };
}

// Every code the fixture's lines cover, written as printed.
const std::vector<std::string> kCoveredCodes = {
    "8-825.1",  "8-825.11", "8-825.10", "5-517.10", "5-517.2a", "8-826.10", "5-597.00", "5-597.01",
    "8-854",    "8-854.21", "1-234.5",  "1-234.56", "1-235.ab", "1-236.x5", "1-237.12", "1-237.1z"};

enum class Way { AsPrinted, AfterAClick, PastedWithBlanks, WithoutSeparators };

class WildcardTyping : public WindowTest, public ::testing::WithParamInterface<Way> {
 protected:
  void SetUp() override {
    openWith(wildcardCatalog());
    showWindow();
  }

  // Kind, group and ZE, as the window shows them.
  std::string shown() const {
    return std::string(form->RadioGroup1->kindCode()) + ";" + form->ComboBox2->text() + ";" + form->ComboBox3->text();
  }

  // What the field's search finds for the whole code.
  std::string expectedFor(const std::string& code) const {
    const auto hit = form->Data.fieldSearch(catalog::ops_code::searchCode(catalog::ops_code::fieldText(code)), "2031");
    if (!hit) return "nothing";
    const std::string kind = hit->kind == catalog::Kind::Federal ? "BE" : "KH";
    return kind + ";" + std::string(form->Data.assignmentTable().AssignmentTargets.get(hit->line));
  }

  void enter(const std::string& code, Way way) {
    app::OpsField* field = form->MaskEdit1;
    // Escape ends whatever the field went on from; the display starts elsewhere.
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Escape);
    form->RadioGroup1->setItemIndex(code[0] == '1' ? 0 : 1);
    switch (way) {
      case Way::AsPrinted:
        QTest::keyClicks(field, QString::fromStdString(code));
        break;
      case Way::AfterAClick:
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() * 2 / 3, field->height() / 2));
        QTest::keyClicks(field, QString::fromStdString(code));
        break;
      case Way::PastedWithBlanks:
        QApplication::clipboard()->setText(QString::fromStdString(" " + code + " \r\n"));
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        break;
      case Way::WithoutSeparators: {
        std::string bare;
        for (char c : code)
          if (c != '-' && c != '.') bare += c;
        QTest::keyClicks(field, QString::fromStdString(bare));
        break;
      }
    }
  }
};

TEST_P(WildcardTyping, EveryCoveredCodeEndsOnTheLineOfItsFullSearch) {
  const catalog::OpsLookup lookup(form->Data);
  for (const std::string& code : kCoveredCodes) {
    const std::string expected = expectedFor(code);
    ASSERT_NE(expected, "nothing") << code << " is covered by a line of the fixture";
    const auto rows = lookup.lookup(std::vector<std::string>{code}, "2031");
    EXPECT_EQ(rows.front().kind + ";" + rows.front().group + ";" + rows.front().ze, expected) << code;
    enter(code, GetParam());
    EXPECT_EQ(shown(), expected) << code;
    EXPECT_EQ(form->MaskEdit1->opsText(), catalog::ops_code::kEmptyFieldText) << code;
  }
}

INSTANTIATE_TEST_SUITE_P(Ways, WildcardTyping,
                         ::testing::Values(Way::AsPrinted, Way::AfterAClick, Way::PastedWithBlanks,
                                           Way::WithoutSeparators),
    [](const auto& info) { return testing_support::caseName(info.index, std::array<const char*, 4>{"AsPrinted", "AfterAClick", "PastedWithBlanks", "WithoutSeparators"}[static_cast<std::size_t>(info.param)]); });

using FieldAfterAHit = WildcardTyping;

TEST_F(FieldAfterAHit, ModifierKeyKeepsTheCodeGoingAndTwoCodesInARowStillWork) {
  app::OpsField* field = form->MaskEdit1;
  field->setFocus();
  QTest::keyClicks(field, QStringLiteral("8-825.1"));
  EXPECT_EQ(shown(), "BE;ZE01;ZE01.01");
  QTest::keyClick(field, Qt::Key_Shift);
  QTest::keyClicks(field, QStringLiteral("0"));
  EXPECT_EQ(shown(), "KH;ZE41;ZE41.03") << "8-825.10 has a line of its own";
  // A code that nothing lengthens: the next code starts afresh.
  QTest::keyClicks(field, QStringLiteral("5-597.01"));
  EXPECT_EQ(shown(), "BE;ZE02;ZE02.02");
  QTest::keyClicks(field, QStringLiteral("1-237.12"));
  EXPECT_EQ(shown(), "KH;ZE41;ZE41.02");
  EXPECT_EQ(field->opsText(), catalog::ops_code::kEmptyFieldText);
}

TEST_F(FieldAfterAHit, SearchWindowFirstRowIsWhatTheFieldSelects) {
  QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
  auto* search = form->findChild<app::SearchWindow*>(QStringLiteral("Suche"));
  ASSERT_NE(search, nullptr);
  for (const std::string& code : kCoveredCodes) {
    search->input()->setText(QString::fromStdString(code));
    ASSERT_GT(search->model()->rowCount(), 0);
    const catalog::LookupRow& first = search->model()->row(0);
    EXPECT_EQ(first.kind + ";" + first.group + ";" + first.ze, expectedFor(code)) << code;
  }
}

TEST_F(FieldAfterAHit, PastedCaseListFindsEveryCodeAndNamesWhatItIgnored) {
  QTest::keyClick(form.get(), Qt::Key_F, Qt::ControlModifier);
  auto* search = form->findChild<app::SearchWindow*>(QStringLiteral("Suche"));
  ASSERT_NE(search, nullptr);
  search->input()->setText(QStringLiteral("1. 8-825.11 (03.01.2031)\n2. 5-517.10 R\n3. 1-236.x5:L Kontrolle"));
  std::vector<std::string> entered;
  for (int r = 0; r < search->model()->rowCount(); ++r) entered.push_back(search->model()->row(r).entered);
  EXPECT_EQ(entered, (std::vector<std::string>{"8-825.11", "5-517.10 R", "1-236.x5:L"}));
  EXPECT_EQ(search->model()->row(1).ze, "ZE01.02");
  EXPECT_TRUE(search->status()->text().contains(QStringLiteral("ignoriert: 1., 03.01.2031, 2., 3., Kontrolle")))
      << search->status()->text().toStdString();
  EXPECT_TRUE(search->status()->text().contains(QStringLiteral("gesucht in 2031")));
}

}  // namespace
