// The game window: one widget per control of the form, synced from the core.
#pragma once

#include <QMainWindow>

namespace vk2 {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace vk2
