#pragma once

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTranslator>
#include <gtest/gtest.h>
#include <memory>

#include "base/AppLanguage.h"

// Runs a settings dialog test in one interface language: sets bChinese and
// loads the matching language module from beside the test binary, and puts
// both back afterwards.
class DialogLanguage {
public:
    explicit DialogLanguage(Lang lang) : m_Saved(bChinese) {
        bChinese = lang == Lang::Chinese ? 1 : 0;
        const QString name = lang == Lang::Chinese ? "Chinese" : "English";
        m_bLoaded = m_Translator.load(name, QCoreApplication::applicationDirPath());
        if (m_bLoaded) {
            QCoreApplication::installTranslator(&m_Translator);
        }
    }
    ~DialogLanguage() {
        QCoreApplication::removeTranslator(&m_Translator);
        bChinese = m_Saved;
    }
    bool Loaded() const { return m_bLoaded; }

private:
    int m_Saved;
    bool m_bLoaded = false;
    QTranslator m_Translator;
};

template <typename T> T* Child(QWidget& dialog, const char* name) {
    T* child = dialog.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

inline QStringList Entries(const QComboBox* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) {
        out << list->itemText(i);
    }
    return out;
}
