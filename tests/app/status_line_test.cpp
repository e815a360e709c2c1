// The status line under the form says what the form cannot, and the code
// that led to a ZE is marked among its OPS codes.

#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTest>

#include "app/clock.h"
#include "app/main_window.h"
#include "app/search_results_model.h"
#include "app/search_window.h"
#include "fixture.h"

namespace {

using testing_support::CatalogFiles;

// A code under two ZEs, a wildcard line, a hospital-specific ZE.
CatalogFiles codesCatalog() {
  return {{"2012;BE;ZE01;;H\xE4modialyse;;8-854.2;;", "2012;BE;ZE01;ZE01.01;Alter > 14;220,99;8-854.2/8-854.3;;",
           "2012;BE;ZE01;ZE01.02;Alter < 15;408,50;8-854.3/8-854.2;;", "2012;BE;ZE10;;Blase;;;;",
           "2012;BE;ZE10;ZE10;Blase;5.751,76;5-597.3*/5-597.0*;;", "2012;KH;ZE2012-54;;Magen;;;;",
           "2012;KH;ZE2012-54;ZE2012-54;Magen;;5-429.j0/5-517.10;;"},
          {},
          {"2012;8-854.2;Intermittierend", "2012;8-854.3;Sonstige", "2012;5-597.0*;Implantation",
           "2012;5-597.3*;Wechsel", "2012;5-429.j0;Stent", "2012;5-517.10;Gallenweg"},
          {"8-854.2;2012;BE;ZE01;ZE01.01", "8-854.3;2012;BE;ZE01;ZE01.01", "8-854.3;2012;BE;ZE01;ZE01.02",
           "8-854.2;2012;BE;ZE01;ZE01.02", "5-597.3*;2012;BE;ZE10;ZE10", "5-597.0*;2012;BE;ZE10;ZE10",
           "5-429.j0;2012;KH;ZE2012-54;ZE2012-54", "5-517.10;2012;KH;ZE2012-54;ZE2012-54"}};
}

class StatusLine : public testing_support::WindowTest {
 protected:
  void start(const std::string& currentYear) {
    writeFiles(codesCatalog());
    app::setCurrentYearForTesting(currentYear);
    window = std::make_unique<app::MainWindow>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }
  void TearDown() override {
    window.reset();
    QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo")).remove(QStringLiteral("Ordner"));
  }
  QString status() const { return window->findChild<QLabel*>(QStringLiteral("Statuszeile"))->text(); }
  TForm1& form() const { return window->form(); }
  void type(const QString& code) const {
    QTest::keyClick(form().MaskEdit1, Qt::Key_Escape);
    QTest::keyClicks(form().MaskEdit1, code);
  }
  QString marked(app::DetailBox& box) const { return box.widget()->selectedText(); }

  std::unique_ptr<app::MainWindow> window;
};

TEST_F(StatusLine, SaysTheShownYearIsMissingAndWhichYearsThereAre) {
  start("2026");
  EXPECT_EQ(status(), QStringLiteral("Jahr 2026 fehlt im Katalog \u2013 vorhanden: 2012"));
  EXPECT_TRUE(window->statusBar()->isVisible());
  EXPECT_EQ(form().Label5->caption(), "");
}

TEST_F(StatusLine, NamesTheHitAndTheOtherZesTheCodeTriggers) {
  start("2012");
  EXPECT_EQ(status(), QString());
  const QSize quiet = window->sizeHint();
  type(QStringLiteral("8-854.2"));
  EXPECT_EQ(window->sizeHint(), quiet) << "the window keeps its size when the line speaks";
  EXPECT_EQ(form().ComboBox3->text(), "ZE01.01");
  EXPECT_EQ(status(), QStringLiteral("8-854.2 l\u00F6st ZE01.01 aus \u00B7 8-854.2 l\u00F6st auch ZE01.02 aus \u2013 alle "
                                     "Zeilen: Strg+F"));
  // Strg+F shows every line of the code.
  QTest::keyClick(&form(), Qt::Key_F, Qt::ControlModifier);
  auto* search = form().findChild<app::SearchWindow*>(QStringLiteral("Suche"));
  ASSERT_NE(search, nullptr);
  EXPECT_EQ(search->input()->text(), QStringLiteral("8-854.2"));
  EXPECT_EQ(search->model()->rowCount(), 2);
  search->close();
  // Another choice ends what the hit said.
  form().runUserEvent([this] {
    form().ComboBox3->setText("ZE01.02");
    form().Werte_holen(&form());
  });
  EXPECT_EQ(status(), QString());
}

TEST_F(StatusLine, SaysAHospitalSpecificZeHasNoFederalAmount) {
  start("2012");
  type(QStringLiteral("5-517.10"));
  EXPECT_EQ(form().ComboBox3->text(), "ZE2012-54");
  EXPECT_EQ(form().Label5->caption(), "");
  EXPECT_EQ(status(), QStringLiteral("5-517.10 l\u00F6st ZE2012-54 aus \u00B7 krankenhausindividuell"));
  // The code that led there is marked, though another comes first.
  EXPECT_EQ(marked(*form().RichEdit4), QStringLiteral("5-517.10 - Gallenweg"));
  EXPECT_EQ(form().RichEdit4->lineTexts(), (std::vector<std::string>{"5-429.j0 - Stent", "5-517.10 - Gallenweg"}));
}

TEST_F(StatusLine, WarnsThatTypingOnLengthensTheCodeAndMarksTheWildcardLine) {
  start("2012");
  type(QStringLiteral("5-597.0"));
  EXPECT_EQ(form().ComboBox3->text(), "ZE10");
  EXPECT_EQ(status(), QStringLiteral("5-597.0 l\u00F6st ZE10 aus \u00B7 weiter tippen verl\u00E4ngert 5-597.0 \u2013 Esc "
                                     "f\u00FCr einen neuen Kode"));
  // The line that covered the code is marked.
  EXPECT_EQ(marked(*form().RichEdit4), QStringLiteral("5-597.0* - Implantation"));
  QTest::keyClick(form().MaskEdit1, Qt::Key_Escape);
  EXPECT_FALSE(status().contains(QStringLiteral("weiter tippen")));
}

}  // namespace
