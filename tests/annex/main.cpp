// The annex tests make their PDFs with QPdfWriter, which needs an
// application for its fonts; it runs on the offscreen platform.

#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Also when ctest lists the tests, which sets no platform.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
