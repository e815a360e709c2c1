#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QLabel>
#include <QStatusBar>

#include "app/import_dialog.h"
#include "app/information.h"
#include "app/start_folder.h"
#include "app/text_codec.h"
#include "app/tform1.h"

namespace app {
namespace {

// Shortcuts TForm1 handles itself are only named in the menu; a second
// shortcut for the same keys would make both ambiguous.
QString withKeys(const QString& text, const QString& keys) { return text + QLatin1Char('\t') + keys; }

QString shortcutsText() {
  return QStringLiteral(
      "Strg+F\tSuche: OPS-Kodes, Falllisten oder W\u00F6rter\n"
      "Strg+J\tJahresvergleich: neue, entfallene und ge\u00E4nderte ZE zweier Jahre\n"
      "Strg+O\tOrdner \u00F6ffnen\n"
      "Strg+Q\tBeenden\n"
      "Tab\tJahr, OPS-Ziffer, Art, ZE-Gruppe, ZE, dann die Textfelder\n"
      "Esc\tOPS-Ziffer: zur\u00FCck zum Stand vor der Eingabe\n"
      "\n"
      "Im Suchfenster: Pfeil runter in die Tabelle, Eingabe zeigt die ZE im Hauptfenster, "
      "Strg+C kopiert die markierten Zeilen.");
}

}  // namespace

MainWindow::MainWindow() : form_(new TForm1(this)) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowIcon(QIcon::fromTheme(QStringLiteral("tarvelo")));
  setCentralWidget(form_);
  createMenus();
  createStatusLine();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  move(68, 106);
  form_->onCatalogLoaded([this] { followCatalog(); });
  form_->onEventShown([this] { showStatus(); });
  followCatalog();
  showStatus();
  form_->ComboBox1->widget()->setFocus();
}

MainWindow::~MainWindow() {
  form_->onCatalogLoaded({});
  form_->onEventShown({});
}

// Below the form, which keeps its size: the window grows by the line. A
// label's text is its accessible name, so a screen reader reads each new
// status as it changes.
void MainWindow::createStatusLine() {
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("Statuszeile"));
  status_->setAccessibleDescription(QStringLiteral("Statuszeile"));
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // One line high also while empty, so that the window keeps its size when
  // something is said.
  status_->setMinimumHeight(status_->fontMetrics().height());
  statusBar()->setSizeGripEnabled(false);
  statusBar()->addWidget(status_, 1);
}

void MainWindow::showStatus() { status_->setText(toQString(form_->statusText())); }

void MainWindow::createMenus() {
  fileMenu_ = menuBar()->addMenu(QStringLiteral("&Datei"));
  QAction* open = fileMenu_->addAction(withKeys(QStringLiteral("Ordner \u00F6ffnen\u2026"), QStringLiteral("Strg+O")));
  open->setObjectName(QStringLiteral("OrdnerOeffnen"));
  connect(open, &QAction::triggered, this, [this] { openFolder(QFile::encodeName(TForm1::chooseFolder(form_))); });
  recentMenu_ = fileMenu_->addMenu(QStringLiteral("&Zuletzt ge\u00F6ffnet"));
  fileMenu_->addSeparator();
  QAction* import = fileMenu_->addAction(QStringLiteral("&Anlagen importieren\u2026"));
  import->setObjectName(QStringLiteral("AnlagenImportieren"));
  connect(import, &QAction::triggered, this, [this] { importAnnexes(); });
  fileMenu_->addSeparator();
  QAction* quit = fileMenu_->addAction(QStringLiteral("&Beenden"));
  quit->setObjectName(QStringLiteral("Beenden"));
  quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  connect(quit, &QAction::triggered, this, &QWidget::close);

  searchMenu_ = menuBar()->addMenu(QStringLiteral("&Suchen"));
  QAction* search = searchMenu_->addAction(withKeys(QStringLiteral("Suche\u2026"), QStringLiteral("Strg+F")));
  search->setObjectName(QStringLiteral("Suche"));
  connect(search, &QAction::triggered, this, [this] { form_->showSearchWindow(); });
  QAction* comparison =
      searchMenu_->addAction(withKeys(QStringLiteral("Jahresvergleich\u2026"), QStringLiteral("Strg+J")));
  comparison->setObjectName(QStringLiteral("Jahresvergleich"));
  connect(comparison, &QAction::triggered, this, [this] { form_->showComparisonWindow(); });

  helpMenu_ = menuBar()->addMenu(QStringLiteral("&Hilfe"));
  QAction* keys = helpMenu_->addAction(QStringLiteral("&Tastenk\u00FCrzel"));
  keys->setObjectName(QStringLiteral("Tastenkuerzel"));
  connect(keys, &QAction::triggered, this,
          [this] { showInformation(this, QStringLiteral("Tastenk\u00FCrzel"), shortcutsText()); });
  QAction* about = helpMenu_->addAction(QStringLiteral("\u00DC&ber Tarvelo"));
  about->setObjectName(QStringLiteral("UeberTarvelo"));
  connect(about, &QAction::triggered, this, [this] {
    showInformation(this, QStringLiteral("\u00DCber Tarvelo"),
                    QStringLiteral("Tarvelo %1\nZusatzentgelte (ZE) und ausl\u00F6sende OPS-Kodes nachschlagen.\n\n"
                                   "Katalogordner: %2")
                        .arg(QApplication::applicationVersion(), QDir::currentPath()));
  });
}

void MainWindow::importAnnexes() {
  ImportDialog dialog(this);
  if (dialog.exec() != QDialog::Accepted || !dialog.plan()) return;
  const annex::ImportPlan& plan = *dialog.plan();
  form_->runUserEvent([this, &plan] { form_->importAnnexYear(plan); });
}

void MainWindow::openFolder(const QByteArray& folder) {
  form_->runUserEvent([this, folder] { form_->openFolder(folder); });
}

// After every load: the title names the folder, and a complete load is
// remembered for the next start.
void MainWindow::followCatalog() {
  setWindowTitle(QStringLiteral("Tarvelo \u2013 %1").arg(QDir(QDir::currentPath()).dirName()));
  if (form_->Data.complete()) rememberFolder(currentFolder());
  fillRecentFolders();
}

void MainWindow::fillRecentFolders() {
  recentMenu_->clear();
  const QList<QByteArray> folders = recentFolders();
  for (const QByteArray& folder : folders) {
    QAction* entry = recentMenu_->addAction(QFile::decodeName(folder));
    connect(entry, &QAction::triggered, this, [this, folder] { openFolder(folder); });
  }
  recentMenu_->setEnabled(!folders.isEmpty());
}

}  // namespace app
