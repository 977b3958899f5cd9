#include "screen/main_window.h"

#include <QAction>
#include <QDateTime>
#include <QKeySequence>
#include <QLayout>
#include <QMenuBar>

namespace vk2 {

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), platform_(this),
      random_(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch())), game_(platform_, random_) {
    setWindowTitle(QStringLiteral("Vellumark2"));
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    client->setAutoFillBackground(true);
    QPalette ground = client->palette();
    ground.setColor(QPalette::Window, QColor(240, 240, 240));
    client->setPalette(ground);
    setCentralWidget(client);
    buildMenus();
    // A fixed single border: the window keeps its design size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::buildMenus() {
    for (const Menu& menu : game_.form.menus.menus) {
        const QString caption = QString::fromStdString(menu.caption);
        if (menu.items.empty()) {
            QAction* action = menuBar()->addAction(caption);
            action->setObjectName(QString::fromStdString(menu.name));
            continue;
        }
        QMenu* qmenu = menuBar()->addMenu(caption);
        qmenu->setObjectName(QString::fromStdString(menu.name));
        for (const MenuItem& item : menu.items) {
            if (item.isSeparator()) {
                qmenu->addSeparator();
                continue;
            }
            QAction* action = qmenu->addAction(QString::fromStdString(item.caption));
            action->setObjectName(
                QString::fromStdString(item.index < 0 ? item.name : item.name + std::to_string(item.index)));
            if (!item.shortcut.empty())
                action->setShortcut(QKeySequence(QString::fromStdString(item.shortcut)));
            // The core owns the check marks; an action shows one only while the model says so.
            action->setCheckable(item.checked);
            action->setChecked(item.checked);
            action->setEnabled(item.enabled);
        }
    }
}

} // namespace vk2
