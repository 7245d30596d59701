// Qt draws fonts, PDF files and pictures through a QGuiApplication; the
// commands that draw need no display, so it runs off screen unless
// QT_QPA_PLATFORM asks for another platform.
#pragma once

#include <QGuiApplication>
#include <memory>

namespace mc::app {

std::unique_ptr<QGuiApplication> offscreenApplication();

}  // namespace mc::app
