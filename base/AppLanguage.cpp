#include "base/AppLanguage.h"

int bChinese = 0;

QString& LanguageName() {
    static QString name = QStringLiteral("English");
    return name;
}
