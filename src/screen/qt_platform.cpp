#include "screen/qt_platform.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

#include "picture/picture_loader.h"

namespace vk2 {

void QtPlatform::pause(int ms) {
    if (ms <= 0) return;
    // Paint events keep flowing while the action pauses, but clicks, keys and the battle clock
    // wait until it is over.
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtPlatform::repaint() {
    if (window_) window_->repaint();
}

void QtPlatform::messageBox(const std::string& text) {
    QMessageBox::information(window_, QStringLiteral("Vellumark2"), QString::fromStdString(text));
}

bool QtPlatform::isOwnWindowActive() {
    return window_ && window_->isActiveWindow();
}

LoadedPicture QtPlatform::loadPicture(const std::string& path) {
    return LoadPicture(path);
}

} // namespace vk2
