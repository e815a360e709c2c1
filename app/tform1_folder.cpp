// Opening another catalog folder: the program moves there and loads it as a
// start there would.

#include <QDir>
#include <QFileDialog>
#include <unistd.h>

#include <cerrno>

#include "app/tform1.h"
#include "app/text_codec.h"
#include "catalog/errors.h"

namespace {

QString askForFolder(QWidget* parent) {
  return QFileDialog::getExistingDirectory(parent, QStringLiteral("Ordner \u00F6" "ffnen"), QDir::currentPath());
}

}  // namespace

std::function<QString(QWidget*)> TForm1::chooseFolder = askForFolder;

void TForm1::openFolder(const QString& folder) {
  if (folder.isEmpty()) return;
  if (::chdir(QFile::encodeName(folder).constData()) != 0) throw catalog::folderCannotBeOpened(app::toCp1252(folder), errno);
  Init(this);
}
