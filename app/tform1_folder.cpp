// Opening another catalog folder: the program moves there and loads it as a
// start there would.

#include <QDir>
#include <QFileDialog>
#include <unistd.h>

#include <cerrno>

#include "app/tform1.h"
#include "app/text_codec.h"
#include "catalog/cp1252.h"
#include "catalog/errors.h"

namespace {

QString askForFolder(QWidget* parent) {
  return QFileDialog::getExistingDirectory(parent, QStringLiteral("Ordner \u00F6" "ffnen"), QDir::currentPath());
}

}  // namespace

std::function<QString(QWidget*)> TForm1::chooseFolder = askForFolder;

void TForm1::openFolder(const QString& folder) { openFolder(QFile::encodeName(folder)); }

void TForm1::openFolder(const QByteArray& folder) {
  if (folder.isEmpty()) return;
  if (::chdir(folder.constData()) != 0)
    throw catalog::folderCannotBeOpened(catalog::cp1252::fromUtf8(std::string_view(folder.constData(), static_cast<std::size_t>(folder.size()))), errno);
  Init(this);
}
