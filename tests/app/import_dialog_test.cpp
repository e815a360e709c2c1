// "Datei > Anlagen importieren…" as a maintainer uses it: the four files
// named, the year taken from the PDF, the report read, the question
// answered, the catalog reloaded with the year.

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "app/clock.h"
#include "app/import_dialog.h"
#include "app/main_window.h"
#include "fixture.h"

namespace {

using testing_support::WindowTest;

class AnnexImport : public WindowTest {
 protected:
  void SetUp() override {
    writeFiles(testing_support::smallCatalog());
    app::setCurrentYearForTesting("2031");
    window = std::make_unique<app::MainWindow>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    asked_ = app::ImportDialog::confirmImport;
    app::ImportDialog::confirmImport = [this](QWidget*, const QString& question) {
      questions.push_back(question);
      return answer;
    };
  }
  void TearDown() override {
    app::ImportDialog::confirmImport = asked_;
    window.reset();
    QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo")).remove(QStringLiteral("Ordner"));
  }

  // Opens the dialog from the menu and hands it to steps while it runs.
  void withDialog(const std::function<void(app::ImportDialog&)>& steps) {
    bool ran = false;
    QTimer::singleShot(0, window.get(), [&] {
      auto* dialog = window->findChild<app::ImportDialog*>(QStringLiteral("AnlagenImportieren"));
      ASSERT_NE(dialog, nullptr);
      steps(*dialog);
      if (dialog->isVisible()) dialog->reject();
      ran = true;
    });
    window->findChild<QAction*>(QStringLiteral("AnlagenImportieren"))->trigger();
    EXPECT_TRUE(ran);
  }

  static void name(app::ImportDialog& dialog, const char* field, const std::string& file) {
    auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(field));
    ASSERT_NE(edit, nullptr) << field;
    edit->setText(QString::fromStdString(std::string(TARVELO_ANNEX_DIR) + "/" + file));
  }

  static void click(app::ImportDialog& dialog, const char* button) {
    auto* found = dialog.findChild<QPushButton*>(QLatin1String(button));
    ASSERT_NE(found, nullptr) << button;
    QTest::mouseClick(found, Qt::LeftButton);
  }

  static QString report(app::ImportDialog& dialog) {
    return dialog.findChild<QPlainTextEdit*>(QStringLiteral("Bericht"))->toPlainText();
  }

  std::unique_ptr<app::MainWindow> window;
  std::vector<QString> questions;
  bool answer = true;

 private:
  std::function<bool(QWidget*, const QString&)> asked_;
};

TEST_F(AnnexImport, TheConfirmedYearIsWrittenRebuiltAndShown) {
  withDialog([this](app::ImportDialog& dialog) {
    name(dialog, "Anlage2", "Anlage2.csv");
    name(dialog, "Anlage4", "Anlage4.csv");
    name(dialog, "Anlage5", "Anlage5.pdf");
    name(dialog, "Anlage6", "Anlage6.pdf");
    click(dialog, "Einlesen");
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("Jahr"))->text(), QStringLiteral("2012"));
    EXPECT_TRUE(report(dialog).contains(QStringLiteral("ZE-Katalog.csv: 1.274 Zeilen (BE 1.146, KH 128), ersetzt 0")))
        << report(dialog).toStdString();
    click(dialog, "Importieren");
  });
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_EQ(questions[0], QStringLiteral("Jahr 2012 importieren? 2.787 Zeilen werden geschrieben, 0 Zeilen des Jahres "
                                         "2012 ersetzt; danach wird OPS-Zuordnung.csv neu geschrieben."));
  EXPECT_TRUE(messages.empty()) << messages.front().text.toStdString();
  EXPECT_TRUE(dropQuestions.empty());
  const std::vector<std::string> years = window->form().ComboBox1->items().entries();
  EXPECT_NE(std::find(years.begin(), years.end(), "2012"), years.end());
  const std::string assignments = folder.read("OPS-Zuordnung.csv");
  EXPECT_NE(assignments.find("8-854.2;2012;BE;ZE01;ZE01.01\r\n"), std::string::npos);
  // The window shows the catalog as a start would, on its current year.
  EXPECT_EQ(window->form().ComboBox1->text(), "2031");
}

TEST_F(AnnexImport, NothingIsWrittenWhenTheQuestionIsDeclinedOrAnAnnexIsWrong) {
  const std::string before = folder.read("ZE-Katalog.csv");
  answer = false;
  withDialog([](app::ImportDialog& dialog) {
    name(dialog, "Anlage2", "Anlage2.csv");
    name(dialog, "Anlage4", "Anlage4.csv");
    name(dialog, "Anlage5", "Anlage5.pdf");
    name(dialog, "Anlage6", "Anlage6.pdf");
    click(dialog, "Einlesen");
    click(dialog, "Importieren");
  });
  EXPECT_EQ(questions.size(), 1u);
  withDialog([this](app::ImportDialog& dialog) {
    name(dialog, "Anlage2", "Anlage2.csv");
    name(dialog, "Anlage4", "Anlage4.csv");
    name(dialog, "Anlage5", "Anlage6.pdf");
    click(dialog, "Einlesen");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Bitte die Datei f\u00FCr Anlage 6 angeben."));
    name(dialog, "Anlage6", "Anlage6.pdf");
    click(dialog, "Einlesen");
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_TRUE(messages[1].text.endsWith(QStringLiteral("als Anlage 5 angegeben, enth\u00E4lt aber Anlage 6.")))
        << messages[1].text.toStdString();
    EXPECT_EQ(report(dialog), messages[1].text.chopped(1));
    EXPECT_FALSE(dialog.findChild<QPushButton*>(QStringLiteral("Importieren"))->isEnabled());
  });
  EXPECT_EQ(folder.read("ZE-Katalog.csv"), before);
  EXPECT_EQ(questions.size(), 1u);
}

}  // namespace
