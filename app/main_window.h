#pragma once
// The program's window: TForm1 with a menu bar above it, so that what the
// program can do is found without the README. TForm1 keeps its size and
// its controls their places; the window grows by the menu bar. The title
// names the catalog folder; every folder shown is remembered.

#include <QMainWindow>

class QLabel;
class QMenu;
class TForm1;

namespace app {

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow();
  ~MainWindow() override;

  TForm1& form() const { return *form_; }
  QMenu* fileMenu() const { return fileMenu_; }
  QMenu* searchMenu() const { return searchMenu_; }
  QMenu* helpMenu() const { return helpMenu_; }

 private:
  void createMenus();
  void createStatusLine();
  void showStatus();
  void followCatalog();
  void fillRecentFolders();
  void openFolder(const QByteArray& folder);
  void importAnnexes();

  TForm1* form_;
  QMenu* fileMenu_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QMenu* searchMenu_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QLabel* status_ = nullptr;
};

}  // namespace app
