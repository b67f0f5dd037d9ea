// Test entry for the window tests: one QApplication for the whole run, on the platform the
// build names (offscreen on Linux, Windows' own on Windows) unless the environment names another.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", ARMOURSMITH_TEST_PLATFORM);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
