// The translation module in use and its exchange.
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "base/LanguageModule.h"
#include "tests/support/QtPrinters.h"

namespace {

QString FileMenuTitle() {
    return QCoreApplication::translate("MainWindow", "&File");
}

QStringList BuiltModules() {
    return {QCoreApplication::applicationDirPath()};
}

TEST(LanguageModule, LoadedModuleGivesItsTexts) {
    LanguageModule module(BuiltModules());
    ASSERT_TRUE(module.Load(QStringLiteral("Chinese")));
    EXPECT_EQ(FileMenuTitle(), QStringLiteral("文件(&F)"));
    ASSERT_TRUE(module.Load(QStringLiteral("English")));
    EXPECT_EQ(FileMenuTitle(), QStringLiteral("&File"));
}

TEST(LanguageModule, QtsOwnButtonsFollowTheProgramIntoChineseAndBack) {
    LanguageModule module(BuiltModules());
    ASSERT_TRUE(module.Load(QStringLiteral("Chinese")));
    ASSERT_TRUE(module.HasQtTexts()); // the system has Qt's translations
    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
    ASSERT_TRUE(module.Load(QStringLiteral("English")));
    EXPECT_FALSE(module.HasQtTexts());
    QMessageBox english(QMessageBox::Question, QString(), QString(), QMessageBox::Cancel);
    EXPECT_EQ(english.button(QMessageBox::Cancel)->text(), QStringLiteral("Cancel"));
}

TEST(LanguageModule, MissingModuleKeepsTheOldOneInForce) {
    LanguageModule module(BuiltModules());
    ASSERT_TRUE(module.Load(QStringLiteral("Chinese")));
    EXPECT_FALSE(module.Load(QStringLiteral("Klingon")));
    EXPECT_FALSE(module.Load(QString()));
    EXPECT_TRUE(module.IsLoaded());
    EXPECT_EQ(FileMenuTitle(), QStringLiteral("文件(&F)"));
}

TEST(LanguageModule, DestroyedModuleNoLongerTranslates) {
    {
        LanguageModule module(BuiltModules());
        ASSERT_TRUE(module.Load(QStringLiteral("Chinese")));
    }
    EXPECT_EQ(FileMenuTitle(), QStringLiteral("&File"));
}

TEST(LanguageModule, DamagedModuleFileIsNotLoaded) {
    QTemporaryDir dir;
    QFile bad(dir.filePath(QStringLiteral("Chinese.qm")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a translation file");
    bad.close();
    LanguageModule module({dir.path()});
    EXPECT_FALSE(module.Load(QStringLiteral("Chinese")));
    EXPECT_FALSE(module.IsLoaded());
}

TEST(LanguageModule, EveryChineseMenuTextIsTranslated) {
    LanguageModule module(BuiltModules());
    ASSERT_TRUE(module.Load(QStringLiteral("Chinese")));
    for (const char* text : {"&File", "&Program", "P&ort", "&View", "&Help",
                             "Orin Programing Software", "For Help，Please Press F1"}) {
        EXPECT_NE(QCoreApplication::translate("MainWindow", text), QString::fromUtf8(text)) << text;
    }
}

} // namespace
