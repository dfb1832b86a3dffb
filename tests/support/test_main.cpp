// The tests' main: the Qt application each test program needs, then GoogleTest.
#include <QCoreApplication>
#include <gtest/gtest.h>
#ifdef QT_WIDGETS_LIB
#include <QApplication>
#elif defined(QT_GUI_LIB)
#include <QGuiApplication>
#endif

int main(int argc, char **argv) {
  // Widget and font tests need their application, and they draw offscreen wherever
  // they run (listing the tests at build time included); the others need no display.
#if defined(QT_WIDGETS_LIB) || defined(QT_GUI_LIB)
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
#ifdef QT_WIDGETS_LIB
  QApplication app(argc, argv);
#elif defined(QT_GUI_LIB)
  QGuiApplication app(argc, argv);
#else
  QCoreApplication app(argc, argv);
#endif
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
