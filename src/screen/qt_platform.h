// The platform of the real window: pauses keep painting without handling input, pictures come
// from disk, message boxes are Qt's.
#pragma once

#include <QWidget>

#include "core/platform.h"

namespace vk2 {

class QtPlatform : public Platform {
  public:
    explicit QtPlatform(QWidget* window = nullptr) : window_(window) {}
    void setWindow(QWidget* window) { window_ = window; }

    void pause(int ms) override;
    void repaint() override;
    void messageBox(const std::string& text) override;
    bool isOwnWindowActive() override;
    LoadedPicture loadPicture(const std::string& path) override;

  private:
    QWidget* window_;
};

} // namespace vk2
