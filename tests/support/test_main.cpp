#include <QCoreApplication>
#include <gtest/gtest.h>
#ifdef QT_WIDGETS_LIB
#include <QApplication>
#endif

int main(int argc, char **argv) {
  // Widget tests need the widget application, and they draw offscreen wherever they
  // run (listing the tests at build time included); the others need no display.
#ifdef QT_WIDGETS_LIB
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
#else
  QCoreApplication app(argc, argv);
#endif
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
