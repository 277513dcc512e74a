#include "base/ButtonName.h"

#include <QRegularExpression>

QString ButtonName(const QString& menuText) {
    QString name = menuText.section(QLatin1Char('\t'), 0, 0);
    // "读取(&R)" and "&Read": the mnemonic belongs to the menu only.
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)"));
    name.remove(mnemonic);
    name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    name.remove(QLatin1Char('&'));
    name.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    for (const QString& dots : {QStringLiteral("..."), QStringLiteral("…")}) {
        if (name.endsWith(dots)) {
            name.chop(dots.size());
        }
    }
    return name.trimmed();
}
