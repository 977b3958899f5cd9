#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include "screen/main_window.h"

namespace vk2 {
namespace {

TEST(MainWindow, OpensAtItsDesignSizeWithTheGamesMenuBar) {
    MainWindow window;
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vellumark2"));
    EXPECT_EQ(window.centralWidget()->size(), QSize(712, 456));

    QStringList captions;
    for (QAction* action : window.menuBar()->actions()) captions << action->text();
    EXPECT_EQ(captions, (QStringList{"入場", "退場", "セーブ", "回復", "オート", "人数", "設定", "表示", "ＢＧＭ",
                                     "ポーズ"}));
}

TEST(MainWindow, MenuItemsCarryTheirShortcutsAndStates) {
    MainWindow window;
    const auto* enterRight2 = window.findChild<QAction*>("mnuOpen6");
    ASSERT_NE(enterRight2, nullptr);
    EXPECT_EQ(enterRight2->text(), QStringLiteral("右 ２"));
    EXPECT_EQ(enterRight2->shortcut(), QKeySequence("F6"));

    const auto* healAll = window.findChild<QAction*>("mnuRecover10");
    ASSERT_NE(healAll, nullptr);
    EXPECT_EQ(healAll->shortcut(), QKeySequence("Ctrl+Shift+F9"));
    EXPECT_FALSE(healAll->isEnabled());

    const auto* fourHerbs = window.findChild<QAction*>("mnuFiritem2");
    ASSERT_NE(fourHerbs, nullptr);
    EXPECT_TRUE(fourHerbs->isChecked());
}

} // namespace
} // namespace vk2
