// The program as a desktop user meets it: where it starts without a
// folder, its menu bar, and Qt's own words in German.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTest>

#include "app/clock.h"
#include "app/german.h"
#include "app/information.h"
#include "app/main_window.h"
#include "app/search_window.h"
#include "app/start_folder.h"
#include <sys/stat.h>

#include <fstream>

#include "fixture.h"

namespace {

using testing_support::TemporaryFolder;
using testing_support::WindowTest;

void forgetFolders() { QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo")).remove(QStringLiteral("Ordner")); }

QString pathOf(const TemporaryFolder& folder) { return QString::fromStdString(folder.path().string()); }
QByteArray bytesOf(const TemporaryFolder& folder) { return QByteArray::fromStdString(folder.path().string()); }

class StartFolder : public ::testing::Test {
 protected:
  StartFolder() {
    forgetFolders();
    asked_ = app::askForStartFolder;
    app::askForStartFolder = [this](const QString& preselected) {
      questions.push_back(preselected);
      return answer;
    };
  }
  ~StartFolder() override {
    app::askForStartFolder = asked_;
    forgetFolders();
  }
  std::vector<QString> questions;
  QString answer;

 private:
  std::function<QString(const QString&)> asked_;
};

TEST_F(StartFolder, ACatalogFolderStaysEvenWithAFault) {
  TemporaryFolder current;
  current.write("OPS-Kodes.csv", "");  // the other three missing: today's messages
  EXPECT_EQ(app::startFolder(bytesOf(current)), std::nullopt);
  TemporaryFolder latin1;
  latin1.write("Fu\xDFnoten.txt", "");  // the footnote file under its Windows-1252 name
  EXPECT_EQ(app::startFolder(bytesOf(latin1)), std::nullopt);
  EXPECT_TRUE(questions.empty());
}

TEST_F(StartFolder, ElsewhereTheFolderShownLastThenTheUsersChoice) {
  TemporaryFolder home, catalogFolder;
  // First start: asked, here with the current folder preselected (no
  // sample is installed beside the test program).
  answer = pathOf(catalogFolder);
  EXPECT_EQ(app::startFolder(bytesOf(home)), bytesOf(catalogFolder));
  ASSERT_EQ(questions.size(), 1U);
  EXPECT_EQ(questions[0], pathOf(home));
  // Cancelled: the start goes on in the current folder, as before.
  answer.clear();
  EXPECT_EQ(app::startFolder(bytesOf(home)), std::nullopt);
  // A folder shown before is opened without a question.
  app::rememberFolder(bytesOf(catalogFolder));
  EXPECT_EQ(app::startFolder(bytesOf(home)), bytesOf(catalogFolder));
  EXPECT_EQ(questions.size(), 2U);
}

TEST_F(StartFolder, RemembersTheLastFiveFoldersNewestFirst) {
  for (int i = 1; i <= 7; ++i) app::rememberFolder("/k" + QByteArray::number(i));
  app::rememberFolder("/k5");
  EXPECT_EQ(app::recentFolders(), (QList<QByteArray>{"/k5", "/k7", "/k6", "/k4", "/k3"}));
}

// A share copied from Windows may name a folder in Windows-1252 ("Kataloge
// \xC4rzte"): it is opened again by its bytes, and the settings of an
// earlier version, which kept names as text, are read on.
TEST_F(StartFolder, AFolderNameThatIsNoUtf8IsFoundAgain) {
  TemporaryFolder home, parent;
  const QByteArray latin1 = bytesOf(parent) + "/Kataloge \xC4rzte";
  ASSERT_EQ(::mkdir(latin1.constData(), 0755), 0);
  app::rememberFolder(latin1);
  EXPECT_EQ(app::recentFolders().value(0), latin1);
  EXPECT_EQ(app::startFolder(bytesOf(home)), latin1);
  EXPECT_TRUE(questions.empty());

  QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo"))
      .setValue(QStringLiteral("Ordner/Zuletzt"), QStringList{pathOf(home), QStringLiteral("/k1")});
  EXPECT_EQ(app::recentFolders(), (QList<QByteArray>{bytesOf(home), "/k1"}));
}

class MenuBar : public WindowTest {
 protected:
  void SetUp() override {
    forgetFolders();
    writeFiles(testing_support::smallCatalog());
    app::setCurrentYearForTesting("2031");
    window = std::make_unique<app::MainWindow>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    app::setInformationHook([this](const QString& title, const QString& text) { shown.push_back(title + QLatin1Char('|') + text); });
  }
  void TearDown() override {
    app::setInformationHook({});
    window.reset();
    forgetFolders();
  }
  // "Zuletzt geöffnet" under "Datei".
  QMenu* recentMenu() const {
    for (QAction* entry : window->fileMenu()->actions())
      if (entry->menu()) return entry->menu();
    return nullptr;
  }
  QAction* action(const char* name) const {
    auto* found = window->findChild<QAction*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  std::unique_ptr<app::MainWindow> window;
  std::vector<QString> shown;
};

TEST_F(MenuBar, ControlsKeepTheirPlacesBelowIt) {
  const int menuHeight = window->menuBar()->height();
  EXPECT_GT(menuHeight, 0);
  EXPECT_EQ(window->form().geometry(), QRect(0, menuHeight, 792, 492));
  // The window grows by the status line below the form, too.
  const int statusHeight = window->statusBar()->height();
  EXPECT_GT(statusHeight, 0);
  EXPECT_EQ(window->size(), QSize(792, 492 + menuHeight + statusHeight));
  // Every control where it stands in the window without a menu bar.
  auto& alone = open();
  for (const QWidget* control : alone.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (control->objectName().isEmpty()) continue;
    const auto* same = window->form().findChild<QWidget*>(control->objectName(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(same, nullptr) << control->objectName().toStdString();
    EXPECT_EQ(same->geometry(), control->geometry()) << control->objectName().toStdString();
  }
  QStringList menus;
  for (QAction* menu : window->menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Suchen"), QStringLiteral("&Hilfe")}));
}

TEST_F(MenuBar, EachEntryOpensWhatItNames) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tarvelo \u2013 %1").arg(QDir(pathOf(folder)).dirName()));

  TemporaryFolder other;
  other.write("ZE-Katalog.csv", testing_support::crlf({"2031;BE;NEU;;Neue Gruppe;5,00;;;", "2031;BE;NEU;NEU.1;Neu;6,00;;;"}));
  other.write("Fu\xC3\x9Fnoten.txt", "");
  other.write("OPS-Kodes.csv", "");
  other.write("OPS-Zuordnung.csv", "");
  const auto chooser = TForm1::chooseFolder;
  TForm1::chooseFolder = [&other](QWidget*) { return pathOf(other); };
  action("OrdnerOeffnen")->trigger();
  TForm1::chooseFolder = chooser;
  EXPECT_EQ(window->form().ComboBox3->text(), "NEU.1");
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Tarvelo \u2013 %1").arg(QDir(pathOf(other)).dirName()));
  EXPECT_EQ(app::recentFolders().value(0), QFile::encodeName(QDir(pathOf(other)).canonicalPath()));

  // The folder before is among the last ones, and opens again from there.
  QMenu* recent = recentMenu();
  ASSERT_NE(recent, nullptr);
  ASSERT_EQ(recent->actions().size(), 2);
  recent->actions().at(1)->trigger();
  EXPECT_EQ(window->form().ComboBox3->text(), "ZE01.01");

  action("Suche")->trigger();
  auto* search = window->findChild<app::SearchWindow*>(QStringLiteral("Suche"));
  ASSERT_NE(search, nullptr);
  EXPECT_TRUE(search->isVisible());
  search->close();
  action("Jahresvergleich")->trigger();
  auto* comparison = window->findChild<QWidget*>(QStringLiteral("Jahresvergleich"), Qt::FindChildrenRecursively);
  ASSERT_NE(comparison, nullptr);
  EXPECT_TRUE(comparison->isVisible());
  comparison->close();

  action("Tastenkuerzel")->trigger();
  action("UeberTarvelo")->trigger();
  ASSERT_EQ(shown.size(), 2U);
  EXPECT_TRUE(shown[0].startsWith(QStringLiteral("Tastenk\u00FCrzel|Strg+F")));
  EXPECT_TRUE(shown[1].contains(QStringLiteral("Katalogordner: ") + QDir::currentPath())) << shown[1].toStdString();

  EXPECT_EQ(action("Beenden")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  action("Beenden")->trigger();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(MenuBar, AFolderWhoseNameIsNoUtf8OpensAgainFromTheRecentOnes) {
  TemporaryFolder parent;
  const QByteArray latin1 = bytesOf(parent) + "/Kataloge \xC4rzte";
  ASSERT_EQ(::mkdir(latin1.constData(), 0755), 0);
  const std::string base = latin1.toStdString() + "/";
  for (const auto& [name, text] : std::vector<std::pair<std::string, std::string>>{
           {"ZE-Katalog.csv", "2031;BE;NEU;NEU.1;Neu;6,00;;;\r\n"},
           {"Fu\xC3\x9Fnoten.txt", ""},
           {"OPS-Kodes.csv", ""},
           {"OPS-Zuordnung.csv", ""}})
    std::ofstream(base + name, std::ios::binary) << text;
  window->form().runUserEvent([this, &latin1] { window->form().openFolder(latin1); });
  EXPECT_EQ(window->form().ComboBox3->text(), "NEU.1");
  EXPECT_EQ(app::recentFolders().value(0), latin1);
  // Back in the folder before, then to the Latin-1 one from the menu.
  QMenu* recent = recentMenu();
  ASSERT_NE(recent, nullptr);
  ASSERT_EQ(recent->actions().size(), 2);
  recent->actions().at(1)->trigger();
  EXPECT_EQ(window->form().ComboBox3->text(), "ZE01.01");
  recent->actions().at(1)->trigger();
  EXPECT_EQ(window->form().ComboBox3->text(), "NEU.1");
  EXPECT_EQ(app::currentFolder(), latin1);
  EXPECT_TRUE(messages.empty());
}

// Words Qt writes in English when its translations are missing.
const QStringList kEnglish = {QStringLiteral("Look in"), QStringLiteral("Choose"),    QStringLiteral("Cancel"),
                              QStringLiteral("Directory"), QStringLiteral("Files of type"), QStringLiteral("Copy"),
                              QStringLiteral("Select All"), QStringLiteral("Paste"),  QStringLiteral("Undo"),
                              QStringLiteral("Redo"),      QStringLiteral("Delete"),   QStringLiteral("Cu&t"),
                              QStringLiteral("&Copy"),     QStringLiteral("Open")};

QStringList textsOf(const QWidget& widget) {
  QStringList texts;
  for (const QLabel* label : widget.findChildren<QLabel*>()) texts << label->text();
  for (const QAbstractButton* button : widget.findChildren<QAbstractButton*>()) texts << button->text();
  for (const QComboBox* box : widget.findChildren<QComboBox*>())
    for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
  for (const QAction* action : widget.findChildren<QAction*>()) texts << action->text();
  return texts;
}

void expectNoEnglish(const QStringList& texts, const char* where) {
  for (const QString& text : texts)
    for (const QString& word : kEnglish)
      EXPECT_FALSE(QString(text).remove(QLatin1Char('&')) == QString(word).remove(QLatin1Char('&')) ||
                   text.startsWith(word + QLatin1Char(' ')))
          << where << ": " << text.toStdString();
}

TEST(GermanEverywhere, FolderDialogAndContextMenusSpeakGerman) {
  ASSERT_TRUE(app::installGermanTranslations(*QCoreApplication::instance()))
      << "Qt's German translations (qt6-translations-l10n) are missing";
  QFileDialog dialog(nullptr, QStringLiteral("Katalogordner w\u00E4hlen"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setFileMode(QFileDialog::Directory);
  dialog.show();
  const QStringList dialogTexts = textsOf(dialog);
  EXPECT_TRUE(dialogTexts.contains(QStringLiteral("Abbrechen"))) << dialogTexts.join(QLatin1Char('|')).toStdString();
  expectNoEnglish(dialogTexts, "folder dialog");

  QPlainTextEdit text;
  text.setPlainText(QStringLiteral("Text"));
  std::unique_ptr<QMenu> menu(text.createStandardContextMenu());
  QStringList menuTexts;
  for (const QAction* action : menu->actions()) menuTexts << action->text();
  EXPECT_TRUE(menuTexts.filter(QRegularExpression(QStringLiteral("^&Kopieren\t"))).size() == 1)
      << menuTexts.join(QLatin1Char('|')).toStdString();
  expectNoEnglish(menuTexts, "context menu");
}

}  // namespace
