#include "offscreen_application.h"

#include <QByteArray>
#include <cstdio>

namespace mc::app {

namespace {

QtMessageHandler qtDefault = nullptr;

// Qt's note that a headless session has no runtime folder says nothing
// about the cards; every other message of Qt goes through as Qt writes it.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type == QtWarningMsg && message.startsWith("QStandardPaths: XDG_RUNTIME_DIR not set")) return;
  if (qtDefault) qtDefault(type, context, message);
}

}  // namespace

std::unique_ptr<QGuiApplication> offscreenApplication() {
  static int argc = 1;
  static char name[] = "mealcards";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qtDefault = qInstallMessageHandler(quietHandler);
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace mc::app
