#include "app/LanguageModule.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/AppStartup.h"

LanguageModule::LanguageModule(QStringList directories) : m_Directories(std::move(directories)) {}

LanguageModule::~LanguageModule() {
    if (QCoreApplication::instance()) {
        for (QTranslator* t : {m_Translator.get(), m_QtTranslator.get()}) {
            if (t) {
                QCoreApplication::removeTranslator(t);
            }
        }
    }
}

bool LanguageModule::Load(const QString& languageName) {
    const QString path = AppStartup::FindModule(languageName, m_Directories);
    if (path.isEmpty()) {
        return false;
    }
    auto next = std::make_unique<QTranslator>();
    if (!next->load(path)) {
        return false;
    }
    QCoreApplication::installTranslator(next.get());
    if (m_Translator) {
        QCoreApplication::removeTranslator(m_Translator.get());
    }
    m_Translator = std::move(next);
    m_Path = path;
    LoadQtTexts(languageName);
    return true;
}

void LanguageModule::LoadQtTexts(const QString& languageName) {
    if (m_QtTranslator) {
        QCoreApplication::removeTranslator(m_QtTranslator.get());
        m_QtTranslator.reset();
    }
    if (languageName.compare(QLatin1String("Chinese"), Qt::CaseInsensitive) != 0) {
        return; // Qt's texts are English already
    }
    // Beside the program first (a copy that carries its own), then Qt's.
    auto qt = std::make_unique<QTranslator>();
    QStringList folders = m_Directories;
    folders << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& folder : folders) {
        if (qt->load(QStringLiteral("qtbase_zh_CN"), folder)) {
            QCoreApplication::installTranslator(qt.get());
            m_QtTranslator = std::move(qt);
            return;
        }
    }
}
