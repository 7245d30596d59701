// The window tests drive real widgets: they need a QApplication, off
// screen unless a display is asked for.
#include <gtest/gtest.h>

#include <QApplication>

namespace {

QtMessageHandler qtDefault = nullptr;

// The offscreen platform says at every window that it cannot do what only a
// window manager does; that says nothing about the window under test.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith("This plugin does not support") || message.startsWith("QStandardPaths:")) return;
  if (qtDefault) qtDefault(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
  qtDefault = qInstallMessageHandler(quietHandler);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
