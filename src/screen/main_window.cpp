#include "screen/main_window.h"

namespace vk2 {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) { setWindowTitle("Vellumark2"); }

} // namespace vk2
