// The translation module in use and its exchange.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/LanguageModule.h"
#include "tests/support/QtPrinters.h"

namespace {

QString FileMenuTitle() {
    return QCoreApplication::translate("CMainFrame", "&File");
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
        EXPECT_NE(QCoreApplication::translate("CMainFrame", text), QString::fromUtf8(text)) << text;
    }
}

} // namespace
