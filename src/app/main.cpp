#include <QApplication>

#include "screen/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vk2::MainWindow window;
    window.show();
    return app.exec();
}
