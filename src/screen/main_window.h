// The game window: one widget per control of the form, synced from the core; every widget event
// is handed to the core's handler.
#pragma once

#include <QMainWindow>
#include <memory>

#include "core/random.h"
#include "model/game.h"
#include "screen/qt_platform.h"

namespace vk2 {

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // The client area at the window's design size.
    static constexpr int kClientWidth = 712;
    static constexpr int kClientHeight = 456;

    explicit MainWindow(QWidget* parent = nullptr);
    Game& game() { return game_; }

  private:
    void buildMenus();

    QtPlatform platform_;
    SeededRandom random_;
    Game game_;
};

} // namespace vk2
