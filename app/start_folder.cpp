#include "app/start_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <algorithm>
#include <vector>

#include "catalog/file_names.h"

namespace app {
namespace {

constexpr int kRecentFolders = 5;

QSettings settings() { return QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo")); }

QString askWithDialog(const QString& preselected) {
  return QFileDialog::getExistingDirectory(nullptr, QStringLiteral("Katalogordner w\u00E4hlen"), preselected);
}

}  // namespace

std::function<QString(const QString&)> askForStartFolder = askWithDialog;

QByteArray currentFolder() {
  std::vector<char> buffer(4096);
  while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
    if (errno != ERANGE) return QFile::encodeName(QDir::currentPath());
    buffer.resize(buffer.size() * 2);
  }
  return QByteArray(buffer.data());
}

bool holdsCatalogFiles(const QByteArray& folder) {
  // File names as bytes: the footnote file may carry its Windows-1252 name
  // as well as its UTF-8 one.
  const QByteArray base = folder + '/';
  std::vector<QByteArray> names{QByteArray("Fu\xC3\x9Fnoten.txt")};
  for (const char* name : catalog::kCatalogFiles) names.emplace_back(name);
  return std::any_of(names.begin(), names.end(),
                     [&](const QByteArray& name) { return ::access((base + name).constData(), F_OK) == 0; });
}

QString installedSample() {
  const QString sample = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/tarvelo/sample"));
  return QFileInfo(sample).isDir() ? QDir(sample).canonicalPath() : QString();
}

std::optional<QByteArray> startFolder(const QByteArray& current) {
  if (holdsCatalogFiles(current)) return std::nullopt;
  const QList<QByteArray> recent = recentFolders();
  struct stat folder {};
  if (!recent.isEmpty() && ::stat(recent.front().constData(), &folder) == 0 && S_ISDIR(folder.st_mode))
    return recent.front();
  const QString sample = installedSample();
  const QString chosen = askForStartFolder(sample.isEmpty() ? QFile::decodeName(current) : sample);
  if (chosen.isEmpty()) return std::nullopt;
  return QFile::encodeName(chosen);
}

// Stored as bytes; an earlier version stored text, which is taken as its
// file name.
QList<QByteArray> recentFolders() {
  QList<QByteArray> folders;
  for (const QVariant& stored : settings().value(QStringLiteral("Ordner/Zuletzt")).toList()) {
    if (folders.size() == kRecentFolders) break;
    folders << (stored.typeId() == QMetaType::QByteArray ? stored.toByteArray() : QFile::encodeName(stored.toString()));
  }
  return folders;
}

void rememberFolder(const QByteArray& folder) {
  QList<QByteArray> recent = recentFolders();
  recent.removeAll(folder);
  recent.prepend(folder);
  QVariantList stored;
  for (const QByteArray& entry : recent.mid(0, kRecentFolders)) stored << entry;
  settings().setValue(QStringLiteral("Ordner/Zuletzt"), stored);
}

}  // namespace app
