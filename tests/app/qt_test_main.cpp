// GUI tests need a QApplication; they run on the offscreen platform unless
// told otherwise.
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setApplicationDisplayName(QStringLiteral("Tarvelo"));
  // Settings the tests write go to a folder of this process's own: not the
  // user's, and not shared with tests that ctest runs beside this one.
  QStandardPaths::setTestModeEnabled(true);
  const QTemporaryDir settings;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
