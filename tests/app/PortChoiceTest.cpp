// The Port menu: the COM entries with their ids, texts and devices, exactly
// one checked entry, and its texts in the Chinese module.
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QTranslator>
#include <QWidget>
#include <gtest/gtest.h>

#include "transfer/PortChoice.h"
#include "support/QtPrinters.h"

namespace {

QAction* Find(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

TEST(PortChoice, MenuChecksExactlyTheChosenPort) {
    QWidget window;
    PortChoice port(&window, nullptr);
    QMenu menu;
    port.PopulateMenu(&menu);
    const QList<QAction*> actions = menu.actions();
    ASSERT_GE(actions.size(), 6);
    const QStringList texts = {"COM1(&P)", "COM2(&Q)", "COM3(&S)", "COM4(&T)"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(actions[i]->text(), texts[i]);
        EXPECT_EQ(actions[i]->isChecked(), i == 0) << i;
        EXPECT_EQ(actions[i]->data().toInt(), PortChoice::ComCommandIds[i]);
    }
    EXPECT_EQ(actions[0]->statusTip(), "Choose Communication Port one ");
    EXPECT_EQ(actions[3]->statusTip(), "Choose Communication Port four ");
#ifdef _WIN32
    EXPECT_EQ(actions[2]->toolTip(), "Com3 (\\\\.\\COM3)");
#else
    EXPECT_EQ(actions[2]->toolTip(), "Com3 (/dev/ttyS2)");
#endif
    actions[2]->trigger();
    EXPECT_EQ(port.PortName(), "COM3");
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(actions[i]->isChecked(), i == 2) << i;
    }
    QAction* simulated = Find(menu, "Simulated radio");
    ASSERT_NE(simulated, nullptr);
    simulated->trigger();
    EXPECT_EQ(port.PortName(), PortChoice::SimulatedPort);
    EXPECT_TRUE(port.IsSimulated());
    EXPECT_FALSE(actions[2]->isChecked());
}

TEST(PortChoice, TypedPathStaysInTheMenuChecked) {
    PortChoice port(nullptr, nullptr);
    port.SetPortName("/dev/orin-typed");
    QMenu menu;
    port.PopulateMenu(&menu);
    QAction* typed = Find(menu, "/dev/orin-typed");
    ASSERT_NE(typed, nullptr);
    EXPECT_TRUE(typed->isChecked());
    EXPECT_FALSE(port.IsSimulated());
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(menu.actions()[i]->isChecked()) << i;
    }
}

TEST(PortChoice, ChineseModuleTranslatesTheMenu) {
    PortChoice port(nullptr, nullptr);
    QTranslator chinese;
    ASSERT_TRUE(chinese.load(QCoreApplication::applicationDirPath() + "/Chinese.qm"));
    QCoreApplication::installTranslator(&chinese);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QMenu menu;
    port.PopulateMenu(&menu);
    const QString comTip = menu.actions()[1]->statusTip();
    const bool bSimulated = Find(menu, QStringLiteral("模拟对讲机")) != nullptr;
    const bool bOther = Find(menu, QStringLiteral("其他端口...")) != nullptr;
    QCoreApplication::removeTranslator(&chinese);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(comTip, QStringLiteral("选择通讯端口二"));
    EXPECT_TRUE(bSimulated);
    EXPECT_TRUE(bOther);
    EXPECT_EQ(menu.actions()[1]->statusTip(), "Choose Communication Port two ");
}

} // namespace
