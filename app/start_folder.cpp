#include "app/start_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

#include <unistd.h>

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

bool holdsCatalogFiles(const QString& folder) {
  // File names as bytes: the footnote file may carry its Windows-1252 name
  // as well as its UTF-8 one.
  const QByteArray base = QFile::encodeName(folder) + '/';
  std::vector<QByteArray> names{QByteArray("Fu\xC3\x9Fnoten.txt")};
  for (const char* name : catalog::kCatalogFiles) names.emplace_back(name);
  return std::any_of(names.begin(), names.end(),
                     [&](const QByteArray& name) { return ::access((base + name).constData(), F_OK) == 0; });
}

QString installedSample() {
  const QString sample = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/tarvelo/sample"));
  return QFileInfo(sample).isDir() ? QDir(sample).canonicalPath() : QString();
}

std::optional<QString> startFolder(const QString& current) {
  if (holdsCatalogFiles(current)) return std::nullopt;
  const QStringList recent = recentFolders();
  if (!recent.isEmpty() && QFileInfo(recent.front()).isDir()) return recent.front();
  const QString sample = installedSample();
  const QString chosen = askForStartFolder(sample.isEmpty() ? current : sample);
  if (chosen.isEmpty()) return std::nullopt;
  return chosen;
}

QStringList recentFolders() {
  return settings().value(QStringLiteral("Ordner/Zuletzt")).toStringList().mid(0, kRecentFolders);
}

void rememberFolder(const QString& folder) {
  QStringList recent = recentFolders();
  recent.removeAll(folder);
  recent.prepend(folder);
  settings().setValue(QStringLiteral("Ordner/Zuletzt"), recent.mid(0, kRecentFolders));
}

}  // namespace app
